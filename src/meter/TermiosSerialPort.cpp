#include "meter/TermiosSerialPort.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "meter/TtyDrivers.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// "path: what: reason"; without an error number, "path: what".
QString describe(const QString& devicePath, const char* what, int errorNumber)
{
    QString text = devicePath + QStringLiteral(": ") + QString::fromLatin1(what);
    if (errorNumber != 0)
        text += QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errorNumber));
    return text;
}

QString userText(int id, const QString& devicePath)
{
    return Strings::formatMessage(Strings::loadString(id), {devicePath});
}

// Closes a descriptor that has not been handed to a port object yet.
class FdGuard
{
public:
    explicit FdGuard(int fd) : fd_(fd) {}
    ~FdGuard()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

// The write time-out of the meter's line: 100 ms plus 10 ms per byte.
int writeTimeoutMs(std::int64_t size)
{
    return static_cast<int>(100 + 10 * std::min<std::int64_t>(size, 100000));
}

} // namespace

std::unique_ptr<TermiosSerialPort> TermiosSerialPort::open(const QString& devicePath, PortOpenError* error)
{
    using Reason = PortOpenError::Reason;
    auto failWith = [&](Reason reason, const QString& message) {
        if (error)
            *error = {reason, message};
        return nullptr;
    };
    auto failWithErrno = [&](const char* what, int errorNumber) {
        switch (errorNumber) {
        case EACCES:
        case EPERM:
            return failWith(Reason::PermissionDenied, userText(StringId::PortPermissionDenied, devicePath));
        case EBUSY:
        case EWOULDBLOCK:
            return failWith(Reason::Busy, userText(StringId::PortInUse, devicePath));
        case ENOENT:
        case ENOTDIR:
            return failWith(Reason::Missing, userText(StringId::PortNoSuchFile, devicePath));
        case ENXIO:
        case ENODEV:
            return failWith(Reason::Missing, describe(devicePath, what, errorNumber));
        default:
            return failWith(Reason::Failed, describe(devicePath, what, errorNumber));
        }
    };
    if (devicePath.isEmpty())
        return failWith(Reason::Missing, userText(StringId::PortNoSuchFile, devicePath));
    const QByteArray path = devicePath.toLocal8Bit();
    struct stat node
    {
    };
    if (::stat(path.constData(), &node) != 0)
        return failWithErrno("open", errno);
    if (!S_ISCHR(node.st_mode) || !TtyDrivers::fromProc().isTty(node.st_rdev))
        return failWith(Reason::NotSerial, userText(StringId::PortNotSerial, devicePath));
    // Non-blocking, so that opening a line without carrier does not hang;
    // reads wait in poll() instead.
    FdGuard guard(::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    const int raw = guard.get();
    if (raw < 0)
        return failWithErrno("open", errno);
    if (!::isatty(raw))
        return failWith(Reason::NotSerial, userText(StringId::PortNotSerial, devicePath));
    // The advisory lock is the one picocom, minicom and other instances of
    // this program take: it tells them, and us, that the line is taken.
    if (::flock(raw, LOCK_EX | LOCK_NB) != 0)
        return failWithErrno("lock", errno);
    termios saved{};
    if (::tcgetattr(raw, &saved) != 0)
        return failWithErrno("reading the line settings", errno);
    // TIOCEXCL refuses further opens of the tty (by anyone but root) until
    // TIOCNXCL; a port already held exclusively fails the open above.
    if (::ioctl(raw, TIOCEXCL) != 0)
        return failWithErrno("taking the port", errno);
    return std::unique_ptr<TermiosSerialPort>(new TermiosSerialPort(guard.release(), devicePath, saved));
}

std::unique_ptr<TermiosSerialPort> TermiosSerialPort::open(const QString& devicePath, QString* error)
{
    PortOpenError why;
    std::unique_ptr<TermiosSerialPort> port = open(devicePath, &why);
    if (!port && error)
        *error = why.message;
    return port;
}

TermiosSerialPort::TermiosSerialPort(int fd, const QString& devicePath, const termios& saved)
    : fd_(fd), devicePath_(devicePath), saved_(saved)
{
}

TermiosSerialPort::~TermiosSerialPort()
{
    close();
}

void TermiosSerialPort::close()
{
    if (fd_ < 0)
        return;
    // The port is left as it was found; failures here change nothing for us.
    ::tcsetattr(fd_, TCSANOW, &saved_);
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
}

void TermiosSerialPort::fail(const char* what, int errorNumber)
{
    error_ = describe(devicePath_, what, errorNumber);
}

bool TermiosSerialPort::configure()
{
    termios line{};
    if (::tcgetattr(fd_, &line) != 0) {
        fail("reading the line settings", errno);
        return false;
    }
    ::cfmakeraw(&line);
    line.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    line.c_cflag |= CS8 | CLOCAL | CREAD;
    line.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    // Reads are timed by poll(); the tty itself never waits.
    line.c_cc[VMIN] = 0;
    line.c_cc[VTIME] = 0;
    if (::cfsetispeed(&line, B9600) != 0 || ::cfsetospeed(&line, B9600) != 0) {
        fail("setting 9600 baud", errno);
        return false;
    }
    if (::tcsetattr(fd_, TCSANOW, &line) != 0) {
        fail("setting the line", errno);
        return false;
    }
    return true;
}

bool TermiosSerialPort::waitFor(short events, int milliseconds, short* revents)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd entry{fd_, events, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(std::max<long long>(left, 0)));
        if (ready > 0) {
            *revents = entry.revents;
            return true;
        }
        if (ready == 0)
            return false;
        if (errno != EINTR) {
            *revents = POLLERR;
            return true;
        }
        // Interrupted by a signal: wait out the rest. A cancel request is
        // seen after this read, at most one time-out later.
    }
}

std::int64_t TermiosSerialPort::read(char* buffer, std::int64_t maxSize)
{
    if (fd_ < 0) {
        fail("read", EBADF);
        return -1;
    }
    short revents = 0;
    if (!waitFor(POLLIN, readTimeoutMs_, &revents))
        return 0;
    if (revents & POLLNVAL) {
        fail("read", EBADF);
        return -1;
    }
    const ssize_t got = ::read(fd_, buffer, static_cast<size_t>(maxSize));
    if (got > 0)
        return got;
    if (got < 0 && (errno == EAGAIN || errno == EINTR) && !(revents & (POLLHUP | POLLERR)))
        return 0;
    // Readable but nothing to read is how a tty reports a hang-up.
    fail(got == 0 ? "the line hung up" : "read", got == 0 ? 0 : errno);
    return -1;
}

std::int64_t TermiosSerialPort::write(const char* data, std::int64_t size)
{
    std::int64_t written = 0;
    while (written < size) {
        short revents = 0;
        if (!waitFor(POLLOUT, writeTimeoutMs(size), &revents)) {
            fail("write timed out", ETIMEDOUT);
            return written;
        }
        if (revents & (POLLHUP | POLLERR | POLLNVAL)) {
            fail("write", EPIPE);
            return -1;
        }
        const ssize_t n = ::write(fd_, data + written, static_cast<size_t>(size - written));
        if (n < 0) {
            if (errno == EAGAIN || errno == EINTR)
                continue;
            fail("write", errno);
            return -1;
        }
        written += n;
    }
    return written;
}

bool TermiosSerialPort::drain()
{
    if (::tcdrain(fd_) != 0) {
        fail("drain", errno);
        return false;
    }
    return true;
}

void TermiosSerialPort::purgeInput()
{
    ::tcflush(fd_, TCIFLUSH);
}
