#pragma once

#include "gui/PageImageCache.h"

#include <QAbstractScrollArea>
#include <QSizeF>

#include <vector>

// The pages of a report one below the other, as a scrolling column of
// sheets. A page is painted when it comes into view, at the size it is shown
// at, and kept for a while (PageImageCache): opening a report of ten thousand
// pages paints the first one or two, and memory does not grow with the
// report. Keys: Page Down/Up the next/previous page (with Ctrl ten),
// Home/End the first/last; Ctrl and the wheel zoom.
class ReportPageView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    enum class Fit
    {
        None,      // the zoom chosen
        Width,     // the sheet as wide as the view
        WholePage, // the whole sheet in view
    };
    // 1.0 shows the sheet at its real size on the screen.
    static constexpr double kMinZoom = 0.1;
    static constexpr double kMaxZoom = 4.0;
    // Around and between the sheets, in logical pixels.
    static constexpr int kGap = 12;

    // `paint` paints page n at the size asked for; `paperInches` is the sheet.
    ReportPageView(int pageCount, QSizeF paperInches, PageImageCache::PaintPage paint,
                   QWidget* parent = nullptr);

    int pageCount() const { return pageCount_; }
    // The page being read: the one moved to, or the one at the top of the view.
    int currentPage() const { return current_; }
    Fit fit() const { return fit_; }
    double zoom() const { return zoom_; }
    // Where page `page` is in the viewport now, in logical pixels.
    QRect pageRect(int page) const;
    const PageImageCache& cache() const { return cache_; }

    // The fixed zoom steps of zoomIn(), zoomOut() and the dialog's list.
    static const std::vector<double>& zoomSteps();

public Q_SLOTS:
    void goToPage(int page);
    void setFit(Fit fit);
    // A fixed zoom, within kMinZoom..kMaxZoom.
    void setZoom(double zoom);
    // The next zoom step up or down; none beyond the first and the last.
    void zoomIn();
    void zoomOut();

Q_SIGNALS:
    void currentPageChanged(int page);
    void zoomChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSize pageSize() const;
    int pageStride() const { return pageSize().height() + kGap; }
    // Top of page `page`'s slot (its gap above it) in the column.
    qint64 slotTop(int page) const { return static_cast<qint64>(page - 1) * pageStride(); }
    double fittedZoom() const;
    // Zoom, scroll ranges and position after a change of zoom or size; the
    // current page keeps its place in view.
    void relayout();
    void scrollTo(qint64 y);
    int pageAtTop() const;
    void setCurrent(int page);
    // The device pixels a page of `logical` size is painted at: sharp on
    // high-density screens, but never more than kMaxPagePixels.
    QSize pixelsOf(QSize logical) const;

    int pageCount_ = 0;
    QSizeF paperInches_;
    PageImageCache cache_;
    Fit fit_ = Fit::Width;
    double zoom_ = 1.0;
    int current_ = 1;
    // The page stride the scroll bars were last laid out for.
    int laidOutStride_ = 1;
    // Set while the view moves to a page, so the position does not choose it.
    bool moving_ = false;
};
