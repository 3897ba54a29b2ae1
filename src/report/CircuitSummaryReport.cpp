#include "report/CircuitSummaryReport.h"
#include "report/VerdictTexts.h"

#include "app/LocaleFormat.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/FiberCursor.h"
#include "report/FontFaceLookup.h"
#include "report/LinkChartPage.h"
#include "report/PageMetrics.h"
#include "report/PageNotes.h"
#include "report/PagePainter.h"
#include "report/ReportLayout.h"
#include "report/VerdictColours.h"

using namespace StringId;

namespace {

constexpr int kGroups = 3;

constexpr VerdictTexts kVerdictTexts = {
    SummaryReportVerdictOther, SummaryReportVerdictBeyondSlots, SummaryReportVerdictNotMeasured,
    SummaryReportVerdictPass,  SummaryReportVerdictFail,        SummaryReportVerdictNote1,
    SummaryReportVerdictNote2, SummaryReportVerdictNote3,
};

// The circuit's k-th measured slot, -1 beyond them.
int groupSlot(const CircuitRecord& circuit, int group)
{
    return group < circuit.siteSlotCount ? circuit.siteSlots[static_cast<std::size_t>(group)] : -1;
}

// The page's first circuit decides whether a group's last column is return loss.
bool isReturnLossGroup(const CircuitRecord& first, int group)
{
    const int slot = groupSlot(first, group);
    return slot >= 0 && first.hasReturnLossResult(slot);
}

} // namespace

CircuitSummaryReport::CircuitSummaryReport(const FiberCursor& cursor, const ReportOptions& options)
    : CircuitSummaryReport(ChosenCircuits(cursor), options)
{
}

CircuitSummaryReport::CircuitSummaryReport(const ChosenCircuits& circuits, const ReportOptions& options)
    : cursor_(circuits), reportDate_(ShortDate(options.reportDate)),
      verdictsInColour_(options.verdictsInColour)
{
}

CircuitSummaryReport::~CircuitSummaryReport() = default;

int CircuitSummaryReport::paginate(const PageMetrics& metrics)
{
    layout_ =
        std::make_unique<ReportLayout>(metrics, FontFaceLookup::find(Strings::loadString(ReportFontFace)));
    const ReportPageGeometry& g = layout_->geometry();
    const int groupWidth = (g.right - g.pairColumns[1]) / kGroups;
    for (int k = 0; k < kGroups; ++k) {
        const int start = g.pairColumns[1] + k * groupWidth;
        verdictColumns_[static_cast<std::size_t>(k)] = start;
        overheadColumns_[static_cast<std::size_t>(k)] = start + groupWidth / 4;
        lossColumns_[static_cast<std::size_t>(k)] = start + 9 * groupWidth / 16;
    }
    pagination_.build(cursor_, SummaryPagination::rowsPerPage(g, layout_->headerBase()));
    pages_.clear();
    if (!linkCharts_)
        return pagination_.pageCount();
    const std::vector<SummaryPagination::Group>& groups = pagination_.groups();
    for (std::size_t k = 0; k < groups.size(); ++k) {
        const int end = k + 1 < groups.size() ? groups[k + 1].firstPage : pagination_.pageCount() + 1;
        for (int tablePage = groups[k].firstPage; tablePage < end; ++tablePage)
            pages_.push_back({tablePage, 0, 0});
        for (int part = 0; part < LinkChartPage::pagesFor(groups[k].size); ++part)
            pages_.push_back({0, static_cast<int>(k), part});
    }
    return static_cast<int>(pages_.size());
}

void CircuitSummaryReport::printPage(PagePainter& painter, int page)
{
    if (!linkCharts_) {
        printTablePage(painter, page, page);
        return;
    }
    if (!layout_ || page < 1 || page > static_cast<int>(pages_.size()))
        return;
    const PageEntry& entry = pages_[static_cast<std::size_t>(page - 1)];
    if (entry.tablePage > 0) {
        printTablePage(painter, entry.tablePage, page);
        return;
    }
    const SummaryPagination::Group& group = pagination_.groups().at(static_cast<std::size_t>(entry.group));
    LinkChartPage::print(painter, *layout_, cursor_, group.first, group.size, entry.chartPart, page,
                         reportDate_);
}

void CircuitSummaryReport::printTablePage(PagePainter& painter, int tablePage, int page)
{
    const SummaryPagination::PageRange range = pagination_.page(tablePage);
    if (!layout_ || range.count == 0)
        return;
    const CircuitRecord& first = cursor_.recordAt(range.first);
    const int step = layout_->geometry().lineStep;
    std::vector<int> rules;
    PageNotes notes;
    layout_->beginPage(painter);

    int y = drawHeader(painter, first, page);
    y += step / 2;
    rules.push_back(y);
    y = drawTableHead(painter, first, y);
    y += step;
    rules.push_back(y);
    y += step;
    for (int i = 0; i < range.count; ++i)
        drawCircuitLine(painter, first, cursor_.recordAt(range.first + i), y + i * step, notes);

    layout_->drawRules(painter, rules);
    layout_->drawFooter(painter, notes.line({SummaryReportNote1, SummaryReportNote2, SummaryReportNote3}));
}

int CircuitSummaryReport::drawHeader(PagePainter& painter, const CircuitRecord& first, int page) const
{
    const ReportPageGeometry& g = layout_->geometry();
    const auto& columns = g.pairColumns;
    const int step = g.lineStep;

    layout_->drawLogoAndTitle(painter, first.serialNumber, SummaryReportTitle);
    layout_->drawVendorName(painter,
                            ReportLayout::hasCrossSerial(first.serialNumber) ? SummaryReportVendorNameX
                                                                             : SummaryReportVendorName,
                            layout_->headerBase() - step);

    int y = g.top + painter.metrics().y(1.5, PageUnit::Inches);
    painter.drawItemLine(y, columns,
                         {LineItem::string(SummaryReportLinkId), LineItem::literal(first.linkId),
                          LineItem::string(SummaryReportPage), LineItem::integer(page)});
    y += step;
    painter.drawItemLine(y, columns,
                         {LineItem::string(SummaryReportCompanyName), LineItem::literal(first.companyName),
                          LineItem::string(SummaryReportReportDate), LineItem::literal(reportDate_)});
    y += step;
    painter.drawItemLine(y, columns,
                         {LineItem::string(SummaryReportTelephone), LineItem::literal(first.companyPhone)});
    return layout_->drawLinkComment(painter, y + step, first.linkComment);
}

int CircuitSummaryReport::drawTableHead(PagePainter& painter, const CircuitRecord& first, int y) const
{
    const int step = layout_->geometry().lineStep;
    y += step;
    for (int k = 0; k < kGroups; ++k) {
        const int slot = groupSlot(first, k);
        painter.drawAligned(overheadColumns_[static_cast<std::size_t>(k)], y,
                            slot >= 0 ? first.wavelengthNames[static_cast<std::size_t>(slot)]
                                      : Strings::loadString(SummaryReportHeadBlank),
                            PagePainter::ItemCentred);
    }
    y += step;
    painter.drawTextById(layout_->geometry().pairColumns[0], y, SummaryReportCircuitId);
    for (int k = 0; k < kGroups; ++k) {
        const auto column = static_cast<std::size_t>(k);
        const bool used = groupSlot(first, k) >= 0;
        painter.drawAlignedById(verdictColumns_[column], y,
                                used ? SummaryReportVerdictHead : SummaryReportHeadBlank,
                                PagePainter::ItemCentred);
        painter.drawAlignedById(overheadColumns_[column], y,
                                used ? SummaryReportOverheadHead : SummaryReportHeadBlank,
                                PagePainter::ItemCentred);
        const int lossHead = !used                         ? SummaryReportHeadBlankLoss
                             : isReturnLossGroup(first, k) ? SummaryReportOrlHead
                                                           : SummaryReportLossHead;
        painter.drawAlignedById(lossColumns_[column], y, lossHead, PagePainter::ItemDecimal);
    }
    return y;
}

void CircuitSummaryReport::drawCircuitLine(PagePainter& painter, const CircuitRecord& first,
                                           const CircuitRecord& circuit, int y, PageNotes& notes) const
{
    painter.drawText(layout_->geometry().pairColumns[0], y, circuit.circuitId);
    for (int k = 0; k < kGroups; ++k) {
        const auto column = static_cast<std::size_t>(k);
        const int slot = groupSlot(circuit, k);

        const VerdictCell verdict = verdictCellFor(circuit, slot);
        notes.mark(verdict);
        VerdictColours::drawVerdict(painter, verdictColumns_[column], y,
                                    Strings::loadString(verdictTextId(kVerdictTexts, verdict)),
                                    verdictKindOf(verdict), verdictsInColour_);

        QString overhead;
        if (slot < 0)
            overhead = Strings::loadString(SummaryReportOverheadBeyondSlots);
        else if (circuit.hasEvaluatedVerdict(slot))
            overhead = FormatLocalNumber(SummaryReportOverheadTemplate, SummaryReportOverheadFormat,
                                         circuit.at(slot).overhead);
        else
            overhead = Strings::loadString(SummaryReportOverheadNone);
        painter.drawDecimalAligned(overheadColumns_[column], y, overhead);

        painter.drawDecimalAligned(lossColumns_[column], y, lastColumnText(first, k, circuit, slot));
    }
}

QString CircuitSummaryReport::lastColumnText(const CircuitRecord& first, int group,
                                             const CircuitRecord& circuit, int slot) const
{
    if (isReturnLossGroup(first, group)) {
        if (slot >= 0 && circuit.isReturnLossOnly(slot))
            return FormatLocalNumber(SummaryReportReturnLossTemplate, SummaryReportReturnLossFormat,
                                     circuit.at(slot).returnLoss);
        if (slot >= 0 && circuit.hasReturnLossResult(slot))
            return Strings::loadString(SummaryReportOrlNotReturnLossOnly);
        return Strings::loadString(SummaryReportOrlBeyondSlots);
    }
    if (slot < 0)
        return Strings::loadString(SummaryReportLossBeyondSlots);
    // A slot this fiber was not measured in has no loss; 0.00 would pass for a perfect fiber.
    if (!circuit.isMeasured(slot))
        return Strings::loadString(SummaryReportLossNotMeasured);
    return FormatLocalNumber(SummaryReportLossTemplate, SummaryReportLossFormat,
                             circuit.at(slot).opticalLoss);
}
