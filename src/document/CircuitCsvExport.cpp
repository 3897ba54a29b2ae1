#include "document/CircuitCsvExport.h"

#include "database/FiberCursor.h"
#include "standards/VerdictCell.h"

#include <QSaveFile>
#include <QTextStream>

#include <cmath>

namespace {

QString field(const QString& text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString number(float value)
{
    return QString::asprintf("%.2f", static_cast<double>(value));
}

QString marginPercent(const CircuitRecord& record, int slot)
{
    if (!record.hasMarginPercent(slot))
        return QString();
    const float p = record.at(slot).marginPercent;
    if (std::isnan(p))
        return QStringLiteral("nan");
    if (std::isinf(p))
        return p > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
    return number(p);
}

QString row(const CircuitRecord& r, int slot)
{
    const SlotResult& s = r.at(slot);
    const QStringList fields = {
        field(r.linkId),
        field(r.circuitId),
        r.testDate.isValid() ? r.testDate.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString(),
        field(r.companyName),
        field(r.serialNumber),
        field(r.standardName),
        field(r.cableTypeName),
        field(r.wavelengthNames[static_cast<std::size_t>(slot)]),
        number(s.referencePower),
        number(s.measuredPower),
        number(s.fiberAllowance),
        number(s.connectorAllowance),
        number(s.spliceAllowance),
        number(s.allowedLoss),
        number(s.systemReferencePower),
        number(s.opticalLoss),
        number(s.overhead),
        number(s.returnLoss),
        marginPercent(r, slot),
        verdictCellEnglish(verdictCellFor(r, slot)),
    };
    return fields.join(QLatin1Char(','));
}

} // namespace

QString circuitCsvHeader()
{
    return QStringLiteral(
        "link_id,circuit_id,test_date,company,serial_number,standard,cable_type,wavelength,"
        "reference_dbm,measured_dbm,fiber_allowance_db,connector_allowance_db,splice_allowance_db,"
        "allowed_loss_db,system_reference_dbm,optical_loss_db,overhead_db,return_loss_db,"
        "margin_percent,verdict");
}

bool exportCircuitsCsv(const FiberCursor& cursor, const QString& path, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    QTextStream out(&file);
    out.setEncoding(QStringConverter::Utf8);
    out << circuitCsvHeader() << "\r\n";
    for (int i = 0; i < cursor.count(); ++i) {
        const CircuitRecord& record = cursor.recordAt(i);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            if (record.isMeasured(slot))
                out << row(record, slot) << "\r\n";
        }
    }
    out.flush();
    if (out.status() != QTextStream::Ok || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}
