#pragma once

#include "report/CircuitChoice.h"
#include "report/PagedReport.h"
#include "report/ReportOptions.h"
#include "report/SummaryPagination.h"

#include <QString>

#include <array>
#include <memory>
#include <vector>

class FiberCursor;
class PageNotes;
class ReportLayout;
struct CircuitRecord;

// The circuit summary report: one line per circuit, every link on pages of
// its own. For up to three wavelengths a line shows the verdict, the
// overhead and the optical loss, or the return loss where the page's first
// circuit was judged against a return-loss standard. The header shows the
// page's first circuit. With link charts, each link's chart pages follow its
// summary pages.
class CircuitSummaryReport : public PagedReport
{
public:
    CircuitSummaryReport(const FiberCursor& cursor, const ReportOptions& options);
    // Only the chosen circuits: a link none of whose circuits is chosen has no page.
    CircuitSummaryReport(const ChosenCircuits& circuits, const ReportOptions& options);
    ~CircuitSummaryReport() override;

    // Before paginate(): a chart page (or more) after each link's pages.
    void setLinkCharts(bool charts) { linkCharts_ = charts; }

    // Paginates on the page actually printed on, so the rows always end above the footer.
    int paginate(const PageMetrics& metrics) override;
    void printPage(PagePainter& painter, int page) override;

    const SummaryPagination& pagination() const { return pagination_; }

private:
    // A printed page with link charts: a page of circuit lines or a chart page of one group.
    struct PageEntry
    {
        int tablePage = 0; // the pagination's page; 0 for a chart page
        int group = 0;
        int chartPart = 0;
    };

    void printTablePage(PagePainter& painter, int tablePage, int page);
    int drawHeader(PagePainter& painter, const CircuitRecord& first, int page) const;
    int drawTableHead(PagePainter& painter, const CircuitRecord& first, int y) const;
    void drawCircuitLine(PagePainter& painter, const CircuitRecord& first, const CircuitRecord& circuit,
                         int y, PageNotes& notes) const;
    QString lastColumnText(const CircuitRecord& first, int group, const CircuitRecord& circuit,
                           int slot) const;

    ChosenCircuits cursor_;
    bool linkCharts_ = false;
    std::vector<PageEntry> pages_;
    QString reportDate_;
    bool verdictsInColour_ = false;
    std::unique_ptr<ReportLayout> layout_;
    SummaryPagination pagination_;
    // Per wavelength group: the verdict, the overhead and the loss columns.
    std::array<int, 3> verdictColumns_{};
    std::array<int, 3> overheadColumns_{};
    std::array<int, 3> lossColumns_{};
};
