#include "ReportFixture.h"

#include "database/FiberCursor.h"
#include "report/CircuitDetailReport.h"
#include "report/CircuitSummaryReport.h"
#include "report/LogoSource.h"
#include "report/PdfReportFile.h"

void ReportFixture::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    db_ = std::make_unique<ReportTestDatabase>(path("links.mdb"));
    company_ = db_->addCompany("Northwind Cabling", "604-555-0142", "SN:P204417", "2.10");
    crossCompany_ = db_->addCompany("Harbour Networks", "250-555-0199", "SN:PX8812", "2.31");
    options.reportDate = QDateTime(QDate(2024, 5, 2), QTime(8, 0));
}

RecordId ReportFixture::addRiserA()
{
    ReportTestDatabase::Site site;
    site.company = company_;
    site.comment = "North riser from the second floor telecom room to the basement entrance facility, "
                   "pulled in March, terminated in April";
    const RecordId id = db().addSite(site);
    db().addFiber(id, "1", {-30, 0, -24, 0, 0});
    db().addFiber(id, "2", {-30.55f, 0, -18.75f, 0, 0});
    return id;
}

RecordId ReportFixture::addRiserB()
{
    ReportTestDatabase::Site site;
    site.linkId = "Riser B";
    site.company = crossCompany_;
    site.wizard = 0x1e;
    site.references = {-20, 0, 0, 0, -20};
    const RecordId id = db().addSite(site);
    db().addFiber(id, "1", {-25, 0, 0, 0, -22});
    return id;
}

RecordId ReportFixture::addOrlLink()
{
    ReportTestDatabase::Site site;
    site.linkId = "ORL 1";
    site.company = company_;
    site.standard = 13;
    site.customStandardId = db().addCustomStandard(13, "Plant ORL", 2, {"1310nm", "1550nm"}, 20);
    site.fiberType = 2;
    site.references = {0, 0, 0, 0, 0};
    site.wavelengths = {"850nm", "980nm", "1310nm", "1480nm", "1550nm"};
    const RecordId id = db().addSite(site);
    db().addFiber(id, "1", {0, 0, -25, 0, -17.5f}, 2);
    db().addFiber(id, "2", {0, 0, 3.5f, 0, 0}, 2);
    return id;
}

QString ReportFixture::printPdf(Kind kind, const QString& name, QPageSize::PageSizeId paper,
                                const QString& logoPath)
{
    const FiberCursor cursor = db_->cursor();
    std::unique_ptr<PagedReport> report;
    if (kind == Kind::Details)
        report = std::make_unique<CircuitDetailReport>(cursor, options);
    else
        report = std::make_unique<CircuitSummaryReport>(cursor, options);
    const QString pdf = path(name);
    QString error;
    const LogoSource logos(logoPath);
    if (PdfReportFile(pdf, paper).write(*report, logos, &error) == 0) {
        ADD_FAILURE() << error.toStdString();
        return QString();
    }
    return pdf;
}

QString ReportFixture::lineOf(const PdfProbe& pdf, int page, const QString& start)
{
    for (const QString& line : pdf.pageLines(page)) {
        const QString simple = line.simplified();
        if (simple.startsWith(start))
            return simple;
    }
    return QStringLiteral("<no line starting with '%1' on page %2>").arg(start).arg(page);
}
