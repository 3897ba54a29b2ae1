#include "report/LinkChartPage.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "report/LinkChart.h"
#include "report/LinkChartPainter.h"
#include "report/PageMetrics.h"
#include "report/PagePainter.h"
#include "report/ReportLayout.h"

#include <algorithm>

using namespace StringId;

void LinkChartPage::print(PagePainter& painter, const ReportLayout& layout, const ChosenCircuits& circuits,
                          int first, int count, int part, int page, const QString& reportDate)
{
    const int partFirst = first + part * kFibersPerPage;
    const int partCount = std::min(kFibersPerPage, first + count - partFirst);
    if (partCount <= 0)
        return;
    const LinkChart chart = LinkChart::of(circuits, partFirst, partCount);
    const ReportPageGeometry& g = layout.geometry();
    const auto& columns = g.pairColumns;
    const int step = g.lineStep;

    layout.beginPage(painter);
    layout.drawLogoAndTitle(painter, chart.serialNumber(), LinkChartTitle);
    layout.drawVendorName(painter,
                          ReportLayout::hasCrossSerial(chart.serialNumber()) ? SummaryReportVendorNameX
                                                                             : SummaryReportVendorName,
                          layout.headerBase() - step);
    int y = g.top + painter.metrics().y(1.5, PageUnit::Inches);
    painter.drawItemLine(y, columns,
                         {LineItem::string(SummaryReportLinkId), LineItem::literal(chart.linkId()),
                          LineItem::string(SummaryReportPage), LineItem::integer(page)});
    y += step;
    painter.drawItemLine(y, columns,
                         {LineItem::string(SummaryReportCompanyName), LineItem::literal(chart.companyName()),
                          LineItem::string(SummaryReportReportDate), LineItem::literal(reportDate)});
    y += step;
    if (count > kFibersPerPage) {
        painter.drawText(
            columns[0], y,
            Strings::formatMessage(Strings::loadString(LinkChartCircuitsOf),
                                   {QString::number(partFirst - first + 1),
                                    QString::number(partFirst - first + partCount), QString::number(count)}));
    }
    y += step;
    layout.drawRules(painter, {y});
    y += 2 * step;
    LinkChartPainter::paint(painter, chart, QRect(QPoint(g.left, y), QPoint(g.right, g.bottom)),
                            layout.fonts().body);
}
