#include "report/ViewSummaryPage.h"

#include "app/LocaleFormat.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/FiberCursor.h"
#include "report/CircuitResultRows.h"
#include "report/ViewSummaryPages.h"

#include <algorithm>

using namespace StringId;

namespace {

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

// The cell of a wavelength name: that of the first slot so named that was
// measured (the measured wavelengths come in slot order).
ResultCell resultCell(const std::vector<WavelengthResult>& measured, const QString& wavelength,
                      SummaryMode mode)
{
    const auto found =
        std::find_if(measured.begin(), measured.end(),
                     [&wavelength](const WavelengthResult& w) { return w.wavelength == wavelength; });
    if (found == measured.end()) {
        ResultCell none;
        none.text = Strings::loadString(SummaryCellNoMeasurement);
        return none;
    }
    switch (mode) {
    case SummaryMode::PassFail:
        break;
    case SummaryMode::SystemOverhead:
        return found->overhead;
    case SummaryMode::OpticalLoss:
        return found->opticalLoss;
    }
    return found->verdict;
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
    const std::vector<WavelengthResult> measured = CircuitResultRows::wavelengthsOf(circuit);
    for (qsizetype c = 0; c < wavelengths.size(); ++c) {
        ResultCell cell = resultCell(measured, wavelengths.at(c), mode);
        row.cells[static_cast<std::size_t>(c)] = std::move(cell.text);
        row.verdicts[static_cast<std::size_t>(c)] = cell.kind;
    }
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
