#pragma once

#include <QString>

class ChosenCircuits;
class PagePainter;
class ReportLayout;

// A page of the summary report with the chart of one link: the report's
// header (logo, title, link, company, page, date) above the chart. A link of
// more fibers than a page's chart can show legibly goes on as many chart
// pages as it needs.
class LinkChartPage
{
public:
    static constexpr int kFibersPerPage = 48;

    static int pagesFor(int fibers) { return (fibers + kFibersPerPage - 1) / kFibersPerPage; }

    // Chart page `part` (from 0) of the link whose circuits are first ..
    // first + count - 1 of `circuits`, printed as page `page`.
    static void print(PagePainter& painter, const ReportLayout& layout, const ChosenCircuits& circuits,
                      int first, int count, int part, int page, const QString& reportDate);
};
