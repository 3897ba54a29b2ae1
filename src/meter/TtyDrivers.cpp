#include "meter/TtyDrivers.h"

#include <QFile>
#include <QRegularExpression>

#include <sys/sysmacros.h>

TtyDrivers TtyDrivers::fromProc()
{
    QFile file(QStringLiteral("/proc/tty/drivers"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromText(QString::fromLocal8Bit(file.readAll()));
}

TtyDrivers TtyDrivers::fromText(const QString& text)
{
    TtyDrivers drivers;
    static const QRegularExpression space(QStringLiteral("\\s+"));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        // The driver's name may in principle hold a blank: the numbers are
        // read from the end of the line.
        const QStringList fields = line.split(space, Qt::SkipEmptyParts);
        if (fields.size() < 5)
            continue;
        bool majorOk = false;
        const unsigned major = fields.at(fields.size() - 3).toUInt(&majorOk);
        const QStringList minors = fields.at(fields.size() - 2).split(QLatin1Char('-'));
        bool firstOk = false;
        bool lastOk = false;
        const unsigned first = minors.first().toUInt(&firstOk);
        const unsigned last = minors.size() == 2 ? minors.last().toUInt(&lastOk) : first;
        if (minors.size() == 1)
            lastOk = firstOk;
        if (!majorOk || !firstOk || !lastOk || minors.size() > 2)
            continue;
        drivers.ranges_.append({major, first, last});
    }
    drivers.known_ = !drivers.ranges_.isEmpty();
    return drivers;
}

bool TtyDrivers::isTty(dev_t device) const
{
    if (!known_)
        return true;
    const unsigned deviceMajor = major(device);
    const unsigned deviceMinor = minor(device);
    for (const Range& range : ranges_) {
        if (range.major == deviceMajor && deviceMinor >= range.firstMinor && deviceMinor <= range.lastMinor)
            return true;
    }
    return false;
}
