#include "gui/ReportPageView.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// Enough for a screenful of pages at any zoom and the few read before them;
// the pages on the screen stay even beyond it.
constexpr qint64 kCacheBytes = 64LL * 1024 * 1024;
// A page of a zoomed-in sheet on a high-density screen would take hundreds of
// megabytes; beyond this it is painted smaller and drawn enlarged.
constexpr qint64 kMaxPagePixels = 16LL * 1024 * 1024;

int clampToInt(qint64 value)
{
    return static_cast<int>(std::clamp<qint64>(value, 0, std::numeric_limits<int>::max()));
}

} // namespace

ReportPageView::ReportPageView(int pageCount, QSizeF paperInches, PageImageCache::PaintPage paint,
                               QWidget* parent)
    : QAbstractScrollArea(parent), pageCount_(std::max(0, pageCount)), paperInches_(paperInches),
      cache_(std::move(paint), kCacheBytes)
{
    // Always there, so fitting the width never makes room for it and fits again.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Dark);
    relayout();
}

const std::vector<double>& ReportPageView::zoomSteps()
{
    static const std::vector<double> steps{0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
    return steps;
}

QSize ReportPageView::pageSize() const
{
    return QSize(std::max(1, static_cast<int>(std::lround(paperInches_.width() * logicalDpiX() * zoom_))),
                 std::max(1, static_cast<int>(std::lround(paperInches_.height() * logicalDpiY() * zoom_))));
}

QRect ReportPageView::pageRect(int page) const
{
    const QSize size = pageSize();
    const int contentWidth = size.width() + 2 * kGap;
    const int x = contentWidth <= viewport()->width() ? (viewport()->width() - size.width()) / 2
                                                      : kGap - horizontalScrollBar()->value();
    const qint64 y = slotTop(page) + kGap - verticalScrollBar()->value();
    return QRect(QPoint(x, static_cast<int>(std::clamp<qint64>(y, std::numeric_limits<int>::min() / 2,
                                                               std::numeric_limits<int>::max() / 2))),
                 size);
}

double ReportPageView::fittedZoom() const
{
    const double realWidth = paperInches_.width() * logicalDpiX();
    const double realHeight = paperInches_.height() * logicalDpiY();
    if (realWidth <= 0 || realHeight <= 0)
        return 1.0;
    double zoom = (viewport()->width() - 2 * kGap) / realWidth;
    if (fit_ == Fit::WholePage)
        zoom = std::min(zoom, (viewport()->height() - 2 * kGap) / realHeight);
    return std::clamp(zoom, kMinZoom, kMaxZoom);
}

void ReportPageView::relayout()
{
    // Where the view is within the current page, as the last layout had it.
    const double within = static_cast<double>(verticalScrollBar()->value() -
                                              static_cast<qint64>(current_ - 1) * laidOutStride_) /
                          laidOutStride_;
    // New ranges may move the bars; the current page stays what it was.
    const bool wasMoving = std::exchange(moving_, true);
    if (fit_ != Fit::None)
        zoom_ = fittedZoom();
    const QSize size = pageSize();
    const QSize view = viewport()->size();
    const qint64 contentHeight = static_cast<qint64>(pageCount_) * pageStride() + kGap;
    verticalScrollBar()->setRange(0, clampToInt(contentHeight - view.height()));
    verticalScrollBar()->setPageStep(std::max(1, view.height()));
    verticalScrollBar()->setSingleStep(std::max(20, size.height() / 20));
    horizontalScrollBar()->setRange(0, std::max(0, size.width() + 2 * kGap - view.width()));
    horizontalScrollBar()->setPageStep(std::max(1, view.width()));
    horizontalScrollBar()->setSingleStep(std::max(20, size.width() / 20));
    laidOutStride_ = pageStride();
    verticalScrollBar()->setValue(clampToInt(slotTop(current_) + std::lround(within * laidOutStride_)));
    moving_ = wasMoving;
    viewport()->update();
}

void ReportPageView::scrollTo(qint64 y)
{
    moving_ = true;
    verticalScrollBar()->setValue(clampToInt(y));
    moving_ = false;
}

int ReportPageView::pageAtTop() const
{
    const QSize size = pageSize();
    const qint64 y =
        verticalScrollBar()->value() + kGap + std::min(viewport()->height() / 4, size.height() / 2);
    return static_cast<int>(std::clamp<qint64>(y / pageStride() + 1, 1, std::max(1, pageCount_)));
}

void ReportPageView::setCurrent(int page)
{
    if (page == current_)
        return;
    current_ = page;
    Q_EMIT currentPageChanged(page);
}

void ReportPageView::goToPage(int page)
{
    if (pageCount_ < 1)
        return;
    page = std::clamp(page, 1, pageCount_);
    scrollTo(slotTop(page));
    setCurrent(page);
}

void ReportPageView::setFit(Fit fit)
{
    fit_ = fit;
    relayout();
    Q_EMIT zoomChanged();
}

void ReportPageView::setZoom(double zoom)
{
    fit_ = Fit::None;
    zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
    relayout();
    Q_EMIT zoomChanged();
}

void ReportPageView::zoomIn()
{
    const auto& steps = zoomSteps();
    const auto next =
        std::find_if(steps.begin(), steps.end(), [this](double step) { return step > zoom_ * 1.001; });
    if (next != steps.end())
        setZoom(*next);
}

void ReportPageView::zoomOut()
{
    const auto& steps = zoomSteps();
    const auto next =
        std::find_if(steps.rbegin(), steps.rend(), [this](double step) { return step < zoom_ * 0.999; });
    if (next != steps.rend())
        setZoom(*next);
}

QSize ReportPageView::pixelsOf(QSize logical) const
{
    const double ratio = devicePixelRatioF();
    double width = logical.width() * ratio;
    double height = logical.height() * ratio;
    if (width * height > kMaxPagePixels) {
        const double shrink = std::sqrt(kMaxPagePixels / (width * height));
        width *= shrink;
        height *= shrink;
    }
    return QSize(std::max(1, static_cast<int>(width)), std::max(1, static_cast<int>(height)));
}

void ReportPageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    if (pageCount_ < 1)
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setPen(palette().color(QPalette::Shadow));
    const QSize pixels = pixelsOf(pageSize());
    cache_.beginPass();
    const qint64 top = verticalScrollBar()->value();
    const int first = static_cast<int>(std::clamp<qint64>(top / pageStride() + 1, 1, pageCount_));
    const int last =
        static_cast<int>(std::clamp<qint64>((top + viewport()->height()) / pageStride() + 1, 1, pageCount_));
    for (int page = first; page <= last; ++page) {
        const QRect sheet = pageRect(page);
        if (!sheet.adjusted(-1, -1, 1, 1).intersects(event->rect()))
            continue;
        painter.drawImage(sheet, cache_.page(page, pixels));
        painter.drawRect(sheet.adjusted(-1, -1, 0, 0));
    }
}

void ReportPageView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    relayout();
}

void ReportPageView::keyPressEvent(QKeyEvent* event)
{
    const int steps = event->modifiers() & Qt::ControlModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_PageDown:
        goToPage(current_ + steps);
        break;
    case Qt::Key_PageUp:
        goToPage(current_ - steps);
        break;
    case Qt::Key_Home:
        goToPage(1);
        break;
    case Qt::Key_End:
        goToPage(pageCount_);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ReportPageView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    if (event->angleDelta().y() > 0)
        zoomIn();
    else if (event->angleDelta().y() < 0)
        zoomOut();
    event->accept();
}

void ReportPageView::scrollContentsBy(int, int)
{
    viewport()->update();
    if (!moving_)
        setCurrent(pageAtTop());
}
