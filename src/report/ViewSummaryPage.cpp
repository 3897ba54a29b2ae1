#include "report/ViewSummaryPage.h"

#include "app/LocaleFormat.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/FiberCursor.h"
#include "report/VerdictTexts.h"
#include "report/ViewSummaryPages.h"

#include <algorithm>

using namespace StringId;

namespace {

constexpr VerdictTexts kVerdictTexts = {
    SummaryCellNoMeasurement, SummaryCellBlank,    SummaryCellNoMeasurement, SummaryVerdictPass,
    SummaryVerdictFail,       SummaryVerdictNote1, SummaryVerdictNote2,      SummaryVerdictNote3,
};

// Names are compared by length before text, so "850nm" comes before "1300nm".
bool wavelengthBefore(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

// The page's circuits, as the Summary's pages break (see ViewSummaryPages),
// and their wavelength columns.
void takeCircuits(ViewSummaryPage& page, const FiberCursor& cursor)
{
    page.end = ViewSummaryPages::endOf(cursor, page.start);
    SummaryPageColumns columns;
    for (int i = page.start; i < page.end; ++i)
        columns.take(cursor.recordAt(i));
    page.wavelengths = columns.names();
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
    row.caption = ViewSummaryPage::rowCaption(circuit);
    for (qsizetype c = 0; c < wavelengths.size(); ++c)
        row.cells[static_cast<std::size_t>(c)] = cellText(circuit, wavelengths.at(c), mode);
    row.meterType = circuit.meterModel;
    row.temperature = temperatureText(circuit);
}

void fillCompanyBlock(ViewSummaryPage& page, const FiberCursor& cursor)
{
    if (page.rowCount() == 0)
        return;
    // Every circuit of the page is of one company; the first speaks for it,
    // as on the printed summary.
    page.companyCircuitIndex = page.start;
    const CircuitRecord& first = cursor.recordAt(page.companyCircuitIndex);
    page.company = first.companyName;
    page.telephone = first.companyPhone;
    page.meterType = first.meterModel;
    page.serialNumber = first.serialNumber;
    page.firmwareVersion = first.firmwareVersion;
    page.dateOfDownload = first.uploadDateText;
    page.temperature = temperatureText(first);
}

} // namespace

QString ViewSummaryPage::rowCaption(const CircuitRecord& circuit)
{
    return Strings::formatMessage(Strings::loadString(SummaryRowCaption),
                                  {circuit.linkId, circuit.circuitId});
}

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
