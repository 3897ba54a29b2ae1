#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

// One serial port of this machine as the kernel describes it. Fields that
// are not known are empty.
struct SerialPortInfo
{
    QString path; // /dev/ttyUSB0
    QString byId; // /dev/serial/by-id/usb-..., the name that stays when the plugs move
    QString vendorId;
    QString productId;
    QString serial;
    QString manufacturer;
    QString product;

    // One line: the fields above in that order, tab-separated.
    QString toTabLine() const;
    // Keys path, by_id, vendor_id, product_id, serial, manufacturer,
    // product; null where unknown.
    QJsonObject toJson() const;
    // "by-id name (product)", or the path where nothing more is known: how
    // the window names a port.
    QString displayName() const;
};

// The serial ports that exist, read from sysfs (/sys/class/tty/*/device, up
// to the USB device for its ids, serial number and names) and the by-id
// links under /dev/serial. The legacy 8250 ports the kernel lists whether or
// not a UART is there are left out by their port type: 0 means none.
// The roots are the real ones but for tests, which build a tree of their own.
class SerialPortList
{
public:
    explicit SerialPortList(QString sysRoot = QStringLiteral("/sys"),
                            QString devRoot = QStringLiteral("/dev"));

    // Sorted by name, numbers in order (ttyUSB2 before ttyUSB10).
    QList<SerialPortInfo> ports() const;

private:
    SerialPortInfo describe(const QString& name, const QString& classEntry) const;
    QString byIdName(const QString& devicePath) const;

    QString sysRoot_;
    QString devRoot_;
};
