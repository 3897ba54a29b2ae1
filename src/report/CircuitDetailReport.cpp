#include "report/CircuitDetailReport.h"

#include "app/LocaleFormat.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/FiberCursor.h"
#include "report/CircuitResultRows.h"
#include "report/FontFaceLookup.h"
#include "report/PageNotes.h"
#include "report/PagePainter.h"
#include "report/ReportLayout.h"
#include "report/VerdictColours.h"
#include "standards/PlausibleValues.h"

using namespace StringId;

namespace {

// The slot shown in column k: the site's k-th measured slot, -1 beyond them.
int columnSlot(const CircuitRecord& circuit, int column)
{
    return column < circuit.siteSlotCount ? circuit.siteSlots[static_cast<std::size_t>(column)] : -1;
}

// A link without any loss result (only return loss, or only manual
// references) has no meaningful length, temperature or link makeup.
bool showsLinkFigures(const CircuitRecord& circuit)
{
    if (circuit.isReturnLossCircuit())
        return false;
    for (int column = 0; column < circuit.siteSlotCount; ++column) {
        if (circuit.hasLossResult(columnSlot(circuit, column)))
            return true;
    }
    return false;
}

} // namespace

CircuitDetailReport::CircuitDetailReport(const FiberCursor& cursor, const ReportOptions& options)
    : CircuitDetailReport(ChosenCircuits(cursor), options)
{
}

CircuitDetailReport::CircuitDetailReport(const ChosenCircuits& circuits, const ReportOptions& options)
    : cursor_(circuits), options_(options), reportDate_(ShortDate(options.reportDate))
{
}

CircuitDetailReport::~CircuitDetailReport() = default;

int CircuitDetailReport::paginate(const PageMetrics& metrics)
{
    layout_ =
        std::make_unique<ReportLayout>(metrics, FontFaceLookup::find(Strings::loadString(ReportFontFace)));
    const ReportPageGeometry& g = layout_->geometry();
    captionTabs_ = {g.left,         g.left + g.width / 32, g.left + g.width / 16, g.atWidth(0.6),
                    g.atWidth(0.7), g.atWidth(0.8),        g.atWidth(0.9)};
    valueColumns_ = {g.atWidth(0.65), g.atWidth(0.75), g.atWidth(0.85), g.atWidth(0.95)};
    centreX_ = metrics.centreX();
    return cursor_.count();
}

void CircuitDetailReport::printPage(PagePainter& painter, int page)
{
    if (!layout_ || page < 1 || page > cursor_.count())
        return;
    const CircuitRecord& circuit = cursor_.recordAt(page - 1);
    std::vector<int> rules;
    PageNotes notes;
    layout_->beginPage(painter);

    int y = drawIdentification(painter, circuit, page);
    y = drawCharacteristics(painter, circuit, y, rules);
    const int resultsEnd = drawResults(painter, circuit, y, rules, notes);

    layout_->drawRules(painter, rules);
    layout_->drawFooter(painter, notes.line({DetailNote1, DetailNote2, DetailNote3}));
    if (notes.invalidMargin()) {
        // Its place is the line above the notes; on a page too short for that
        // (Letter paper) it would print over the last result row, so it goes
        // to the free line between the notes and the signatures instead.
        int noteY = layout_->footerLineY(painter, 4);
        if (noteY < resultsEnd)
            noteY = layout_->footerLineY(painter, 2);
        painter.drawTextById(layout_->geometry().pairColumns[0], noteY, DetailInvalidMarginNote);
    } else if (!circuit.hasRealLength()) {
        // Takes the margin note's place, which this page cannot need: without
        // a real length no margin was worked out.
        int noteY = layout_->footerLineY(painter, 4);
        if (noteY < resultsEnd)
            noteY = layout_->footerLineY(painter, 2);
        painter.drawText(layout_->geometry().pairColumns[0], noteY,
                         Strings::formatMessage(Strings::loadString(DetailNoRealLengthNote),
                                                {QString::number(PlausibleValues::kMaxLinkLengthKm)}));
    }
}

int CircuitDetailReport::drawIdentification(PagePainter& painter, const CircuitRecord& circuit,
                                            int page) const
{
    const ReportPageGeometry& g = layout_->geometry();
    const auto& columns = g.pairColumns;
    const int step = g.lineStep;
    const int base = layout_->headerBase();
    const bool cross = ReportLayout::hasCrossSerial(circuit.serialNumber);

    layout_->drawLogoAndTitle(painter, circuit.serialNumber, DetailTitle);
    // The address band of one body line stays above the base even when empty.
    const int addressY = base - step - painter.textHeight(Strings::loadString(DetailVendorAddress));
    if (cross)
        painter.drawTextById(layout_->titleX(), addressY, DetailVendorAddress);
    layout_->drawVendorName(painter, cross ? DetailVendorNameX : DetailVendorName, addressY);

    int y = base;
    painter.drawItemLine(y, columns,
                         {LineItem::string(DetailLinkId), LineItem::literal(circuit.linkId),
                          LineItem::string(DetailPage), LineItem::integer(page)});
    y += step;
    painter.drawItemLine(y, columns,
                         {LineItem::string(DetailCompanyName), LineItem::literal(circuit.companyName),
                          LineItem::string(DetailMeterType), LineItem::literal(circuit.meterModel)});
    y += step;
    painter.drawItemLine(y, columns,
                         {LineItem::string(DetailTelephone), LineItem::literal(circuit.companyPhone),
                          LineItem::string(DetailSerialNumber), LineItem::literal(circuit.serialNumber)});
    y += step;
    painter.drawItemLine(y, columns,
                         {LineItem::empty(), LineItem::empty(), LineItem::string(DetailSoftwareVersion),
                          LineItem::literal(circuit.firmwareVersion)});
    y += step;
    painter.drawItemLine(y, columns, {LineItem::string(DetailReportDate), LineItem::literal(reportDate_)});
    y += step;
    return y;
}

int CircuitDetailReport::drawCharacteristics(PagePainter& painter, const CircuitRecord& circuit, int y,
                                             std::vector<int>& rules) const
{
    const ReportPageGeometry& g = layout_->geometry();
    const auto& columns = g.pairColumns;
    const int step = g.lineStep;
    const bool figures = showsLinkFigures(circuit);

    y += step;
    rules.push_back(y);
    y += step;
    painter.drawItemLine(y, columns,
                         {LineItem::string(DetailCircuitId), LineItem::literal(circuit.circuitId),
                          LineItem::string(DetailDateOfTest), LineItem::literal(circuit.testDateText)});
    y += step;
    painter.drawItemLine(
        y, columns,
        {LineItem::string(DetailCalibrationDate), LineItem::literal(circuit.calibrationDateText),
         LineItem::string(DetailTemperature),
         LineItem::literal(
             figures ? FormatLocalNumber(TemperatureTemplate, TemperatureFormat, circuit.temperature)
                     : Strings::loadString(TemperatureNone))});
    y = layout_->drawLinkComment(painter, y + step, circuit.linkComment);

    y = drawSectionHead(painter, y, DetailCircuitCharacteristics, rules);
    const struct
    {
        int labelId;
        QString value;
    } characteristics[] = {
        {options_.lengthInKilometers ? DetailLengthKilometers : DetailLengthFeet,
         lengthText(circuit, figures)},
        {DetailConnectorPairs, figures ? FormatLocalNumber(ViewConnectorPairsTemplate,
                                                           ViewConnectorPairsFormat, circuit.connectorPairs)
                                       : Strings::loadString(ViewConnectorPairsNone)},
        {DetailSplices, figures ? FormatLocalNumber(ViewSplicesTemplate, ViewSplicesFormat, circuit.splices)
                                : Strings::loadString(ViewSplicesNone)},
        {DetailCableType,
         circuit.isReturnLossCircuit() ? Strings::loadString(ViewCableTypeNone) : circuit.cableTypeName},
        {DetailStandard, circuit.standardNumber == kUserDefinedStandardNumber
                             ? Strings::loadString(UserDefinedLinkBudget)
                             : circuit.standardName},
    };
    for (const auto& line : characteristics) {
        y += step;
        painter.drawItemLine(
            y, columns, {LineItem::string(line.labelId), LineItem::empty(), LineItem::literal(line.value)});
    }
    return y;
}

int CircuitDetailReport::drawResults(PagePainter& painter, const CircuitRecord& circuit, int y,
                                     std::vector<int>& rules, PageNotes& notes) const
{
    const int step = layout_->geometry().lineStep;
    y = drawSectionHead(painter, y + step / 2, DetailCircuitTestResults, rules);

    y += step;
    for (int column = 0; column < 4; ++column) {
        const int slot = columnSlot(circuit, column);
        painter.drawDecimalAligned(valueColumns_[static_cast<std::size_t>(column)], y,
                                   slot >= 0 ? circuit.wavelengthNames[static_cast<std::size_t>(slot)]
                                             : Strings::loadString(ViewWavelengthHeadBlank));
    }
    y += step;
    painter.drawTabbedText(captionTabs_[0], y, Strings::loadString(DetailResultsCaption), captionTabs_, 0);

    y += step;
    for (const ResultRow& row : CircuitResultRows::rowsOf(circuit, ResultTable::Printed)) {
        painter.drawTabbedText(captionTabs_[0], y, Strings::loadString(row.captionId), captionTabs_, 0);
        for (std::size_t column = 0; column < row.cells.size(); ++column) {
            const ResultCell& cell = row.cells[column];
            // A note or a margin above the budget shown here is explained at the foot of the page.
            notes.mark(cell.verdict);
            if (cell.invalidMargin)
                notes.markInvalidMargin();
            VerdictColours::drawVerdict(painter, valueColumns_[column], y, cell.text, cell.kind,
                                        options_.verdictsInColour);
        }
        y += step;
    }
    // The bottom of the last row's text.
    return y - step + painter.textHeight(Strings::loadString(DetailRowPassFail));
}

int CircuitDetailReport::drawSectionHead(PagePainter& painter, int y, int headId,
                                         std::vector<int>& rules) const
{
    const ReportPageGeometry& g = layout_->geometry();
    const int step = g.lineStep;
    y += step / 2;
    rules.push_back(y);
    y += g.ruleGap / 2 + step / 2;
    painter.selectFont(layout_->fonts().section);
    const QString head = Strings::loadString(headId);
    painter.drawAligned(centreX_, y, head, PagePainter::ItemCentred);
    y += painter.textHeight(head);
    painter.selectFont(layout_->fonts().body);
    y -= step / 4;
    rules.push_back(y);
    return y;
}

QString CircuitDetailReport::lengthText(const CircuitRecord& circuit, bool figures) const
{
    if (!circuit.hasRealLength())
        return Strings::loadString(LengthNotReal);
    if (!figures)
        return Strings::loadString(ViewLengthNone);
    if (options_.lengthInKilometers)
        return FormatLocalNumber(ViewLengthKmTemplate, ViewLengthKmFormat, circuit.lengthKm);
    return FormatLocalNumber(ViewLengthFeetTemplate, ViewLengthFeetFormat,
                             kilometresToFeet(circuit.lengthKm));
}
