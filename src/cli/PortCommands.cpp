#include "cli/CliCommands.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "cli/CliApp.h"
#include "cli/CliOutput.h"
#include "meter/SerialPortList.h"

#include <QJsonArray>

const CommandSpec kListPortsSpec{
    QStringLiteral("list-ports"),
    0,
    0,
    {},
    {QStringLiteral("json")},
    {},
    {QStringLiteral("list-ports [--json]"), QStringLiteral("the serial ports of this computer"),
     QStringLiteral("One port a line, tab-separated: device, /dev/serial/by-id name, USB vendor\n"
                    "id, product id, serial number, manufacturer and product (empty when\n"
                    "unknown), read from sysfs.\n"
                    "\n"
                    "  --json  an array of objects with the keys path, by_id, vendor_id,\n"
                    "          product_id, serial, manufacturer and product (null when unknown)")}};

int runListPorts(const CommandLine& line, CliContext& context)
{
    // Only the real sysfs and /dev: what a test builds is handed to the
    // list itself, never through the program's environment.
    const QList<SerialPortInfo> ports = SerialPortList().ports();
    if (line.has(QStringLiteral("json"))) {
        QJsonArray array;
        for (const SerialPortInfo& port : ports)
            array.append(port.toJson());
        CliOutput::writeJsonList(context, array);
    } else {
        for (const SerialPortInfo& port : ports)
            context.out << port.toTabLine() << '\n';
    }
    if (ports.isEmpty())
        context.status << Strings::loadString(StringId::SerialPortNoneFound) << '\n';
    return ExitOk;
}
