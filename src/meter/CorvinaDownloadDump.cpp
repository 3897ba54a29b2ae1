#include "meter/CorvinaDownloadDump.h"

#include "meter/CorvinaDownload.h"

#include <QTextStream>

namespace {

QString number(float value)
{
    return QString::asprintf("%.2f", static_cast<double>(value));
}

QString quoted(const QString& text)
{
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

const char* problemName(CorvinaDownload::Problem problem)
{
    switch (problem) {
    case CorvinaDownload::Problem::None:
        return "none";
    case CorvinaDownload::Problem::HeaderUnreadable:
        return "header unreadable";
    case CorvinaDownload::Problem::CalibrationDateUnreadable:
        return "calibration date unreadable";
    }
    return "?";
}

} // namespace

QString dumpCorvinaDownload(const CorvinaDownload& d)
{
    QString text;
    QTextStream out(&text);
    out << "problem " << problemName(d.problem) << '\n';
    if (d.hasHeader) {
        out << "header serial " << quoted(d.serialNumber) << " version " << quoted(d.versionText)
            << " calibration " << quoted(d.calibrationText) << '\n';
    } else {
        out << "no header\n";
    }
    out << "meter serial " << d.meterSerial().value_or(QStringLiteral("none")) << " version "
        << d.meterVersion().value_or(QStringLiteral("none")) << " calibrated "
        << (d.calibrationDate.isValid() ? d.calibrationDate.toString(Qt::ISODate) : QStringLiteral("now"))
        << '\n';
    for (const CorvinaSlot& slot : d.slots) {
        out << "slot " << slot.wavelengthNm << "nm reference " << number(slot.reference) << " readings";
        for (float reading : slot.readings)
            out << ' ' << number(reading);
        out << '\n';
    }
    out << "fibers " << d.fiberCount() << '\n';
    out << "left out beyond three wavelengths " << d.readingsBeyondThreeWavelengths << '\n';
    out << "left out not readable " << d.readingsNotReadable << '\n';
    // Shown only where there are some, so the older samples dump as they did.
    if (d.readingsImplausible > 0)
        out << "left out implausible " << d.readingsImplausible << '\n';
    out << "ended at wavelength "
        << (d.outOfRangeWavelength ? QString::number(*d.outOfRangeWavelength) : QStringLiteral("none"))
        << '\n';
    out << "unread data after readings " << (d.unreadDataAfterReadings ? "yes" : "no") << '\n';
    out.flush();
    return text;
}
