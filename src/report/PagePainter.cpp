#include "report/PagePainter.h"

#include "app/LocaleFormat.h"
#include "app/StringTable.h"
#include "report/LogoSource.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>

PagePainter::PagePainter(QPainter& painter, const PageMetrics& metrics, const LogoSource& logos)
    : painter_(painter), metrics_(metrics), logos_(logos)
{
    selectFont(painter_.font());
}

void PagePainter::drawBitmap(const QImage& image, int x, int y, QSize box)
{
    if (image.isNull() || image.height() == 0)
        return;
    const double ratio = static_cast<double>(image.width()) / image.height();
    QSize size = box;
    if (ratio > 1.0)
        size.setHeight(static_cast<int>(box.height() / ratio));
    else
        size.setWidth(static_cast<int>(box.width() * ratio));
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.drawImage(QRect(QPoint(x, y), size), image);
    painter_.restore();
}

void PagePainter::drawLogo(int resourceId, int x, int y, QSize box)
{
    drawBitmap(logos_.image(resourceId), x, y, box);
}

void PagePainter::drawTabbedText(int x, int y, const QString& text, std::span<const int> tabs, int origin)
{
    const QStringList parts = text.split(QLatin1Char('\t'));
    for (qsizetype k = 0; k < parts.size(); ++k) {
        if (parts.at(k).isEmpty())
            continue;
        int at = x;
        if (k > 0)
            at = tabs.empty() ? origin : origin + tabs[std::min<std::size_t>(k, tabs.size()) - 1];
        drawText(at, y, parts.at(k));
    }
}

void PagePainter::drawFormattedTabbedText(int x, int y, const QString& templ, const QStringList& arguments,
                                          std::span<const int> tabs, int origin)
{
    drawTabbedText(x, y, Strings::formatMessage(templ, arguments), tabs, origin);
}

void PagePainter::drawTextById(int x, int y, int stringId)
{
    drawText(x, y, Strings::loadString(stringId));
}

void PagePainter::drawText(int x, int y, const QString& text)
{
    const QFontMetrics& metrics = fontMetrics();
    switch (textAlign_ & AlignCenter) {
    case AlignCenter:
        x -= metrics.horizontalAdvance(text) / 2;
        break;
    case AlignRight:
        x -= metrics.horizontalAdvance(text);
        break;
    default:
        break;
    }
    switch (textAlign_ & AlignBaseline) {
    case AlignBaseline:
        break;
    case AlignBottom:
        y -= metrics.descent();
        break;
    default:
        y += metrics.ascent();
        break;
    }
    painter_.drawText(QPoint(x, y), text);
}

void PagePainter::drawDecimalAligned(int x, int y, const QString& text)
{
    const int saved = textAlign_;
    textAlign_ = AlignLeft | AlignTop;
    const QString separator = DecimalSeparator();
    const qsizetype at = separator.isEmpty() ? -1 : text.indexOf(separator);
    if (at >= 0)
        drawText(x - fontMetrics().horizontalAdvance(text, static_cast<int>(at + separator.size())), y, text);
    else
        drawText(x - fontMetrics().horizontalAdvance(text) / 2, y, text);
    textAlign_ = saved;
}

void PagePainter::drawDecimalAligned(int x, int y, const QString& text, const QColor& colour)
{
    const QPen saved = painter_.pen();
    QPen coloured = saved;
    coloured.setColor(colour);
    painter_.setPen(coloured);
    drawDecimalAligned(x, y, text);
    painter_.setPen(saved);
}

void PagePainter::drawAlignedById(int x, int y, int stringId, int align)
{
    drawAligned(x, y, Strings::loadString(stringId), align);
}

void PagePainter::drawAligned(int x, int y, const QString& text, int align)
{
    if ((align & ItemRight) == ItemDecimal) {
        drawDecimalAligned(x, y, text);
        return;
    }
    const int saved = textAlign_;
    textAlign_ = AlignLeft | AlignTop;
    switch (align & ItemRight) {
    case ItemCentred:
        x -= textWidth(text) / 2;
        break;
    case ItemRight:
        x -= textWidth(text);
        break;
    default:
        break;
    }
    drawText(x, y, text);
    textAlign_ = saved;
}

void PagePainter::drawItemLine(int y, std::span<const int> columns, std::initializer_list<LineItem> items)
{
    std::size_t column = 0;
    for (const LineItem& item : items) {
        if (column >= columns.size())
            return;
        const int x = columns[column++];
        switch (item.kind) {
        case LineItem::Text:
            drawAligned(x, y, item.text, item.align);
            break;
        case LineItem::StringById:
            drawAlignedById(x, y, item.number, item.align);
            break;
        case LineItem::Integer:
            drawAligned(x, y, QString::number(item.number), item.align);
            break;
        case LineItem::Empty:
            break;
        }
    }
}

void PagePainter::drawLine(int x1, int y1, int x2, int y2)
{
    painter_.drawLine(x1, y1, x2, y2);
}

void PagePainter::fillBox(const QRect& box, const QColor& colour)
{
    painter_.fillRect(box, colour);
}

void PagePainter::outlineBox(const QRect& box, const QColor& colour, double points)
{
    painter_.save();
    const int width = std::max(1, metrics_.y(points, PageUnit::Points));
    painter_.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter_.setBrush(Qt::NoBrush);
    // Inside the box, so a narrow bar keeps its width.
    painter_.drawRect(box.adjusted(width / 2, width / 2, -(width + 1) / 2, -(width + 1) / 2));
    painter_.restore();
}

void PagePainter::hatchBox(const QRect& box, const QColor& colour, double spacing, double points)
{
    // Drawn as lines, not a brush pattern: a pattern's cells are device
    // pixels, a grey smudge at 600 dots per inch.
    const int step = std::max(2, metrics_.x(spacing, PageUnit::Points));
    painter_.save();
    painter_.setClipRect(box, Qt::IntersectClip);
    painter_.setPen(
        QPen(colour, std::max(1, metrics_.y(points, PageUnit::Points)), Qt::SolidLine, Qt::FlatCap));
    for (int x = box.left() - box.height(); x <= box.right(); x += step)
        painter_.drawLine(x, box.bottom(), x + box.height(), box.top());
    painter_.restore();
}

void PagePainter::drawColouredLine(QPoint from, QPoint to, const QColor& colour, double points)
{
    painter_.save();
    painter_.setPen(
        QPen(colour, std::max(1, metrics_.y(points, PageUnit::Points)), Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(from, to);
    painter_.restore();
}

void PagePainter::selectFont(const QFont& font)
{
    painter_.setFont(font);
    fontMetrics_.emplace(font, painter_.device());
}

void PagePainter::setPenWidth(int points)
{
    painter_.setPen(QPen(Qt::black, metrics_.y(points, PageUnit::Points), Qt::SolidLine, Qt::FlatCap));
}

int PagePainter::textWidth(const QString& text) const
{
    return fontMetrics().horizontalAdvance(text);
}

int PagePainter::textHeight(const QString& text) const
{
    Q_UNUSED(text); // every line of a font is as high as the font
    return fontMetrics().height();
}
