#pragma once

#include "meter/PortOpenError.h"
#include "meter/SerialTransport.h"

#include <QString>

#include <memory>

// Opens COM1..COM20 by number, or a serial device by its path. A port that
// does not exist, is no serial line, is in use or may not be opened gives
// nothing and the reason.
class SerialPortOpener
{
public:
    virtual ~SerialPortOpener() = default;

    virtual std::unique_ptr<SerialTransport> open(int portNumber, PortOpenError* error) = 0;
    virtual std::unique_ptr<SerialTransport> openDevice(const QString& devicePath, PortOpenError* error) = 0;
    // The device COMn stands for; empty where there is none.
    virtual QString devicePath(int portNumber) const = 0;
};
