#pragma once

#include <QString>
#include <QStringList>

// Where COMn lives on this machine. FIBROLOG_SERIAL_PORTS, when set, is a
// comma-separated list whose n-th entry is COMn (an empty entry: no such
// port); otherwise COM1-4 are /dev/ttyS0-3, COM5-12 /dev/ttyUSB0-7 and
// COM13-20 /dev/ttyACM0-7.
class SerialPortPaths
{
public:
    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 20;

    static SerialPortPaths fromEnvironment();
    static SerialPortPaths defaultTable();
    static SerialPortPaths fromList(const QString& commaSeparated);

    // Empty when the port has no device.
    QString devicePath(int portNumber) const;

private:
    QStringList paths_; // index 0 is COM1
};
