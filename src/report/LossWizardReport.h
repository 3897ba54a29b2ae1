#pragma once

#include "report/PagedReport.h"
#include "standards/LossSummary.h"

#include <QString>

#include <vector>

// The Loss Wizard's printout: the planned link's characteristics and the
// allowed loss at every wavelength its standard covers, in Arial one inch
// from the paper's left and top edges. Its labels are fixed English texts,
// whatever language the program runs in. The sheet is one page; a standard
// with more wavelengths than fit on it continues on further pages, each
// starting with the column heads again, so no line is lost.
class LossWizardReport : public PagedReport
{
public:
    explicit LossWizardReport(LossSummary summary);

    int paginate(const PageMetrics& metrics) override;
    void printPage(PagePainter& painter, int page) override;

    const LossSummary& summary() const { return summary_; }

private:
    enum class Style
    {
        Title,      // 24 pt bold
        Head,       // 14 pt bold italic
        Body,       // 12 pt
        ColumnHead, // 12 pt italic
    };
    struct PlacedText
    {
        int page;
        Style style;
        int x;
        int y;
        QString text;
    };

    LossSummary summary_;
    QString face_;
    std::vector<PlacedText> texts_;
    int pages_ = 0;
};
