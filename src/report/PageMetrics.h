#pragma once

#include "report/PageUnit.h"

#include <QPoint>
#include <QSize>

class QPagedPaintDevice;

// The geometry of a printed page in the device's own units, read once from the
// device: its resolution, the whole sheet and the printable area inside it.
// Report layouts are written in inches, points and fractions of the page and
// come out the same on any resolution through these conversions. Coordinates
// have their origin at the top-left corner of the printable area.
class PageMetrics
{
public:
    PageMetrics() = default;
    PageMetrics(QSize dpi, QSize paper, QPoint printableOffset, QSize printable);

    // A printer or PDF writer: dpi from its logical resolution, the sheet from
    // the page layout's full rectangle, the printable area from its paint rectangle.
    static PageMetrics fromDevice(const QPagedPaintDevice& device);

    int dpiX() const { return x_.dpi; }
    int dpiY() const { return y_.dpi; }
    int paperWidth() const { return x_.paper; }
    int paperHeight() const { return y_.paper; }
    int printableWidth() const { return x_.printable; }
    int printableHeight() const { return y_.printable; }
    int offsetX() const { return x_.offset; }
    int offsetY() const { return y_.offset; }
    int rightGap() const { return x_.gap(); }
    int bottomGap() const { return y_.gap(); }

    int x(int amount, PageUnit unit) const { return convert(x_, amount, unit); }
    int y(int amount, PageUnit unit) const { return convert(y_, amount, unit); }
    int x(double amount, PageUnit unit) const { return convert(x_, amount, unit); }
    int y(double amount, PageUnit unit) const { return convert(y_, amount, unit); }

    // The centre of the sheet in printable coordinates.
    int centreX() const { return x_.paper / 2 - x_.offset; }
    int centreY() const { return y_.paper / 2 - y_.offset; }

    // number x numerator / denominator through a 64-bit product, rounded half
    // away from zero; -1 for a zero denominator or a result beyond int.
    static int mulDiv(int number, int numerator, int denominator);

private:
    struct Axis
    {
        int dpi = 0;
        int paper = 0;
        int offset = 0;
        int printable = 0;
        int gap() const { return paper - offset - printable; }
    };

    static int convert(const Axis& axis, int amount, PageUnit unit);
    static int convert(const Axis& axis, double amount, PageUnit unit);
    static double scale(const Axis& axis, PageUnit unit);

    Axis x_;
    Axis y_;
};
