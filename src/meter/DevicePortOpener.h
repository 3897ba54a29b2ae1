#pragma once

#include "meter/SerialPortOpener.h"
#include "meter/SerialPortPaths.h"

// Opens COMn as the tty device the port table names.
class DevicePortOpener : public SerialPortOpener
{
public:
    explicit DevicePortOpener(SerialPortPaths paths = SerialPortPaths::fromEnvironment());

    std::unique_ptr<SerialTransport> open(int portNumber, QString* error) override;

private:
    SerialPortPaths paths_;
};
