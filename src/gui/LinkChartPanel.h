#pragma once

#include "report/LinkChart.h"

#include <QDockWidget>

class CFibrologDoc;

// The "Link Chart" dock: the chart of the current circuit's link, painted by
// the same LinkChartPainter as the summary report's chart pages, with the
// current circuit marked. It follows the document's signals (a file opened,
// the current circuit moved, an edit, a delete) and builds the chart only
// while it is shown. A link of more circuits than a chart page holds shows
// the page of them the current circuit is on.
class LinkChartPanel : public QDockWidget
{
    Q_OBJECT

public:
    explicit LinkChartPanel(CFibrologDoc& document, QWidget* parent = nullptr);

    const LinkChart& chart() const { return chart_; }
    // The chart's fibers on show: first and count, and the marked one (chart index).
    int firstShown() const { return first_; }
    int countShown() const { return count_; }
    int marked() const { return marked_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    class ChartArea;

    void refresh();

    CFibrologDoc& document_;
    ChartArea* area_ = nullptr;
    LinkChart chart_;
    int first_ = 0;
    int count_ = 0;
    int marked_ = -1;
};
