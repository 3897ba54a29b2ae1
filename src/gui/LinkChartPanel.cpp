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
        if (panel_.countShown() < chart.fiberCount()) {
            head += QStringLiteral("   ") +
                    Strings::formatMessage(Strings::loadString(StringId::LinkChartCircuitsOf),
                                           {QString::number(panel_.firstShown() + 1),
                                            QString::number(panel_.firstShown() + panel_.countShown()),
                                            QString::number(chart.fiberCount())});
        }
        QFont bold = font();
        bold.setBold(true);
        pagePainter.selectFont(bold);
        pagePainter.drawText(area.left(), area.top(), head);
        area.setTop(area.top() + 2 * margin);
        LinkChartPainter::paint(pagePainter, chart, area, font(), panel_.firstShown(), panel_.countShown(),
                                panel_.marked());
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
    connect(&document_, &CFibrologDoc::circuitsReset, this, &LinkChartPanel::refresh);
    connect(&document_, &CFibrologDoc::circuitsChanged, this, &LinkChartPanel::refresh);
    connect(&document_, &CFibrologDoc::circuitRemoved, this, &LinkChartPanel::refresh);
    connect(&document_, &CFibrologDoc::currentIndexChanged, this, &LinkChartPanel::refresh);
}

void LinkChartPanel::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    refresh();
}

void LinkChartPanel::refresh()
{
    // A hidden panel does no work; it catches up when it is shown.
    if (!isVisible())
        return;
    const FiberCursor& cursor = document_.circuits();
    chart_ = LinkChart();
    first_ = count_ = 0;
    marked_ = -1;
    if (!cursor.isEmpty()) {
        // The current circuit's link: the run of circuits around it that the
        // summary report puts under one header.
        const int current = std::clamp(document_.currentIndex(), 0, cursor.count() - 1);
        int first = current;
        while (first > 0 &&
               !SummaryPagination::startsGroup(cursor.recordAt(first - 1), cursor.recordAt(first)))
            --first;
        int end = current + 1;
        while (end < cursor.count() &&
               !SummaryPagination::startsGroup(cursor.recordAt(end - 1), cursor.recordAt(end)))
            ++end;
        chart_ = LinkChart::of(ChosenCircuits(cursor), first, end - first);
        marked_ = current - first;
        first_ = marked_ / LinkChartPage::kFibersPerPage * LinkChartPage::kFibersPerPage;
        count_ = std::min(LinkChartPage::kFibersPerPage, chart_.fiberCount() - first_);
    }
    area_->update();
}
