#pragma once

#include "meter/PortOpenError.h"
#include "meter/SerialTransport.h"

#include <QString>

#include <memory>

#include <termios.h>

// A serial line on a tty device. Opening takes the port for this process alone
// (TIOCEXCL against other openers, an flock against other programs that lock)
// and saves the line settings; close() writes them back and gives the port up.
// Reads sleep in poll() until a byte arrives or the time-out passes.
class TermiosSerialPort : public SerialTransport
{
public:
    // Nothing when the device is missing, no tty, in use or not permitted;
    // the error then says which. A path that names no tty device is refused
    // before it is opened.
    static std::unique_ptr<TermiosSerialPort> open(const QString& devicePath, PortOpenError* error);
    static std::unique_ptr<TermiosSerialPort> open(const QString& devicePath, QString* error);

    ~TermiosSerialPort() override;
    TermiosSerialPort(const TermiosSerialPort&) = delete;
    TermiosSerialPort& operator=(const TermiosSerialPort&) = delete;

    bool configure() override;
    void setReadTimeout(int milliseconds) override { readTimeoutMs_ = milliseconds; }
    std::int64_t read(char* buffer, std::int64_t maxSize) override;
    std::int64_t write(const char* data, std::int64_t size) override;
    bool drain() override;
    void purgeInput() override;
    void close() override;
    QString errorString() const override { return error_; }

private:
    TermiosSerialPort(int fd, const QString& devicePath, const termios& saved);

    // Waits up to `milliseconds` for `events`; false on time-out, with
    // `revents` holding what poll() reported otherwise.
    bool waitFor(short events, int milliseconds, short* revents);
    void fail(const char* what, int errorNumber);

    int fd_ = -1;
    QString devicePath_;
    termios saved_{};
    int readTimeoutMs_ = 200;
    QString error_;
};
