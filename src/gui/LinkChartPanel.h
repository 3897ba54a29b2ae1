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

    // The chart on show: the current link's circuits, or the page of them
    // the current circuit is on, which is marked (an index of the chart).
    const LinkChart& chart() const { return chart_; }
    int marked() const { return marked_; }
    // Where the chart's first circuit stands in its link, and how many the link has.
    int offsetInLink() const { return offset_; }
    int linkSize() const { return linkEnd_ - linkFirst_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    class ChartArea;

    // The circuits changed: the link's bounds are found again.
    void rebuild();
    void refresh();

    CFibrologDoc& document_;
    ChartArea* area_ = nullptr;
    LinkChart chart_;
    // The current link's circuits in the cursor, kept while moving within
    // it, so a step through a link of thousands does not walk it again.
    int linkFirst_ = 0;
    int linkEnd_ = 0;
    int offset_ = 0;
    int marked_ = -1;
};
