#include "ReportFixture.h"
#include "database/FiberCursor.h"
#include "report/SummaryPagination.h"
#include "support/LocaleGuard.h"

#include <gtest/gtest.h>

namespace {

class SummaryReportTest : public ReportFixture
{
protected:
    // A link of `count` circuits named first, first + 1, ..., all measured at 850 and 1300 nm.
    void addLink(const QString& linkId, int count, const RecordId& company = {}, int first = 1)
    {
        ReportTestDatabase::Site site;
        site.linkId = linkId;
        site.company = company.isEmpty() ? company_ : company;
        const RecordId id = db().addSite(site);
        for (int i = first; i < first + count; ++i)
            db().addFiber(id, QString::number(i), {-30, 0, -24, 0, 0});
    }

    // The circuit IDs listed on a page: the table lines below the head.
    static QStringList circuitIds(const PdfProbe& pdf, int page)
    {
        QStringList ids;
        bool inTable = false;
        for (const QString& line : pdf.pageLines(page)) {
            const QString simple = line.simplified();
            if (simple.startsWith("Circuit ID")) {
                inTable = true;
                continue;
            }
            if (inTable && simple.startsWith("Installer/Tester:"))
                break;
            if (inTable && !simple.isEmpty() && !simple.startsWith('*'))
                ids << simple.section(' ', 0, 0);
        }
        return ids;
    }

    static QStringList numbers(int from, int to)
    {
        QStringList list;
        for (int i = from; i <= to; ++i)
            list << QString::number(i);
        return list;
    }
};

} // namespace

TEST_F(SummaryReportTest, EveryLinkStartsAPageAndALongLinkContinuesOnTheNext)
{
    addLink("A", 3);
    addLink("B", 25);
    // Letter at 600 dpi: 23 rows a page, so A takes page 1 and B pages 2 and 3.
    const PdfProbe letter(printPdf(Kind::Summary, "letter.pdf", QPageSize::Letter));
    ASSERT_EQ(letter.pageCount(), 3);
    EXPECT_EQ(lineOf(letter, 1, "Link ID:"), "Link ID: A Page: 1");
    EXPECT_EQ(circuitIds(letter, 1), numbers(1, 3));
    EXPECT_EQ(lineOf(letter, 2, "Link ID:"), "Link ID: B Page: 2");
    EXPECT_EQ(circuitIds(letter, 2), numbers(1, 23));
    EXPECT_EQ(lineOf(letter, 3, "Link ID:"), "Link ID: B Page: 3");
    EXPECT_EQ(circuitIds(letter, 3), numbers(24, 25));

    // The longer A4 sheet takes 26 rows: B fits on one page.
    const PdfProbe a4(printPdf(Kind::Summary, "a4.pdf", QPageSize::A4));
    ASSERT_EQ(a4.pageCount(), 2);
    EXPECT_EQ(circuitIds(a4, 2), numbers(1, 25));
}

TEST_F(SummaryReportTest, RowsEndAboveTheNotesOnEveryPaper)
{
    addLink("B", 30);
    for (const auto paper : {QPageSize::Letter, QPageSize::A4, QPageSize::Legal, QPageSize::A5}) {
        const PdfProbe pdf(printPdf(Kind::Summary, QStringLiteral("summary-%1.pdf").arg(paper), paper));
        const QList<PdfProbe::Word> footer = pdf.lineStartingWith(1, "Installer/Tester:");
        ASSERT_FALSE(footer.isEmpty());
        const QStringList ids = circuitIds(pdf, 1);
        ASSERT_FALSE(ids.isEmpty());
        const QList<PdfProbe::Word> last = pdf.lineStartingWith(1, ids.last() + " Fail");
        ASSERT_FALSE(last.isEmpty()) << ids.last().toStdString();
        // The notes line sits three line steps (3 x 1.15 x 14 pt) above the signatures.
        EXPECT_LT(last.first().yMax, footer.first().yMin - 2 * 1.15 * 14) << paper;
    }
}

TEST_F(SummaryReportTest, LineShowsVerdictOverheadAndLossPerWavelength)
{
    addRiserA();
    const PdfProbe pdf(printPdf(Kind::Summary, "summary.pdf"));
    ASSERT_EQ(pdf.pageCount(), 1);
    EXPECT_EQ(lineOf(pdf, 1, "Circuit Summary Report"), "Circuit Summary Report");
    EXPECT_EQ(lineOf(pdf, 1, "Halvard Photonics"), "Halvard Photonics");
    EXPECT_EQ(lineOf(pdf, 1, "Link ID:"), "Link ID: Riser A Page: 1");
    EXPECT_EQ(lineOf(pdf, 1, "Company Name:"), "Company Name: Northwind Cabling Report Date: 5/2/2024");
    EXPECT_EQ(lineOf(pdf, 1, "Telephone Number:"), "Telephone Number: 604-555-0142");
    EXPECT_TRUE(
        lineOf(pdf, 1, "Link Comment:").startsWith("Link Comment: North riser from the second floor"));
    EXPECT_EQ(lineOf(pdf, 1, "850nm"), "850nm 1300nm");
    EXPECT_EQ(lineOf(pdf, 1, "Circuit ID"), "Circuit ID P/F O/H (dB) Loss (dB) P/F O/H (dB) Loss (dB)");
    EXPECT_EQ(lineOf(pdf, 1, "1 "), "1 Fail -0.70 10.00 Pass 0.80 4.00");
    EXPECT_EQ(lineOf(pdf, 1, "2 "), "2 Fail -1.25 10.55 Pass 6.05 -1.25");
    // The summary has no operating margin line, even for a margin above the budget.
    EXPECT_FALSE(pdf.layoutText().contains("Invalid"));
}

TEST_F(SummaryReportTest, ReturnLossGroupsShowTheReturnLoss)
{
    addOrlLink();
    const PdfProbe pdf(printPdf(Kind::Summary, "summary.pdf"));
    EXPECT_EQ(lineOf(pdf, 1, "1310nm"), "1310nm 1550nm");
    EXPECT_EQ(lineOf(pdf, 1, "Circuit ID"), "Circuit ID P/F O/H (dB) ORL (dB) P/F O/H (dB) ORL (dB)");
    EXPECT_EQ(lineOf(pdf, 1, "1 "), "1 Pass 5.00 25.00 Fail -2.50 17.50");
    // Fiber 2 was not measured at 1550 nm: no verdict, no overhead, no return loss.
    EXPECT_EQ(lineOf(pdf, 1, "2 "), "2 Fail -23.50 -3.50 - -");
}

TEST_F(SummaryReportTest, NotesOfThePageAndTheVendorOfItsFirstCircuit)
{
    addRiserB();
    const PdfProbe pdf(printPdf(Kind::Summary, "summary.pdf"));
    EXPECT_EQ(lineOf(pdf, 1, "Brannock Metering"), "Brannock Metering");
    EXPECT_FALSE(pdf.layoutText().contains("Harbour Road")); // no address line in the summary
    EXPECT_EQ(lineOf(pdf, 1, "1 "), "1 Note1 -5.00 5.00 Note3 -2.00 2.00");
    EXPECT_EQ(lineOf(pdf, 1, "*1"), "*1 - Manually set reference *3 - Not covered by TIA standard");
}

TEST_F(SummaryReportTest, HeadsFollowTheFirstCircuitAndEachLineItsOwnSlots)
{
    ReportTestDatabase::Site multimode;
    multimode.linkId = "Mixed";
    multimode.company = company_;
    const RecordId first = db().addSite(multimode);
    db().addFiber(first, "1", {-30, 0, -24, 0, 0});
    db().addFiber(first, "2", {-25, 0, 0, 0, 0}); // not measured at 1300 nm

    // The same link ID on indoor singlemode at 1310 and 1550 nm: standard 2
    // allows 2 x 1.0 + 1.5 + 0.3 = 3.80 dB at both.
    ReportTestDatabase::Site singlemode = multimode;
    singlemode.fiberType = 2;
    singlemode.wavelengths = {"850nm", "980nm", "1310nm", "1480nm", "1550nm"};
    singlemode.references = {0, 0, -10, 0, -10};
    db().addFiber(db().addSite(singlemode), "3", {0, 0, -12, 0, -11}, 2);

    const PdfProbe pdf(printPdf(Kind::Summary, "summary.pdf"));
    ASSERT_EQ(pdf.pageCount(), 1);
    EXPECT_EQ(lineOf(pdf, 1, "850nm"), "850nm 1300nm");
    EXPECT_EQ(lineOf(pdf, 1, "1 "), "1 Fail -0.70 10.00 Pass 0.80 4.00");
    // An unmeasured slot has no loss: "-", never 0.00.
    EXPECT_EQ(lineOf(pdf, 1, "2 "), "2 Pass 4.30 5.00 - - -");
    EXPECT_EQ(lineOf(pdf, 1, "3 "), "3 Pass 1.80 2.00 Pass 2.80 1.00");
}

TEST_F(SummaryReportTest, GermanLocaleWritesDecimalCommas)
{
    LocaleGuard german("de_DE");
    addRiserA();
    const PdfProbe pdf(printPdf(Kind::Summary, "summary.pdf", QPageSize::A4));
    EXPECT_EQ(lineOf(pdf, 1, "Company Name:"), "Company Name: Northwind Cabling Report Date: 02.05.2024");
    EXPECT_EQ(lineOf(pdf, 1, "1 "), "1 Fail -0,70 10,00 Pass 0,80 4,00");
}

TEST_F(SummaryReportTest, PaginationGroupsByExactLinkIdAndCompany)
{
    addLink("A", 3);
    addLink("B", 25);
    // A second site with the same link ID, from another download of the same
    // company (a company row of its own), joins the group.
    addLink("B", 2, db().addCompany("Northwind Cabling", "604-555-0142", "SN:P204417", "2.10"));
    // The same link ID of another company is a group of its own (circuits 26 and 27).
    addLink("B", 2, crossCompany_, 26);
    addLink("Main", 1);
    addLink("MAIN", 1); // sorts next to "Main" but is a link of its own
    const FiberCursor cursor = db().cursor();
    SummaryPagination pagination;
    ASSERT_TRUE(pagination.build(cursor, 20));
    // A: 1 page; Northwind's B (27): 2 pages; Harbour's B: 1; Main: 1; MAIN: 1.
    ASSERT_EQ(pagination.pageCount(), 6);
    const QList<std::pair<int, int>> expected = {{0, 3}, {3, 20}, {23, 7}, {30, 2}, {32, 1}, {33, 1}};
    for (int page = 1; page <= 6; ++page) {
        const SummaryPagination::PageRange range = pagination.page(page);
        EXPECT_EQ(std::make_pair(range.first, range.count), expected.at(page - 1)) << page;
    }
    EXPECT_EQ(cursor.recordAt(30).companyName, "Harbour Networks");
    EXPECT_EQ(cursor.recordAt(32).linkId.compare(cursor.recordAt(33).linkId, Qt::CaseInsensitive), 0);
    EXPECT_EQ(pagination.page(0).count, 0);
    EXPECT_EQ(pagination.page(7).count, 0);

    EXPECT_FALSE(pagination.build(cursor, 0));
    EXPECT_EQ(pagination.pageCount(), 0);
}
