#include "gui/ReportPreviewDialog.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "gui/ReportPageView.h"
#include "report/LogoSource.h"
#include "report/PagedReport.h"
#include "report/ReportPageImage.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace StringId;

namespace {

// The zoom list: the two fits first, then the steps.
constexpr int kFitWidthItem = 0;
constexpr int kWholePageItem = 1;
constexpr int kFirstStepItem = 2;

// "Next Page (PgDown)": the name, and the key that does the same in the page view.
QString withKey(int textId, QKeySequence key)
{
    return QStringLiteral("%1 (%2)").arg(Strings::loadString(textId), key.toString(QKeySequence::NativeText));
}

} // namespace

ReportPreviewDialog::ReportPreviewDialog(PagedReport& report, const PageMetrics& metrics,
                                         const QString& logoPath, QWidget* parent)
    : QDialog(parent), report_(report), metrics_(metrics), logos_(std::make_unique<LogoSource>(logoPath))
{
    setObjectName(QStringLiteral("reportPreview"));
    setWindowTitle(Strings::loadString(PreviewTitle));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    const int pageCount = std::max(0, report_.paginate(metrics_));
    const QSizeF paper(metrics_.dpiX() > 0 ? static_cast<double>(metrics_.paperWidth()) / metrics_.dpiX() : 0,
                       metrics_.dpiY() > 0 ? static_cast<double>(metrics_.paperHeight()) / metrics_.dpiY()
                                           : 0);
    view_ = new ReportPageView(
        pageCount, paper,
        [this](int page, QImage& image) { ReportPageImage::paint(image, report_, page, metrics_, *logos_); },
        this);
    view_->setObjectName(QStringLiteral("previewPages"));
    view_->setAccessibleName(Strings::loadString(PreviewTitle));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildBar(pageCount));
    layout->addWidget(view_, 1);

    auto* zoomIn = new QAction(this);
    zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(QStringLiteral("Ctrl+="))});
    connect(zoomIn, &QAction::triggered, view_, &ReportPageView::zoomIn);
    auto* zoomOut = new QAction(this);
    zoomOut->setShortcuts(QKeySequence::ZoomOut);
    connect(zoomOut, &QAction::triggered, view_, &ReportPageView::zoomOut);
    addActions({zoomIn, zoomOut});

    connect(view_, &ReportPageView::currentPageChanged, this, &ReportPreviewDialog::showPage);
    connect(view_, &ReportPageView::zoomChanged, this, &ReportPreviewDialog::showZoom);
    showPage(view_->currentPage());
    showZoom();

    // As large as the window it previews, within the screen.
    QSize size = parent ? parent->window()->size() : QSize(800, 900);
    if (const QScreen* screen = parent ? parent->screen() : nullptr)
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size.expandedTo(QSize(480, 360)));
    // Keys page through the report from the start.
    setFocusProxy(view_);
    view_->setFocus();
}

ReportPreviewDialog::~ReportPreviewDialog()
{
    // The painted pages go back to the system, not only to the heap, where
    // they would stay with the process after the preview.
    delete view_;
    view_ = nullptr;
    logos_.reset();
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

QWidget* ReportPreviewDialog::buildBar(int pageCount)
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);

    auto* print = new QPushButton(Strings::loadString(PreviewPrint), bar);
    print->setObjectName(QStringLiteral("previewPrint"));
    print->setShortcut(QKeySequence::Print);
    print->setAutoDefault(false);
    connect(print, &QPushButton::clicked, this, [this] {
        printChosen_ = true;
        accept();
    });
    auto* close = new QPushButton(Strings::loadString(PreviewClose), bar);
    close->setObjectName(QStringLiteral("previewClose"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    previous_ = new QToolButton(bar);
    previous_->setObjectName(QStringLiteral("previewPrevious"));
    previous_->setArrowType(Qt::LeftArrow);
    previous_->setToolTip(withKey(PreviewPreviousPage, QKeySequence(Qt::Key_PageUp)));
    previous_->setAccessibleName(Strings::loadString(PreviewPreviousPage));
    connect(previous_, &QToolButton::clicked, this, [this] { view_->goToPage(view_->currentPage() - 1); });
    next_ = new QToolButton(bar);
    next_->setObjectName(QStringLiteral("previewNext"));
    next_->setArrowType(Qt::RightArrow);
    next_->setToolTip(withKey(PreviewNextPage, QKeySequence(Qt::Key_PageDown)));
    next_->setAccessibleName(Strings::loadString(PreviewNextPage));
    connect(next_, &QToolButton::clicked, this, [this] { view_->goToPage(view_->currentPage() + 1); });

    auto* pageLabel = new QLabel(Strings::loadString(PreviewPage), bar);
    pageBox_ = new QSpinBox(bar);
    pageBox_->setObjectName(QStringLiteral("previewPage"));
    pageBox_->setRange(std::min(1, pageCount), pageCount);
    pageBox_->setEnabled(pageCount > 1);
    // The page is gone to on Return (or when the box loses focus), not at each digit typed.
    pageBox_->setKeyboardTracking(false);
    pageBox_->setAccelerated(true);
    pageLabel->setBuddy(pageBox_);
    connect(pageBox_, &QSpinBox::valueChanged, view_, &ReportPageView::goToPage);
    auto* pageCountLabel = new QLabel(
        Strings::formatMessage(Strings::loadString(PreviewPageCount), {QLocale().toString(pageCount)}), bar);
    pageCountLabel->setObjectName(QStringLiteral("previewPageCount"));

    auto* zoomLabel = new QLabel(Strings::loadString(PreviewZoom), bar);
    zoomBox_ = new QComboBox(bar);
    zoomBox_->setObjectName(QStringLiteral("previewZoom"));
    zoomBox_->addItem(Strings::loadString(PreviewFitWidth));
    zoomBox_->addItem(Strings::loadString(PreviewWholePage));
    for (const double step : ReportPageView::zoomSteps())
        zoomBox_->addItem(QLocale().toString(static_cast<int>(std::lround(step * 100))) +
                          QLocale().percent());
    zoomLabel->setBuddy(zoomBox_);
    connect(zoomBox_, &QComboBox::activated, this, &ReportPreviewDialog::chooseZoom);

    row->addWidget(print);
    row->addWidget(close);
    row->addSpacing(fontMetrics().averageCharWidth() * 3);
    row->addWidget(previous_);
    row->addWidget(pageLabel);
    row->addWidget(pageBox_);
    row->addWidget(pageCountLabel);
    row->addWidget(next_);
    row->addSpacing(fontMetrics().averageCharWidth() * 3);
    row->addWidget(zoomLabel);
    row->addWidget(zoomBox_);
    row->addStretch(1);
    return bar;
}

void ReportPreviewDialog::showPage(int page)
{
    const QSignalBlocker quiet(pageBox_);
    pageBox_->setValue(page);
    previous_->setEnabled(page > 1);
    next_->setEnabled(page < view_->pageCount());
}

void ReportPreviewDialog::showZoom()
{
    int item = kFitWidthItem;
    if (view_->fit() == ReportPageView::Fit::WholePage) {
        item = kWholePageItem;
    } else if (view_->fit() == ReportPageView::Fit::None) {
        const auto& steps = ReportPageView::zoomSteps();
        const auto step = std::find_if(steps.begin(), steps.end(),
                                       [this](double zoom) { return std::abs(zoom - view_->zoom()) < 1e-6; });
        item = step == steps.end() ? -1 : kFirstStepItem + static_cast<int>(step - steps.begin());
    }
    zoomBox_->setCurrentIndex(item);
}

void ReportPreviewDialog::chooseZoom(int index)
{
    if (index == kFitWidthItem)
        view_->setFit(ReportPageView::Fit::Width);
    else if (index == kWholePageItem)
        view_->setFit(ReportPageView::Fit::WholePage);
    else if (index >= kFirstStepItem)
        view_->setZoom(ReportPageView::zoomSteps().at(static_cast<std::size_t>(index - kFirstStepItem)));
}
