#pragma once

#include "report/PagedReport.h"
#include "report/ReportOptions.h"
#include "report/SummaryPagination.h"

#include <QString>

#include <array>
#include <memory>

class FiberCursor;
class PageNotes;
class ReportLayout;
struct CircuitRecord;

// The circuit summary report: one line per circuit, every link on pages of
// its own. For up to three wavelengths a line shows the verdict, the
// overhead and the optical loss, or the return loss where the page's first
// circuit was judged against a return-loss standard. The header shows the
// page's first circuit.
class CircuitSummaryReport : public PagedReport
{
public:
    CircuitSummaryReport(const FiberCursor& cursor, const ReportOptions& options);
    ~CircuitSummaryReport() override;

    // Paginates on the page actually printed on, so the rows always end above the footer.
    int paginate(const PageMetrics& metrics) override;
    void printPage(PagePainter& painter, int page) override;

    const SummaryPagination& pagination() const { return pagination_; }

private:
    int drawHeader(PagePainter& painter, const CircuitRecord& first, int page) const;
    int drawTableHead(PagePainter& painter, const CircuitRecord& first, int y) const;
    void drawCircuitLine(PagePainter& painter, const CircuitRecord& first, const CircuitRecord& circuit,
                         int y, PageNotes& notes) const;
    QString lastColumnText(const CircuitRecord& first, int group, const CircuitRecord& circuit,
                           int slot) const;

    const FiberCursor& cursor_;
    QString reportDate_;
    bool verdictsInColour_ = false;
    std::unique_ptr<ReportLayout> layout_;
    SummaryPagination pagination_;
    // Per wavelength group: the verdict, the overhead and the loss columns.
    std::array<int, 3> verdictColumns_{};
    std::array<int, 3> overheadColumns_{};
    std::array<int, 3> lossColumns_{};
};
