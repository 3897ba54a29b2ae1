#include "document/CircuitCsvExport.h"

#include "app/JobProgress.h"
#include "app/OutputFile.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/CircuitStream.h"
#include "database/Database.h"
#include "standards/VerdictCell.h"

#include <charconv>
#include <cmath>

namespace {

// Rows are gathered in a buffer and written in blocks of this size.
constexpr qsizetype kWriteBlock = 256 * 1024;

class CsvWriter
{
public:
    explicit CsvWriter(QIODevice& file) : file_(file) { buffer_.reserve(kWriteBlock + 4096); }

    void text(const QString& value)
    {
        separate();
        // A cell a spreadsheet would take for a formula is kept as text.
        const bool formula = !value.isEmpty() && QStringLiteral("=+-@\t\r").contains(value.front());
        const bool quote = value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"')) ||
                           value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'));
        if (!quote && !formula) {
            buffer_ += value.toUtf8();
            return;
        }
        if (quote)
            buffer_ += '"';
        if (formula)
            buffer_ += '\'';
        buffer_ += quote ? value.toUtf8().replace('"', "\"\"") : value.toUtf8();
        if (quote)
            buffer_ += '"';
    }

    void ascii(const char* value, std::size_t size)
    {
        separate();
        buffer_.append(value, static_cast<qsizetype>(size));
    }

    // "%.2f" of the value as a double, without the C library's locale. A
    // value that is no finite number (from a damaged file) is left empty: a
    // spreadsheet would read "inf" or "nan" as text.
    void number(float value)
    {
        if (!std::isfinite(value))
            return ascii("", 0);
        char digits[64];
        const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, static_cast<double>(value),
                                             std::chars_format::fixed, 2);
        if (ec != std::errc())
            return ascii("", 0);
        ascii(digits, static_cast<std::size_t>(end - digits));
    }

    void endRow()
    {
        buffer_ += "\r\n";
        firstInRow_ = true;
        if (buffer_.size() >= kWriteBlock)
            flush();
    }

    bool flush()
    {
        if (!buffer_.isEmpty() && file_.write(buffer_) != buffer_.size())
            failed_ = true;
        buffer_.truncate(0);
        return !failed_;
    }

    bool failed() const { return failed_; }

private:
    void separate()
    {
        if (!firstInRow_)
            buffer_ += ',';
        firstInRow_ = false;
    }

    QIODevice& file_;
    QByteArray buffer_;
    bool firstInRow_ = true;
    bool failed_ = false;
};

// Empty where no share was worked out; a share that is no finite number (a
// budget of 0 dB divides by zero) is left empty by number().
void writeMarginPercent(CsvWriter& out, const CircuitRecord& record, int slot)
{
    if (!record.hasMarginPercent(slot))
        return out.ascii("", 0);
    out.number(record.at(slot).marginPercent);
}

void writeRow(CsvWriter& out, const CircuitRecord& r, int slot, const QString& testDate)
{
    const SlotResult& s = r.at(slot);
    out.text(r.linkId);
    out.text(r.circuitId);
    out.text(testDate);
    out.text(r.companyName);
    out.text(r.serialNumber);
    out.text(r.standardName);
    out.text(r.cableTypeName);
    out.text(r.wavelengthNames[static_cast<std::size_t>(slot)]);
    // A link without a real length has no budget: those cells stay empty
    // rather than show allowances of 0 dB that nothing worked out.
    const bool budget = r.hasRealLength();
    const auto budgetFigure = [&out, budget](float value) { budget ? out.number(value) : out.ascii("", 0); };
    out.number(s.referencePower);
    out.number(s.measuredPower);
    for (float value :
         {s.fiberAllowance, s.connectorAllowance, s.spliceAllowance, s.allowedLoss, s.systemReferencePower})
        budgetFigure(value);
    out.number(s.opticalLoss);
    budgetFigure(s.overhead);
    budgetFigure(s.returnLoss);
    writeMarginPercent(out, r, slot);
    // The program's own word, never a formula: "-" stays "-".
    const QByteArray verdict = verdictCellEnglish(verdictCellFor(r, slot)).toLatin1();
    out.ascii(verdict.constData(), static_cast<std::size_t>(verdict.size()));
    out.endRow();
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

bool exportCircuitsCsv(Database& db, const StandardsCatalog& catalogue, const QString& path, QString* error,
                       JobProgress* progress, const std::function<bool(const CircuitRecord&)>& include)
{
    OutputFile file(path);
    if (!file.open(error))
        return false;
    CsvWriter out(file.device());
    const QString header = circuitCsvHeader();
    out.ascii(header.toLatin1().constData(), static_cast<std::size_t>(header.size()));
    out.endRow();
    // Most circuits of a link share one test date; it is formatted once.
    QDateTime lastDate;
    QString lastDateText;
    bool haveDate = false;
    std::int64_t circuits = 0;
    const std::int64_t total = progress ? db.countRows(QStringLiteral("Fiber")) : 0;
    const QString what = progress ? Strings::loadString(StringId::WritingCircuits) : QString();
    const bool read = CircuitStream::forEach(
        db, catalogue,
        [&](const CircuitRecord& record) {
            if (!haveDate || record.testDate != lastDate) {
                haveDate = true;
                lastDate = record.testDate;
                lastDateText = record.testDate.isValid()
                                   ? record.testDate.toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                                   : QString();
            }
            const bool wanted = !include || include(record);
            for (int slot = 0; slot < kSlotCount; ++slot) {
                if (wanted && record.isMeasured(slot))
                    writeRow(out, record, slot, lastDateText);
            }
            if (progress && ++circuits % 4096 == 0) {
                if (progress->isCancelled())
                    return false;
                progress->report(what, circuits, total);
            }
            return !out.failed();
        },
        error, [progress] { return progress && progress->isCancelled(); });
    if (progress && progress->isCancelled()) {
        *error = Strings::loadString(StringId::OperationCancelled);
        return false;
    }
    if (out.failed()) {
        *error = QStringLiteral("Cannot write %1: %2").arg(path, file.device().errorString());
        return false;
    }
    if (!read)
        return false; // the partial file goes with the OutputFile
    if (!out.flush()) {
        *error = QStringLiteral("Cannot write %1: %2").arg(path, file.device().errorString());
        return false;
    }
    return file.commit(error);
}
