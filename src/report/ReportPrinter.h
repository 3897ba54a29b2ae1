#pragma once

#include <QString>

class JobProgress;
class LogoSource;
class PagedReport;
class QPagedPaintDevice;

// Prints a report on a printer or a PDF writer, one page after another: the
// report is paginated on the very device it is printed on.
class ReportPrinter
{
public:
    struct Result
    {
        bool ok = false;
        bool cancelled = false; // the progress stopped it between pages
        int pages = 0;          // pages printed
        QString error;          // why nothing (or not everything) was printed
    };

    // Pages firstPage..lastPage (from 1; lastPage 0 for the last page).
    // `progress` hears "page k of n" and may stop the job between pages.
    static Result print(PagedReport& report, QPagedPaintDevice& device, const LogoSource& logos,
                        int firstPage = 1, int lastPage = 0, JobProgress* progress = nullptr);
};
