#include "gui/LinkChartPanel.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "document/CFibrologDoc.h"
#include "report/CircuitChoice.h"
#include "report/LinkChartPage.h"
#include "report/LinkChartPainter.h"
#include "report/LogoSource.h"
#include "report/PageMetrics.h"
#include "report/PagePainter.h"
#include "report/SummaryPagination.h"

#include <QPainter>

// Paints the panel's chart on paper white, as on the page.
class LinkChartPanel::ChartArea : public QWidget
{
public:
    explicit ChartArea(LinkChartPanel& panel) : QWidget(&panel), panel_(panel)
    {
        setObjectName(QStringLiteral("linkChartArea"));
        setMinimumSize(320, 240);
        setAutoFillBackground(false);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setPen(Qt::black);
        const PageMetrics metrics(QSize(logicalDpiX(), logicalDpiY()), size(), QPoint(0, 0), size());
        // The chart draws no logo; the painter needs a source all the same.
        static const LogoSource noLogo{QString()};
        PagePainter pagePainter(painter, metrics, noLogo);
        const LinkChart& chart = panel_.chart();
        const int margin = fontMetrics().height();
        QRect area = rect().adjusted(margin, margin / 2, -margin, -margin / 2);
        pagePainter.selectFont(font());
        if (chart.fiberCount() == 0) {
            pagePainter.drawAlignedById(area.center().x(), area.top(), StringId::LinkChartNoLink,
                                        PagePainter::ItemCentred);
            return;
        }
        // The link and its company above the chart, as on the page.
        QString head = chart.linkId() + QStringLiteral(" \u2014 ") + chart.companyName();
        if (chart.fiberCount() < panel_.linkSize()) {
            head += QStringLiteral("   ") +
                    Strings::formatMessage(Strings::loadString(StringId::LinkChartCircuitsOf),
                                           {QString::number(panel_.offsetInLink() + 1),
                                            QString::number(panel_.offsetInLink() + chart.fiberCount()),
                                            QString::number(panel_.linkSize())});
        }
        QFont bold = font();
        bold.setBold(true);
        pagePainter.selectFont(bold);
        pagePainter.drawText(area.left(), area.top(), head);
        area.setTop(area.top() + 2 * margin);
        LinkChartPainter::paint(pagePainter, chart, area, font(), 0, -1, panel_.marked());
    }

private:
    LinkChartPanel& panel_;
};

LinkChartPanel::LinkChartPanel(CFibrologDoc& document, QWidget* parent)
    : QDockWidget(Strings::loadString(StringId::LinkChartTitle), parent), document_(document)
{
    setObjectName(QStringLiteral("linkChartPanel"));
    area_ = new ChartArea(*this);
    setWidget(area_);
    connect(&document_, &CFibrologDoc::circuitsReset, this, &LinkChartPanel::rebuild);
    connect(&document_, &CFibrologDoc::circuitsChanged, this, &LinkChartPanel::rebuild);
    connect(&document_, &CFibrologDoc::circuitRemoved, this, &LinkChartPanel::rebuild);
    connect(&document_, &CFibrologDoc::currentIndexChanged, this, &LinkChartPanel::refresh);
}

void LinkChartPanel::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    rebuild();
}

void LinkChartPanel::rebuild()
{
    linkFirst_ = linkEnd_ = 0;
    refresh();
}

void LinkChartPanel::refresh()
{
    // A hidden panel does no work; it catches up when it is shown.
    if (!isVisible())
        return;
    const FiberCursor& cursor = document_.circuits();
    chart_ = LinkChart();
    offset_ = 0;
    marked_ = -1;
    if (cursor.isEmpty()) {
        linkFirst_ = linkEnd_ = 0;
        area_->update();
        return;
    }
    const int current = std::clamp(document_.currentIndex(), 0, cursor.count() - 1);
    if (current < linkFirst_ || current >= linkEnd_) {
        // The current circuit's link: the run of circuits around it that the
        // summary report puts under one header.
        linkFirst_ = current;
        while (linkFirst_ > 0 &&
               !SummaryPagination::startsGroup(cursor.recordAt(linkFirst_ - 1), cursor.recordAt(linkFirst_)))
            --linkFirst_;
        linkEnd_ = current + 1;
        while (linkEnd_ < cursor.count() &&
               !SummaryPagination::startsGroup(cursor.recordAt(linkEnd_ - 1), cursor.recordAt(linkEnd_)))
            ++linkEnd_;
    }
    // The chart page of the link the current circuit is on, as printed.
    offset_ = (current - linkFirst_) / LinkChartPage::kFibersPerPage * LinkChartPage::kFibersPerPage;
    const int count = std::min(LinkChartPage::kFibersPerPage, linkEnd_ - linkFirst_ - offset_);
    chart_ = LinkChart::of(ChosenCircuits(cursor), linkFirst_ + offset_, count);
    marked_ = current - linkFirst_ - offset_;
    area_->update();
}
