#pragma once

// How an amount handed to the page metrics is read. Codes 1, 2 and 9 round an
// integer amount the way MulDiv does; the others multiply. A fractional amount
// is always multiplied in floating point and truncated.
enum class PageUnit : int
{
    Inches = 0,               // amount x dpi
    DpiTimes25_4 = 1,         // amount x dpi x 25.4
    DpiTimes2_54 = 2,         // amount x dpi x 2.54
    PrintableFraction = 3,    // amount x printable size
    PaperFraction = 4,        // amount x paper size
    LeadingBandFraction = 5,  // amount x the left (top) unprintable band
    TrailingBandFraction = 6, // amount x the right (bottom) unprintable band
    WiderBandFraction = 7,    // amount x the wider of the two bands
    DeviceUnits = 8,          // amount
    Points = 9,               // amount x dpi / 72
};
