#pragma once

#include "report/CircuitChoice.h"
#include "report/PagedReport.h"
#include "report/ReportOptions.h"

#include <QString>

#include <array>
#include <memory>
#include <vector>

class FiberCursor;
class PageNotes;
class ReportLayout;
struct CircuitRecord;

// The circuit detail report: one page per circuit of the cursor (or per
// chosen circuit), page n showing circuit n whatever the cursor's position. A page holds the header
// with logo and vendor, the identification lines, the circuit
// characteristics, the test results per wavelength, the notes and the
// signature lines.
class CircuitDetailReport : public PagedReport
{
public:
    CircuitDetailReport(const FiberCursor& cursor, const ReportOptions& options);
    CircuitDetailReport(const ChosenCircuits& circuits, const ReportOptions& options);
    ~CircuitDetailReport() override;

    int paginate(const PageMetrics& metrics) override;
    void printPage(PagePainter& painter, int page) override;

private:
    int drawIdentification(PagePainter& painter, const CircuitRecord& circuit, int page) const;
    int drawCharacteristics(PagePainter& painter, const CircuitRecord& circuit, int y,
                            std::vector<int>& rules) const;
    // Returns where the last row's text ends.
    int drawResults(PagePainter& painter, const CircuitRecord& circuit, int y, std::vector<int>& rules,
                    PageNotes& notes) const;
    // A centred section head between two rules; returns the y below it.
    int drawSectionHead(PagePainter& painter, int y, int headId, std::vector<int>& rules) const;
    // "-" without `figures` (a link with no loss result).
    QString lengthText(const CircuitRecord& circuit, bool figures) const;

    ChosenCircuits cursor_;
    ReportOptions options_;
    QString reportDate_;
    std::unique_ptr<ReportLayout> layout_;
    std::array<int, 7> captionTabs_{};
    std::array<int, 4> valueColumns_{};
    int centreX_ = 0;
};
