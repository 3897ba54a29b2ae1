#pragma once

#include "report/ReportFonts.h"
#include "report/ReportPageGeometry.h"

#include <QSize>
#include <QString>

#include <vector>

class PageMetrics;
class PagePainter;

// What the circuit detail and circuit summary reports share on every page:
// the frame and fonts, the logo with the title beside it, the vendor name,
// the double rules and the footer with the signature lines and the notes.
class ReportLayout
{
public:
    ReportLayout(const PageMetrics& metrics, const QString& face);

    const ReportPageGeometry& geometry() const { return geometry_; }
    const ReportFonts& fonts() const { return fonts_; }

    // Where the header's vendor lines end: 1.25 inch below the top.
    int headerBase() const { return headerBase_; }
    // Where the title and the vendor lines start: 1.625 inch right of the left edge.
    int titleX() const { return titleX_; }

    // The logo in a one-inch box at the top left (the "X" artwork for a meter
    // whose serial number holds an "X") and the title beside it.
    void drawLogoAndTitle(PagePainter& painter, const QString& serialNumber, int titleId) const;
    // The vendor name in the vendor font, one and a half of its heights above `y`.
    void drawVendorName(PagePainter& painter, int vendorNameId, int y) const;
    // The body font, the 1-point pen and left/top text: how every page starts.
    void beginPage(PagePainter& painter) const;
    // "Link Comment:" at y with the first line of the comment wrapped to 8/10
    // of the text width, its second line one line step below; further lines
    // are not printed. Returns the y of the second line.
    int drawLinkComment(PagePainter& painter, int y, const QString& comment) const;

    // Each recorded y gives two lines across the text width, a rule gap apart,
    // in the middle of the line step below it.
    void drawRules(PagePainter& painter, const std::vector<int>& rules) const;
    // The installer and customer signature lines at the bottom and the notes
    // line three line steps above the bottom.
    void drawFooter(PagePainter& painter, const QString& notes) const;
    // The top of a footer line `linesUp` line steps above the bottom line.
    int footerLineY(const PagePainter& painter, int linesUp) const;

    static bool hasCrossSerial(const QString& serialNumber)
    {
        return serialNumber.contains(QLatin1Char('X'));
    }

private:
    ReportPageGeometry geometry_;
    ReportFonts fonts_;
    QSize logoBox_;
    int titleX_ = 0;
    int headerBase_ = 0;
    int halfInchX_ = 0;
};
