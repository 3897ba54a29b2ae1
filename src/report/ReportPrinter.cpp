#include "report/ReportPrinter.h"

#include "app/JobProgress.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "report/PageMetrics.h"
#include "report/PagePainter.h"
#include "report/PagedReport.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

ReportPrinter::Result ReportPrinter::print(PagedReport& report, QPagedPaintDevice& device,
                                           const LogoSource& logos, int firstPage, int lastPage,
                                           JobProgress* progress)
{
    Result result;
    const PageMetrics metrics = PageMetrics::fromDevice(device);
    const int pageCount = report.paginate(metrics);
    if (pageCount < 1) {
        result.error = QStringLiteral("there is nothing to print");
        return result;
    }
    firstPage = std::max(1, firstPage);
    lastPage = lastPage < 1 ? pageCount : std::min(lastPage, pageCount);
    if (firstPage > lastPage) {
        result.error = QStringLiteral("the report has no page %1").arg(firstPage);
        return result;
    }

    QPainter painter;
    if (!painter.begin(&device)) {
        result.error = QStringLiteral("the output could not be opened for printing");
        return result;
    }
    PagePainter pagePainter(painter, metrics, logos);
    for (int page = firstPage; page <= lastPage; ++page) {
        if (progress) {
            if (progress->isCancelled()) {
                painter.end();
                result.cancelled = true;
                result.error = Strings::loadString(StringId::OperationCancelled);
                return result;
            }
            progress->report(Strings::formatMessage(Strings::loadString(StringId::PrintingPage),
                                                    {QString::number(page), QString::number(lastPage)}),
                             page - firstPage, lastPage - firstPage + 1);
        }
        if (page > firstPage && !device.newPage()) {
            result.error = QStringLiteral("page %1 could not be started").arg(page);
            painter.end();
            return result;
        }
        report.printPage(pagePainter, page);
        ++result.pages;
    }
    if (!painter.end()) {
        result.error = QStringLiteral("the output could not be finished");
        return result;
    }
    result.ok = true;
    return result;
}
