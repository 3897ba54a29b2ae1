#pragma once

class PageMetrics;
class PagePainter;

// A report printed page by page: laid out once for the page it is printed on,
// then asked for each page in turn, so no more than one page is ever held.
class PagedReport
{
public:
    virtual ~PagedReport() = default;

    // Lays the report out for pages of these metrics and returns the number
    // of pages; 0 when there is nothing to print.
    virtual int paginate(const PageMetrics& metrics) = 0;
    // Draws page `page` (from 1) of the last pagination.
    virtual void printPage(PagePainter& painter, int page) = 0;
};
