// The serial ports of a machine as sysfs and /dev show them: a fake tree as
// the kernel lays it out for a USB serial adapter, an ACM device, a legacy
// 8250 port without a UART and one with, and the real machine through the
// real fibrolog-cli.
#include "meter/SerialPortList.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

void writeFile(const QString& path, const QByteArray& text = {})
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(text);
}

void link(const QString& target, const QString& linkPath)
{
    QDir().mkpath(QFileInfo(linkPath).path());
    ASSERT_TRUE(QFile::link(target, linkPath)) << linkPath.toStdString();
}

// One tty in sysfs: its folder under `parent` (a device folder below
// sys/devices), the class entry that links to it, and its device link.
// `ownFolder`: the tty hangs off a folder of its own (USB serial), not off
// the interface itself (ACM).
void addTty(const QString& sys, const QString& parent, const QString& name, bool ownFolder)
{
    const QString device = ownFolder ? parent + "/" + name : parent;
    const QString entry = device + "/tty/" + name;
    QDir().mkpath(sys + "/" + entry);
    link(ownFolder ? "../../../" + name : "../..", sys + "/" + entry + "/device");
    link("../../" + entry, sys + "/class/tty/" + name);
}

void addUsbDevice(const QString& folder, const QMap<QString, QByteArray>& attributes)
{
    for (auto it = attributes.begin(); it != attributes.end(); ++it)
        writeFile(folder + "/" + it.key(), it.value() + "\n");
}

} // namespace

TEST(SerialPortList, ListsRealPortsWithTheirUsbIdentityAndByIdName)
{
    QTemporaryDir root;
    const QString sys = root.filePath("sys");
    const QString dev = root.filePath("dev");

    const QString usb = "devices/pci0000:00/0000:00:14.0/usb1";
    addUsbDevice(sys + "/" + usb + "/1-2", {{"idVendor", "0403"},
                                            {"idProduct", "6001"},
                                            {"serial", "A10K5XYZ"},
                                            {"manufacturer", "FTDI"},
                                            {"product", "FT232R USB UART"}});
    addTty(sys, usb + "/1-2/1-2:1.0", "ttyUSB0", true);
    addUsbDevice(
        sys + "/" + usb + "/1-3",
        {{"idVendor", "2341"}, {"idProduct", "0043"}, {"serial", "7533"}, {"manufacturer", "Arduino"}});
    addTty(sys, usb + "/1-3/1-3:1.0", "ttyACM0", false);
    // A second adapter the kernel knows but whose node this system lacks.
    addTty(sys, usb + "/1-2/1-2:1.0", "ttyUSB1", true);
    addTty(sys, "devices/platform/serial8250", "ttyS0", false);
    writeFile(sys + "/devices/platform/serial8250/tty/ttyS0/type", "0\n");
    addTty(sys, "devices/pnp0/00:05", "ttyS1", false);
    writeFile(sys + "/devices/pnp0/00:05/tty/ttyS1/type", "4\n");
    QDir().mkpath(sys + "/devices/virtual/tty/tty0");
    link("../../devices/virtual/tty/tty0", sys + "/class/tty/tty0");

    for (const char* node : {"ttyUSB0", "ttyACM0", "ttyS0", "ttyS1", "tty0"})
        writeFile(dev + "/" + node);
    const QString byId = dev + "/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K5XYZ-if00-port0";
    link("../../ttyUSB0", byId);

    struct Expected
    {
        QString path, byId, vendor, product, serial, manufacturer, productName;
    };
    const QList<Expected> expected = {
        {dev + "/ttyACM0", "", "2341", "0043", "7533", "Arduino", ""},
        {dev + "/ttyS1", "", "", "", "", "", ""},
        {dev + "/ttyUSB0", byId, "0403", "6001", "A10K5XYZ", "FTDI", "FT232R USB UART"},
    };
    const QList<SerialPortInfo> ports = SerialPortList(sys, dev).ports();
    ASSERT_EQ(ports.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const Expected& e = expected[i];
        const SerialPortInfo& port = ports[i];
        SCOPED_TRACE(e.path.toStdString());
        EXPECT_EQ(port.toTabLine(),
                  QStringList({e.path, e.byId, e.vendor, e.product, e.serial, e.manufacturer, e.productName})
                      .join('\t'));
        const QJsonObject json = port.toJson();
        EXPECT_EQ(json.keys(), QStringList({"by_id", "manufacturer", "path", "product", "product_id",
                                            "serial", "vendor_id"}));
        auto value = [](const QString& text) { return text.isEmpty() ? QJsonValue() : QJsonValue(text); };
        EXPECT_EQ(json["path"], value(e.path));
        EXPECT_EQ(json["by_id"], value(e.byId));
        EXPECT_EQ(json["vendor_id"], value(e.vendor));
        EXPECT_EQ(json["product_id"], value(e.product));
        EXPECT_EQ(json["serial"], value(e.serial));
        EXPECT_EQ(json["manufacturer"], value(e.manufacturer));
        EXPECT_EQ(json["product"], value(e.productName));
    }
}

// This machine's ports through the real program: standard output is a JSON
// array and nothing else, and an empty list is said on standard error.
TEST(SerialPortList, TheCommandListsThisMachinesPortsAsJson)
{
    QProcess cli;
    cli.start(QStringLiteral(FIBROLOG_CLI_PATH), {"list-ports", "--json"});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 0);
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(cli.readAllStandardOutput(), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    ASSERT_TRUE(json.isArray());
    const QString err = QString::fromLocal8Bit(cli.readAllStandardError());
    EXPECT_EQ(err.contains("No serial port was found"), json.array().isEmpty()) << err.toStdString();
    const QList<SerialPortInfo> expected = SerialPortList().ports();
    ASSERT_EQ(json.array().size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(json.array()[i].toObject(), expected[i].toJson());
}
