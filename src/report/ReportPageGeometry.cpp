#include "report/ReportPageGeometry.h"

#include "report/PageMetrics.h"

#include <algorithm>

ReportPageGeometry::ReportPageGeometry(const PageMetrics& metrics)
{
    marginX =
        std::max(metrics.x(0.75, PageUnit::Inches), std::max(metrics.x(1, PageUnit::LeadingBandFraction),
                                                             metrics.x(1, PageUnit::TrailingBandFraction)));
    marginY =
        std::max(metrics.y(0.75, PageUnit::Inches), std::max(metrics.y(1, PageUnit::LeadingBandFraction),
                                                             metrics.y(1, PageUnit::TrailingBandFraction)));
    const int paperWidth = metrics.x(1, PageUnit::PaperFraction);
    const int paperHeight = metrics.y(1, PageUnit::PaperFraction);
    left = marginX - metrics.offsetX();
    top = marginY - metrics.offsetY();
    bottom = paperHeight - marginY - metrics.offsetY();
    width = paperWidth - 2 * marginX;
    right = left + width;
    lineStep = static_cast<int>(metrics.y(14, PageUnit::Points) * 1.15);
    ruleGap = metrics.y(1.0 / 16.0, PageUnit::Inches);
    pairColumns = {left, left + width * 2 / 10, left + width * 6 / 10, left + width * 8 / 10};
}
