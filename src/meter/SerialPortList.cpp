#include "meter/SerialPortList.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonValue>

#include <algorithm>
#include <utility>

namespace {

// A sysfs attribute's text without its line end; empty when it is not there.
QString attribute(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Attributes are short; a longer file is no attribute of ours.
    return QString::fromUtf8(file.read(4096)).trimmed();
}

QJsonValue orNull(const QString& value)
{
    return value.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(value);
}

} // namespace

QString SerialPortInfo::toTabLine() const
{
    // A tab or line end inside a USB name would shift the columns.
    auto clean = [](QString text) {
        return text.replace(QLatin1Char('\t'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    };
    return QStringList{clean(path),   clean(byId),         clean(vendorId), clean(productId),
                       clean(serial), clean(manufacturer), clean(product)}
        .join(QLatin1Char('\t'));
}

QJsonObject SerialPortInfo::toJson() const
{
    return QJsonObject{{QStringLiteral("path"), path},
                       {QStringLiteral("by_id"), orNull(byId)},
                       {QStringLiteral("vendor_id"), orNull(vendorId)},
                       {QStringLiteral("product_id"), orNull(productId)},
                       {QStringLiteral("serial"), orNull(serial)},
                       {QStringLiteral("manufacturer"), orNull(manufacturer)},
                       {QStringLiteral("product"), orNull(product)}};
}

QString SerialPortInfo::displayName() const
{
    QString name = byId.isEmpty() ? path : byId;
    if (!product.isEmpty())
        name += QStringLiteral(" (%1)").arg(product);
    return name;
}

SerialPortList::SerialPortList(QString sysRoot, QString devRoot)
    : sysRoot_(std::move(sysRoot)), devRoot_(std::move(devRoot))
{
}

QList<SerialPortInfo> SerialPortList::ports() const
{
    const QDir classDir(sysRoot_ + QStringLiteral("/class/tty"));
    QStringList names = classDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    QCollator numeric;
    numeric.setNumericMode(true);
    std::sort(names.begin(), names.end(), numeric);
    QList<SerialPortInfo> found;
    for (const QString& name : names) {
        const QString entry = classDir.filePath(name);
        // Virtual terminals, ptmx and the console have no device behind them.
        if (!QFileInfo(entry + QStringLiteral("/device")).exists())
            continue;
        // A serial-core port of type 0 (PORT_UNKNOWN) has no UART: the 8250
        // driver lists 4 or 32 of those on every PC.
        const QString type = attribute(entry + QStringLiteral("/type"));
        if (type == QLatin1String("0"))
            continue;
        SerialPortInfo info = describe(name, entry);
        // sysfs may show a device whose node this system has not made (a
        // container): a port that cannot be opened by its path is no port.
        if (!QFileInfo::exists(info.path))
            continue;
        found.append(info);
    }
    return found;
}

SerialPortInfo SerialPortList::describe(const QString& name, const QString& classEntry) const
{
    SerialPortInfo info;
    info.path = devRoot_ + QLatin1Char('/') + name;
    info.byId = byIdName(info.path);
    // The tty's device is the USB interface (ACM) or a child of it (USB
    // serial adapters); the USB device with the ids is the first folder
    // above that has idVendor. Walking stops at the sysfs root.
    const QString root = QFileInfo(sysRoot_).canonicalFilePath();
    QString folder = QFileInfo(classEntry + QStringLiteral("/device")).canonicalFilePath();
    for (int depth = 0; depth < 8 && !folder.isEmpty() && folder.startsWith(root + QLatin1Char('/'));
         ++depth) {
        if (QFileInfo::exists(folder + QStringLiteral("/idVendor"))) {
            info.vendorId = attribute(folder + QStringLiteral("/idVendor"));
            info.productId = attribute(folder + QStringLiteral("/idProduct"));
            info.serial = attribute(folder + QStringLiteral("/serial"));
            info.manufacturer = attribute(folder + QStringLiteral("/manufacturer"));
            info.product = attribute(folder + QStringLiteral("/product"));
            break;
        }
        folder = QFileInfo(folder).path();
    }
    return info;
}

QString SerialPortList::byIdName(const QString& devicePath) const
{
    const QString target = QFileInfo(devicePath).canonicalFilePath();
    if (target.isEmpty())
        return {};
    const QDir byId(devRoot_ + QStringLiteral("/serial/by-id"));
    QStringList links = byId.entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& link : links) {
        if (QFileInfo(byId.filePath(link)).canonicalFilePath() == target)
            return byId.filePath(link);
    }
    return {};
}
