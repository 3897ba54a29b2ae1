#pragma once

#include "meter/SerialPortOpener.h"
#include "meter/SerialPortPaths.h"

// Opens COMn as the tty device the port table names, and device paths as
// they are given.
class DevicePortOpener : public SerialPortOpener
{
public:
    explicit DevicePortOpener(SerialPortPaths paths = SerialPortPaths::fromEnvironment());

    std::unique_ptr<SerialTransport> open(int portNumber, PortOpenError* error) override;
    std::unique_ptr<SerialTransport> openDevice(const QString& devicePath, PortOpenError* error) override;
    QString devicePath(int portNumber) const override { return paths_.devicePath(portNumber); }

private:
    SerialPortPaths paths_;
};
