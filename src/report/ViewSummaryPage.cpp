#include "report/ViewSummaryPage.h"

#include "app/LocaleFormat.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/FiberCursor.h"
#include "report/VerdictTexts.h"

#include <algorithm>

using namespace StringId;

namespace {

constexpr VerdictTexts kVerdictTexts = {
    SummaryCellNoMeasurement, SummaryCellBlank,    SummaryCellNoMeasurement, SummaryVerdictPass,
    SummaryVerdictFail,       SummaryVerdictNote1, SummaryVerdictNote2,      SummaryVerdictNote3,
};

// The distinct names of the circuit's measured slots that `known` lacks, in slot order.
QStringList newWavelengths(const CircuitRecord& circuit, const QStringList& known)
{
    QStringList names;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const QString& name = circuit.wavelengthNames[static_cast<std::size_t>(slot)];
        if (circuit.isMeasured(slot) && !known.contains(name) && !names.contains(name))
            names << name;
    }
    return names;
}

// Names are compared by length before text, so "850nm" comes before "1300nm".
bool wavelengthBefore(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

// The page ends after ten circuits, at the end of the list, or before the
// circuit that would need a fifth column. The first circuit always belongs to
// its page: one measured at five wavelengths shows its first four, rather
// than leaving a page that could never show it.
void takeCircuits(ViewSummaryPage& page, const FiberCursor& cursor)
{
    const int limit = std::min(page.start + ViewSummaryPage::kMaxRows, cursor.count());
    for (int i = page.start; i < limit; ++i) {
        QStringList names = newWavelengths(cursor.recordAt(i), page.wavelengths);
        const qsizetype room = ViewSummaryPage::kColumnCount - page.wavelengths.size();
        if (names.size() > room) {
            if (i > page.start)
                break;
            names = names.mid(0, room);
        }
        page.wavelengths << names;
        page.end = i + 1;
    }
    std::stable_sort(page.wavelengths.begin(), page.wavelengths.end(), wavelengthBefore);
}

// The slot of a wavelength name that holds the measurement: the first one so
// named that was measured.
int measuredSlotOf(const CircuitRecord& circuit, const QString& name)
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (circuit.wavelengthNames[static_cast<std::size_t>(slot)] == name && circuit.isMeasured(slot))
            return slot;
    }
    return -1;
}

// The overhead of a return-loss slot below zero keeps its sign inside the
// deficit's parentheses.
QString overheadText(const SlotResult& slot)
{
    if (!slot.returnLossResult)
        return FormatLocalNumber(ViewOverheadTemplate, ViewOverheadFormat, slot.overhead);
    if (slot.overhead >= 0)
        return FormatLocalNumber(ViewReturnLossTemplate, ViewReturnLossFormat, slot.overhead);
    return FormatLocalNumber(ViewReturnLossNegativeTemplate, ViewReturnLossNegativeFormat, slot.overhead);
}

QString cellText(const CircuitRecord& circuit, const QString& wavelength, SummaryMode mode)
{
    const int slot = measuredSlotOf(circuit, wavelength);
    if (slot < 0)
        return Strings::loadString(SummaryCellNoMeasurement);
    switch (mode) {
    case SummaryMode::PassFail:
        return Strings::loadString(verdictTextId(kVerdictTexts, verdictCellFor(circuit, slot)));
    case SummaryMode::SystemOverhead:
        return overheadText(circuit.at(slot));
    case SummaryMode::OpticalLoss:
        return FormatLocalNumber(ViewOverheadTemplate, ViewOverheadFormat, circuit.at(slot).opticalLoss);
    }
    return Strings::loadString(SummaryCellNoMeasurement);
}

int titleId(SummaryMode mode)
{
    switch (mode) {
    case SummaryMode::SystemOverhead:
        return SummaryTitleOverhead;
    case SummaryMode::OpticalLoss:
        return SummaryTitleOpticalLoss;
    case SummaryMode::PassFail:
        break;
    }
    return SummaryTitlePassFail;
}

QString temperatureText(const CircuitRecord& circuit)
{
    return FormatLocalNumber(TemperatureTemplate, TemperatureFormat, circuit.temperature);
}

void fillRow(ViewSummaryPage::Row& row, const FiberCursor& cursor, int index, const QStringList& wavelengths,
             SummaryMode mode)
{
    const CircuitRecord& circuit = cursor.recordAt(index);
    row.circuitIndex = index;
    row.caption =
        Strings::formatMessage(Strings::loadString(SummaryRowCaption), {circuit.linkId, circuit.circuitId});
    for (qsizetype c = 0; c < wavelengths.size(); ++c)
        row.cells[static_cast<std::size_t>(c)] = cellText(circuit, wavelengths.at(c), mode);
    row.meterType = circuit.meterModel;
    row.temperature = temperatureText(circuit);
}

void fillCompanyBlock(ViewSummaryPage& page, const FiberCursor& cursor)
{
    if (page.rowCount() == 0)
        return;
    page.companyCircuitIndex = page.end - 1;
    const CircuitRecord& last = cursor.recordAt(page.companyCircuitIndex);
    page.company = last.companyName;
    page.telephone = last.companyPhone;
    page.meterType = last.meterModel;
    page.serialNumber = last.serialNumber;
    page.firmwareVersion = last.firmwareVersion;
    page.dateOfDownload = last.uploadDateText;
    page.temperature = temperatureText(last);
}

} // namespace

ViewSummaryPage ViewSummaryPage::of(const FiberCursor& cursor, int start, SummaryMode mode)
{
    ViewSummaryPage page;
    page.start = start;
    page.end = start;
    page.title = Strings::loadString(titleId(mode));
    page.heads.fill(Strings::loadString(SummaryHeadBlank));
    for (Row& row : page.rows)
        row.cells.fill(Strings::loadString(SummaryCellBlank));
    if (start < 0 || start >= cursor.count())
        return page;

    takeCircuits(page, cursor);
    for (qsizetype c = 0; c < page.wavelengths.size(); ++c)
        page.heads[static_cast<std::size_t>(c)] = page.wavelengths.at(c);
    for (int i = page.start; i < page.end; ++i)
        fillRow(page.rows[static_cast<std::size_t>(i - page.start)], cursor, i, page.wavelengths, mode);
    fillCompanyBlock(page, cursor);
    return page;
}
