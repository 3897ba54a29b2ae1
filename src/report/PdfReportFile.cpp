#include "report/PdfReportFile.h"

#include "report/ReportPrinter.h"

#include "app/LogCategories.h"
#include "app/OutputFile.h"

#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>

PdfReportFile::PdfReportFile(const QString& path, QPageSize::PageSizeId paper) : path_(path), paper_(paper) {}

int PdfReportFile::write(PagedReport& report, const LogoSource& logos, QString* error,
                         JobProgress* progress) const
{
    OutputFile file(path_);
    if (!file.open(error))
        return 0;
    ReportPrinter::Result result;
    {
        QPdfWriter writer(&file.device());
        writer.setResolution(kResolution);
        // A PDF page can be printed to its very edge: no unprintable band,
        // so the reports keep their own three-quarter-inch margins.
        writer.setPageLayout(QPageLayout(QPageSize(paper_), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        // The program's name as users know it; the application object's
        // name is the lower-case one its settings are filed under.
        writer.setCreator(QStringLiteral("Fibrolog"));
        result = ReportPrinter::print(report, writer, logos, 1, 0, progress);
    }
    if (!result.ok) {
        file.cancel();
        *error = result.error;
        qCDebug(lcReport).noquote() << "No report written to" << path_ + QLatin1Char(':') << *error;
        return 0;
    }
    if (!file.commit(error))
        return 0;
    qCDebug(lcReport).noquote() << "Wrote" << result.pages << "report pages to" << path_;
    return result.pages;
}

QPageSize::PageSizeId PdfReportFile::paperFor(const QLocale& locale)
{
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::PuertoRico:
    case QLocale::Philippines:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
        return QPageSize::Letter;
    default:
        return QPageSize::A4;
    }
}
