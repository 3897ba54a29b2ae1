#include "meter/DevicePortOpener.h"

#include "meter/TermiosSerialPort.h"

#include <utility>

DevicePortOpener::DevicePortOpener(SerialPortPaths paths) : paths_(std::move(paths)) {}

std::unique_ptr<SerialTransport> DevicePortOpener::open(int portNumber, PortOpenError* error)
{
    const QString path = paths_.devicePath(portNumber);
    if (path.isEmpty()) {
        if (error)
            *error = {PortOpenError::Reason::Missing, QStringLiteral("COM%1 has no device").arg(portNumber)};
        return nullptr;
    }
    return TermiosSerialPort::open(path, error);
}

std::unique_ptr<SerialTransport> DevicePortOpener::openDevice(const QString& devicePath, PortOpenError* error)
{
    return TermiosSerialPort::open(devicePath, error);
}
