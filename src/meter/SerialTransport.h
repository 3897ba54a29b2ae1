#pragma once

#include <QString>

#include <cstdint>

// One open serial line to the meter. Implementations: the termios port, the
// scripted port of the unit tests. Closing restores what opening changed; the
// destructor closes.
class SerialTransport
{
public:
    virtual ~SerialTransport() = default;

    // The meter's line: 9600 baud, 8 data bits, no parity, 1 stop bit, raw
    // bytes, no flow control.
    virtual bool configure() = 0;

    // How long one read waits for the first byte before it returns empty.
    virtual void setReadTimeout(int milliseconds) = 0;

    // Bytes read (> 0), 0 when the line stayed silent for the read time-out,
    // -1 when the line failed (device gone, hang-up, I/O error).
    virtual std::int64_t read(char* buffer, std::int64_t maxSize) = 0;

    // Bytes written, -1 on failure.
    virtual std::int64_t write(const char* data, std::int64_t size) = 0;

    // Waits until everything written has left the port.
    virtual bool drain() = 0;

    // Drops whatever was received but not read yet.
    virtual void purgeInput() = 0;

    virtual void close() = 0;

    // What went wrong with the last failing operation.
    virtual QString errorString() const = 0;
};
