#include "MeterSimProcess.h"

#include "meter/TermiosSerialPort.h"

#include <gtest/gtest.h>

#include <QTemporaryFile>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Our own descriptor of the simulator's serial end, to look at its settings.
class Observer
{
public:
    explicit Observer(const QString& path) : fd_(::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY)) {}
    ~Observer()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Observer(const Observer&) = delete;
    Observer& operator=(const Observer&) = delete;

    termios settings() const
    {
        termios t{};
        tcgetattr(fd_, &t);
        return t;
    }
    void set(const termios& t) const { tcsetattr(fd_, TCSANOW, &t); }

private:
    int fd_;
};

} // namespace

TEST(TermiosSerialPort, WhatIsNoSerialLineDoesNotOpen)
{
    QTemporaryFile regular;
    ASSERT_TRUE(regular.open());
    const QString paths[] = {QString(), "/nonexistent/ttyS99", "/dev/null", regular.fileName()};
    for (const QString& path : paths) {
        QString error;
        EXPECT_FALSE(TermiosSerialPort::open(path, &error)) << path.toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
    QString error;
    TermiosSerialPort::open("/dev/null", &error);
    EXPECT_EQ(error, "/dev/null is not a serial port");
}

TEST(TermiosSerialPort, APortInUseCannotBeOpenedAgainUntilItIsClosed)
{
    MeterSimProcess sim({"--fast"});
    ASSERT_FALSE(sim.path().isEmpty());
    QString error;
    auto first = TermiosSerialPort::open(sim.path(), &error);
    ASSERT_TRUE(first) << error.toStdString();
    EXPECT_FALSE(TermiosSerialPort::open(sim.path(), &error));
    EXPECT_TRUE(error.contains("in use")) << error.toStdString();
    first.reset();
    EXPECT_TRUE(TermiosSerialPort::open(sim.path(), &error)) << error.toStdString();
}

TEST(TermiosSerialPort, TheLineIsSetUpRawAndPutBackOnClose)
{
    MeterSimProcess sim({"--fast"});
    Observer observer(sim.path());
    termios cooked = observer.settings();
    cooked.c_lflag |= ICANON | ECHO;
    cooked.c_cflag |= PARENB;
    cfsetispeed(&cooked, B1200);
    cfsetospeed(&cooked, B1200);
    observer.set(cooked);
    const termios before = observer.settings();

    QString error;
    auto port = TermiosSerialPort::open(sim.path(), &error);
    ASSERT_TRUE(port) << error.toStdString();
    ASSERT_TRUE(port->configure());
    const termios raw = observer.settings();
    EXPECT_EQ(raw.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_EQ(raw.c_cflag & (PARENB | CSTOPB | CRTSCTS | CSIZE), static_cast<tcflag_t>(CS8));
    EXPECT_EQ(cfgetospeed(&raw), static_cast<speed_t>(B9600));
    EXPECT_EQ(raw.c_iflag & (IXON | IXOFF | ICRNL), 0u);
    port->close();

    const termios after = observer.settings();
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_EQ(after.c_cflag, before.c_cflag);
    EXPECT_EQ(after.c_iflag, before.c_iflag);
    EXPECT_EQ(cfgetospeed(&after), static_cast<speed_t>(B1200));
}

TEST(TermiosSerialPort, ReadsAnswerTimeOutAndSeeAHangUp)
{
    QTemporaryFile data;
    ASSERT_TRUE(data.open());
    data.write(QByteArray(300, 'x'));
    data.flush();
    MeterSimProcess sim({"--fast", "--id", "LN42", "--file", data.fileName(), "--hang-up-after", "100"});
    QString error;
    auto port = TermiosSerialPort::open(sim.path(), &error);
    ASSERT_TRUE(port) << error.toStdString();
    ASSERT_TRUE(port->configure());
    port->setReadTimeout(100);

    ASSERT_EQ(port->write("?", 1), 1);
    QByteArray answer;
    char buffer[64];
    for (std::int64_t got; (got = port->read(buffer, sizeof buffer)) > 0;)
        answer.append(buffer, got);
    EXPECT_EQ(answer, "LN42") << "then a silent read returns nothing";

    ASSERT_EQ(port->write("Dd", 2), 2);
    std::int64_t received = 0;
    std::int64_t got = 0;
    for (int reads = 0; reads < 100 && (got = port->read(buffer, sizeof buffer)) >= 0; ++reads)
        received += got;
    EXPECT_EQ(got, -1) << "the hang-up is a failure, not silence";
    EXPECT_LE(received, 100);
    EXPECT_FALSE(port->errorString().isEmpty());
}
