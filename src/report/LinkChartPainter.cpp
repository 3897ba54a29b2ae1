#include "report/LinkChartPainter.h"

#include "app/LocaleFormat.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "report/LinkChart.h"
#include "report/PagePainter.h"

#include <QColor>
#include <QFont>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace StringId;

namespace {

const QColor kGridColour(200, 200, 200);
const QColor kOutlineColour(60, 60, 60);
const QColor kMarkColour(255, 244, 190);

// The scale of the panels: whole steps of 1, 2 or 5 times a power of ten,
// about five of them, from zero (or below it, for a gain) to above the
// highest loss or allowed loss.
struct Scale
{
    double low = 0;
    double high = 1;
    double step = 0.2;
};

Scale scaleFor(const LinkChart& chart, int first, int count)
{
    double low = 0;
    double high = 0;
    for (const LinkChart::Series& series : chart.series()) {
        for (int i = first; i < first + count; ++i) {
            const LinkChart::Bar& bar = series.bars.at(static_cast<std::size_t>(i));
            if (!bar.measured)
                continue;
            low = std::min(low, static_cast<double>(bar.loss));
            high = std::max(high, static_cast<double>(bar.loss));
            if (bar.limited)
                high = std::max(high, static_cast<double>(bar.allowedLoss));
        }
    }
    if (high - low < 0.1)
        high = low + 1;
    // Room above the highest bar or limit, so a loss just above its limit
    // shows both, and a limit never runs along the frame's top.
    high += (high - low) * 0.08;
    const double raw = (high - low) / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * power;
        if (step >= raw)
            break;
    }
    Scale scale;
    scale.step = step;
    scale.low = std::floor(low / step) * step;
    scale.high = std::ceil(high / step) * step;
    return scale;
}

class PanelDrawer
{
public:
    PanelDrawer(PagePainter& painter, const Scale& scale, const QRect& plot)
        : painter_(painter), scale_(scale), plot_(plot)
    {
    }

    int yOf(double value) const
    {
        const double share = (value - scale_.low) / (scale_.high - scale_.low);
        return plot_.bottom() - static_cast<int>(std::lround(share * plot_.height()));
    }

    void drawGrid(int labelRight, int textHeight) const
    {
        const int count = static_cast<int>(std::lround((scale_.high - scale_.low) / scale_.step));
        const int decimals = scale_.step < 0.1 ? 2 : scale_.step < 1 ? 1 : 0;
        for (int k = 0; k <= count; ++k) {
            const double value = scale_.low + k * scale_.step;
            const int y = yOf(value);
            const bool zero = std::abs(value) < scale_.step / 2;
            painter_.drawColouredLine({plot_.left(), y}, {plot_.right(), y}, zero ? Qt::black : kGridColour,
                                      zero ? 0.75 : 0.5);
            painter_.drawAligned(labelRight, y - textHeight / 2, QLocale().toString(value, 'f', decimals),
                                 PagePainter::ItemRight);
        }
        painter_.drawColouredLine(plot_.topLeft(), plot_.bottomLeft(), Qt::black, 0.75);
    }

    void drawBar(const LinkChart::Bar& bar, int cellLeft, int cellWidth) const
    {
        if (!bar.measured)
            return;
        // A link of one or two fibers keeps bars of a bar's width, not slabs.
        const int widest = painter_.metrics().x(0.5, PageUnit::Inches);
        const int barWidth = std::max(1, std::min(cellWidth * 3 / 5, widest));
        const int left = cellLeft + (cellWidth - barWidth) / 2;
        const int zero = yOf(0);
        const int top = yOf(bar.loss);
        const QRect box(QPoint(left, std::min(zero, top)), QPoint(left + barWidth - 1, std::max(zero, top)));
        switch (bar.verdict) {
        case VerdictCell::Pass:
            painter_.fillBox(box, QColor::fromRgb(LinkChartPainter::kPassColour));
            break;
        case VerdictCell::Fail:
            painter_.hatchBox(box, QColor::fromRgb(LinkChartPainter::kFailColour), 3, 1);
            painter_.outlineBox(box, QColor::fromRgb(LinkChartPainter::kFailColour), 1.5);
            break;
        default:
            painter_.outlineBox(box, kOutlineColour, 0.75);
            break;
        }
        if (bar.limited) {
            // Across the whole cell: equal limits of neighbours join into one line.
            const int y = yOf(bar.allowedLoss);
            painter_.drawColouredLine({cellLeft, y}, {cellLeft + cellWidth, y},
                                      QColor::fromRgb(LinkChartPainter::kLimitColour), 1.5);
        }
    }

private:
    PagePainter& painter_;
    Scale scale_;
    QRect plot_;
};

// The legend: a swatch and its word for each shape, left to right, going on
// below where the width ends. Returns the height it takes; draws only when asked.
int drawLegend(PagePainter& painter, const QRect& area, int textHeight, bool draw)
{
    const int swatch = textHeight;
    const int gap = textHeight / 2;
    int x = area.left();
    int y = area.top();
    const auto item = [&](int textId, auto drawSwatch, int swatchWidth) {
        const QString text = Strings::loadString(textId);
        const int width = swatchWidth + gap + painter.textWidth(text);
        if (x > area.left() && x + width > area.right()) {
            x = area.left();
            y += textHeight * 3 / 2;
        }
        if (draw) {
            drawSwatch(QRect(x, y, swatchWidth, swatch));
            painter.drawText(x + swatchWidth + gap, y, text);
        }
        x += width + 2 * swatch;
    };
    item(
        LinkChartLegendPass,
        [&](const QRect& box) { painter.fillBox(box, QColor::fromRgb(LinkChartPainter::kPassColour)); },
        swatch);
    item(
        LinkChartLegendFail,
        [&](const QRect& box) {
            painter.hatchBox(box, QColor::fromRgb(LinkChartPainter::kFailColour), 3, 1);
            painter.outlineBox(box, QColor::fromRgb(LinkChartPainter::kFailColour), 1.5);
        },
        swatch);
    item(
        LinkChartLegendNoVerdict, [&](const QRect& box) { painter.outlineBox(box, kOutlineColour, 0.75); },
        swatch);
    item(
        LinkChartLegendLimit,
        [&](const QRect& box) {
            painter.drawColouredLine({box.left(), box.center().y()}, {box.right(), box.center().y()},
                                     QColor::fromRgb(LinkChartPainter::kLimitColour), 1.5);
        },
        2 * swatch);
    return y + textHeight - area.top();
}

} // namespace

void LinkChartPainter::paint(PagePainter& painter, const LinkChart& chart, const QRect& area,
                             const QFont& font, int first, int count, int marked)
{
    painter.selectFont(font);
    painter.setTextAlign(PagePainter::AlignLeft | PagePainter::AlignTop);
    const int textHeight = painter.textHeight(QString());
    first = std::clamp(first, 0, chart.fiberCount());
    if (count < 0 || first + count > chart.fiberCount())
        count = chart.fiberCount() - first;
    if (!chart.hasLossReadings() || count == 0) {
        painter.drawAlignedById(area.center().x(), area.top() + textHeight, LinkChartNoLossReadings,
                                PagePainter::ItemCentred);
        return;
    }

    const Scale scale = scaleFor(chart, first, count);
    const int legendHeight = drawLegend(painter, area, textHeight, false) + textHeight;
    const int panels = static_cast<int>(chart.series().size());
    const int panelHeight = (area.height() - legendHeight) / panels;
    const int labelWidth = painter.textWidth(QStringLiteral("-00.0")) + textHeight / 2;
    const int plotLeft = area.left() + labelWidth;
    const int cellWidth = std::max(1, (area.right() - plotLeft) / count);

    for (int p = 0; p < panels; ++p) {
        const LinkChart::Series& series = chart.series().at(static_cast<std::size_t>(p));
        const int top = area.top() + p * panelHeight;
        painter.drawText(
            area.left(), top,
            Strings::formatMessage(Strings::loadString(LinkChartSeriesTitle), {series.wavelength}));
        // Title above, circuit IDs below, half a line between panels.
        const QRect plot(QPoint(plotLeft, top + textHeight * 2),
                         QPoint(plotLeft + cellWidth * count, top + panelHeight - textHeight * 2));
        if (plot.height() < textHeight)
            continue;
        const PanelDrawer drawer(painter, scale, plot);
        if (marked >= first && marked < first + count)
            painter.fillBox(
                QRect(plot.left() + (marked - first) * cellWidth, plot.top(), cellWidth, plot.height()),
                kMarkColour);
        drawer.drawGrid(plotLeft - textHeight / 4, textHeight);
        int labelsEnd = std::numeric_limits<int>::min();
        for (int i = first; i < first + count; ++i) {
            const int cellLeft = plot.left() + (i - first) * cellWidth;
            drawer.drawBar(series.bars.at(static_cast<std::size_t>(i)), cellLeft, cellWidth);
            // As many IDs as fit side by side; the marked one always.
            const QString id = chart.circuitIds().at(i);
            const int width = painter.textWidth(id);
            const int left = cellLeft + (cellWidth - width) / 2;
            if (left > labelsEnd + textHeight / 2 || i == marked) {
                painter.drawText(left, plot.bottom() + textHeight / 4, id);
                labelsEnd = left + width;
            }
        }
    }
    drawLegend(painter, area.adjusted(0, area.height() - legendHeight + textHeight, 0, 0), textHeight, true);
}
