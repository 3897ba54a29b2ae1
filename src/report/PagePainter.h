#pragma once

#include "report/LineItem.h"
#include "report/PageMetrics.h"

#include <QFontMetrics>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <optional>
#include <span>

class LogoSource;
class QColor;
class QFont;
class QColor;
class QImage;
class QPoint;
class QRect;
class QPainter;
class QSize;

// Draws the parts of a report page in device units: text placed by its
// top-left corner or aligned on a point, tabbed captions, decimal-aligned
// figures, lines with a pen given in points, the logo, and whole lines of
// label/value items. It draws on a painter it does not own.
class PagePainter
{
public:
    // Text alignment of drawText, as bits: one horizontal and one vertical.
    enum TextAlign : int
    {
        AlignLeft = 0,
        AlignRight = 2,
        AlignCenter = 6,
        AlignTop = 0,
        AlignBottom = 8,
        AlignBaseline = 24,
    };
    // Alignment of drawAligned and of line items.
    enum ItemAlign : int
    {
        ItemLeft = 0x000,
        ItemDecimal = 0x100,
        ItemCentred = 0x200,
        ItemRight = 0x300,
    };

    PagePainter(QPainter& painter, const PageMetrics& metrics, const LogoSource& logos);

    // Stretches the image into the box at (x, y) keeping its aspect ratio: a
    // wide image fills the box width, a tall or square one its height. A null
    // image leaves the box empty.
    void drawBitmap(const QImage& image, int x, int y, QSize box);
    // The user's logo, else the built-in image `resourceId`.
    void drawLogo(int resourceId, int x, int y, QSize box);

    // The part before the first tab at x, the part after the k-th tab at
    // origin + tabs[k - 1] (k capped at the number of stops); empty parts are skipped.
    void drawTabbedText(int x, int y, const QString& text, std::span<const int> tabs, int origin);
    // The message template filled with the arguments ("%1", "%%"), then tabbed.
    void drawFormattedTabbedText(int x, int y, const QString& templ, const QStringList& arguments,
                                 std::span<const int> tabs, int origin);

    void drawTextById(int x, int y, int stringId);
    // With the current text alignment.
    void drawText(int x, int y, const QString& text);
    // The locale's decimal separator ends at x; a text without one is centred on x.
    void drawDecimalAligned(int x, int y, const QString& text);
    // The same in `colour`; the pen is black again afterwards.
    void drawDecimalAligned(int x, int y, const QString& text, const QColor& colour);
    void drawAlignedById(int x, int y, int stringId, int align);
    void drawAligned(int x, int y, const QString& text, int align);
    // Item k at columns[k]; items beyond the columns are dropped.
    void drawItemLine(int y, std::span<const int> columns, std::initializer_list<LineItem> items);

    void drawLine(int x1, int y1, int x2, int y2);

    // The shapes of the link charts, each in its own colour and with a pen
    // `points` wide; the pen and brush of the text and rules stay as they were.
    void fillBox(const QRect& box, const QColor& colour);
    void outlineBox(const QRect& box, const QColor& colour, double points);
    // Lines rising to the right across the box, `spacing` points apart.
    void hatchBox(const QRect& box, const QColor& colour, double spacing, double points);
    void drawColouredLine(QPoint from, QPoint to, const QColor& colour, double points);

    void setTextAlign(int mode) { textAlign_ = mode; }
    int textAlign() const { return textAlign_; }

    void selectFont(const QFont& font);
    const QFontMetrics& fontMetrics() const { return *fontMetrics_; }
    // A solid black pen this many points wide (vertical resolution).
    void setPenWidth(int points);

    int textWidth(const QString& text) const;
    int textHeight(const QString& text) const;

    const PageMetrics& metrics() const { return metrics_; }

private:
    QPainter& painter_;
    PageMetrics metrics_;
    const LogoSource& logos_;
    std::optional<QFontMetrics> fontMetrics_;
    int textAlign_ = AlignLeft | AlignTop;
};
