#pragma once

#include <QPageSize>
#include <QString>

class JobProgress;
class LogoSource;
class PagedReport;
class QLocale;

// Writes a report as a PDF file. The file appears only once every page is
// written; a failure leaves no half-written file behind and an existing file
// untouched.
class PdfReportFile
{
public:
    // The resolution the pages are laid out at.
    static constexpr int kResolution = 600;

    PdfReportFile(const QString& path, QPageSize::PageSizeId paper);

    // Returns the number of pages written; 0, with `error` set, on failure or
    // when `progress` was cancelled.
    int write(PagedReport& report, const LogoSource& logos, QString* error,
              JobProgress* progress = nullptr) const;

    // Letter where the locale's country uses it, else A4.
    static QPageSize::PageSizeId paperFor(const QLocale& locale);

private:
    QString path_;
    QPageSize::PageSizeId paper_;
};
