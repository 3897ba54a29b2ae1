#pragma once

class LogoSource;
class PageMetrics;
class PagedReport;
class QImage;

// Paints one page of a report into an image, as the printer would print it
// but at the size the page is shown at: the whole sheet, paper white, scaled
// down from the printer's resolution. Only that page is painted, so any page
// of a long report comes as fast as the first.
class ReportPageImage
{
public:
    // Page `page` (from 1) of `report`, which must be paginated on `metrics`,
    // over the whole of `image`: what the image held before is painted over,
    // so an image can be used again for another page of its size. An image
    // of no size, or a sheet of no size, is left as it is.
    static void paint(QImage& image, PagedReport& report, int page, const PageMetrics& metrics,
                      const LogoSource& logos);
};
