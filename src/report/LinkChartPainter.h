#pragma once

#include <QRect>

class LinkChart;
class PagePainter;
class QFont;

// Paints a link chart through the report painter, so the printed chart page
// and the window's chart panel are one drawing. One panel per wavelength,
// stacked, on one scale in dB: each fiber a bar of its optical loss and,
// where it was judged, its allowed loss drawn across the bar. A passing bar
// is filled, a failing one hatched and outlined, one without a verdict only
// outlined, so the verdict shows on a black-and-white page too. The circuit
// IDs stand below the bars (as many as fit) and a legend below the panels.
class LinkChartPainter
{
public:
    // The colours the shapes are drawn in; a test reads them back from a page.
    static constexpr unsigned kPassColour = 0x2e7d32;
    static constexpr unsigned kFailColour = 0xc62828;
    static constexpr unsigned kLimitColour = 0x1030a0;

    // Fibers first .. first + count - 1 of the chart in `area`, in `font`;
    // count -1 for every fiber from first on. The fiber `marked` (an index
    // of the chart, -1 for none) stands on a shaded band with its ID shown.
    static void paint(PagePainter& painter, const LinkChart& chart, const QRect& area, const QFont& font,
                      int first = 0, int count = -1, int marked = -1);
};
