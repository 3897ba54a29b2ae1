#include "meter/SerialPortPaths.h"

#include <QByteArray>

SerialPortPaths SerialPortPaths::fromEnvironment()
{
    if (qEnvironmentVariableIsSet("FIBROLOG_SERIAL_PORTS"))
        return fromList(qEnvironmentVariable("FIBROLOG_SERIAL_PORTS"));
    return defaultTable();
}

SerialPortPaths SerialPortPaths::defaultTable()
{
    SerialPortPaths table;
    for (int i = 0; i < 4; ++i)
        table.paths_.append(QStringLiteral("/dev/ttyS%1").arg(i));
    for (int i = 0; i < 8; ++i)
        table.paths_.append(QStringLiteral("/dev/ttyUSB%1").arg(i));
    for (int i = 0; i < 8; ++i)
        table.paths_.append(QStringLiteral("/dev/ttyACM%1").arg(i));
    return table;
}

SerialPortPaths SerialPortPaths::fromList(const QString& commaSeparated)
{
    SerialPortPaths table;
    for (const QString& entry : commaSeparated.split(QLatin1Char(',')))
        table.paths_.append(entry.trimmed());
    return table;
}

QString SerialPortPaths::devicePath(int portNumber) const
{
    const int index = portNumber - kFirstPort;
    if (index < 0 || index >= paths_.size())
        return {};
    return paths_.at(index);
}
