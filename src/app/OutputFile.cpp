#include "app/OutputFile.h"

#include "app/FileNameBytes.h"
#include "app/LinkFollowing.h"
#include "app/ProcessFiles.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/TemporaryFileRegistry.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Read, not set and set back: umask() would change it for every thread.
mode_t currentUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        while (!status.atEnd()) {
            const QByteArray line = status.readLine();
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return static_cast<mode_t>(mask & 0777);
            }
        }
    }
    return 022;
}

bool sameFile(const QString& a, const QString& b)
{
    struct stat x
    {
    };
    struct stat y
    {
    };
    return ::stat(QFile::encodeName(a).constData(), &x) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &y) == 0 && x.st_dev == y.st_dev && x.st_ino == y.st_ino;
}

// The file `path` stands for, or empty with the reason it may not be written.
QString writableFile(const QString& path, const QString& input, QString* error)
{
    if (FileNameBytes::mayStandForOtherBytes(path)) {
        *error = FileNameBytes::refusal(path);
        return QString();
    }
    const QString file = LinkFollowing::fileToWrite(path, error);
    if (file.isEmpty())
        return QString();
    const QString shown = QDir::toNativeSeparators(path);
    if (!input.isEmpty() && sameFile(file, input)) {
        *error = QStringLiteral("%1 is the file it would be made from; choose another output.").arg(shown);
        return QString();
    }
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(file).constData(), &info) != 0)
        return file;
    if (!S_ISREG(info.st_mode)) {
        *error = QStringLiteral("%1 exists and is not a regular file; it is left as it is.").arg(shown);
        return QString();
    }
    // Written anew and renamed over, the file would part from its other
    // names, which kept the old content: refused rather than half done.
    if (info.st_nlink > 1) {
        *error = Strings::formatMessage(Strings::loadString(StringId::HardLinkedTarget),
                                        {shown, QString::number(info.st_nlink)});
        return QString();
    }
    return file;
}

} // namespace

OutputFile::OutputFile(const QString& path) : requested_(path) {}

OutputFile::~OutputFile()
{
    cancel();
}

bool OutputFile::check(const QString& path, const QString& input, QString* error)
{
    return !writableFile(path, input, error).isEmpty();
}

bool OutputFile::Device::openDescriptor(int fd)
{
    fd_ = fd;
    failure_.clear();
    return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

void OutputFile::Device::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    QIODevice::close();
}

qint64 OutputFile::Device::writeData(const char* data, qint64 size)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t put = ::write(fd_, data + done, static_cast<size_t>(size - done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            failure_ = put < 0 ? systemReason() : QStringLiteral("nothing could be written");
            setErrorString(failure_);
            return -1;
        }
        done += put;
    }
    return done;
}

bool OutputFile::open(QString* error)
{
    cancel();
    path_ = writableFile(requested_, QString(), error);
    if (path_.isEmpty())
        return false;
    const QString folder = QFileInfo(path_).absolutePath();
    ProcessFiles::removeLeftOvers(folder, ProcessFiles::kSiblingPrefix, {ProcessFiles::kPartialOutputSuffix});
    note_.reset(folder);
    QString reason;
    partial_ = ProcessFiles::newRegisteredFile(folder, ProcessFiles::kSiblingPrefix,
                                               ProcessFiles::kPartialOutputSuffix, true, &reason);
    if (partial_.isEmpty()) {
        *error = QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path_), reason);
        note_.reset(QString());
        return false;
    }
    const int fd = ::open(QFile::encodeName(partial_).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0 || !device_.openDescriptor(fd)) {
        *error = QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path_), systemReason());
        cancel();
        return false;
    }
    return true;
}

bool OutputFile::commit(QString* error)
{
    // A write that failed on the way (a full disk under a PDF writer that
    // goes on regardless) fails the whole output.
    bool ok = device_.isOpen() && device_.failure().isEmpty();
    QString reason = device_.failure();
    const int fd = device_.descriptor();
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        reason = systemReason();
    }
    if (ok) {
        // An output the user made before keeps who may read it; a new one
        // gets what the user's umask gives a new file.
        struct stat existing
        {
        };
        if (::stat(QFile::encodeName(path_).constData(), &existing) == 0)
            ::fchmod(fd, existing.st_mode & 07777);
        else
            ::fchmod(fd, 0666 & ~currentUmask());
    }
    device_.close();
    if (ok &&
        std::rename(QFile::encodeName(partial_).constData(), QFile::encodeName(path_).constData()) != 0) {
        ok = false;
        reason = systemReason();
    }
    if (!ok) {
        *error = QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path_), reason);
        cancel();
        return false;
    }
    TemporaryFileRegistry::forget(partial_);
    partial_.clear();
    note_.reset(QString());
    return true;
}

void OutputFile::cancel()
{
    device_.close();
    if (!partial_.isEmpty()) {
        QFile::remove(partial_);
        TemporaryFileRegistry::forget(partial_);
        partial_.clear();
    }
    note_.reset(QString());
}
