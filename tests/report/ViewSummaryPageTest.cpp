#include "report/ViewSummaryPage.h"
#include "ViewPagesFixture.h"
#include "app/StringIds.h"
#include "report/ViewSummaryPages.h"
#include "support/LocaleGuard.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace {

using ViewSummaryPageTest = ViewPagesFixture;

const std::array<QString, kSlotCount> kStandardNames{"850nm", "980nm", "1300nm", "1480nm", "1550nm"};

QStringList cellsOf(const ViewSummaryPage& page, int row)
{
    return list(page.rows[static_cast<std::size_t>(row)].cells);
}

} // namespace

TEST_F(ViewSummaryPageTest, EachModeShowsItsTitleAndItsResultPerWavelength)
{
    // The page texts are made in a plain QCoreApplication: no GUI is needed.
    ASSERT_FALSE(QCoreApplication::instance()->inherits("QGuiApplication"));
    addRiserA();
    const FiberCursor circuits = cursor();
    ASSERT_EQ(circuits.count(), 2);

    const ViewSummaryPage passFail = ViewSummaryPage::of(circuits, 0, SummaryMode::PassFail);
    EXPECT_EQ(passFail.title, "Circuit Results Summary - PASS/FAIL");
    EXPECT_EQ(list(passFail.heads), (QStringList{"850nm", "1300nm", " ", " "}));
    EXPECT_EQ(passFail.rowCount(), 2);
    EXPECT_EQ(passFail.rows[0].caption, "Riser A   :   1");
    EXPECT_EQ(passFail.rows[1].caption, "Riser A   :   2");
    EXPECT_EQ(cellsOf(passFail, 0), (QStringList{"Fail", "Pass", " ", " "}));
    EXPECT_EQ(cellsOf(passFail, 1), (QStringList{"Fail", "Pass", " ", " "}));

    const ViewSummaryPage overhead = ViewSummaryPage::of(circuits, 0, SummaryMode::SystemOverhead);
    EXPECT_EQ(overhead.title, "Circuit Results Summary - System Overhead");
    EXPECT_EQ(cellsOf(overhead, 0), (QStringList{"-0.70dB", "0.80dB", " ", " "}));
    EXPECT_EQ(cellsOf(overhead, 1), (QStringList{"-1.25dB", "6.05dB", " ", " "}));

    const ViewSummaryPage loss = ViewSummaryPage::of(circuits, 0, SummaryMode::OpticalLoss);
    EXPECT_EQ(loss.title, "Circuit Results Summary - Optical Loss");
    EXPECT_EQ(cellsOf(loss, 0), (QStringList{"10.00dB", "4.00dB", " ", " "}));
    EXPECT_EQ(cellsOf(loss, 1), (QStringList{"10.55dB", "-1.25dB", " ", " "}));

    // Rows past the page's circuits stay empty.
    EXPECT_EQ(loss.rows[2].circuitIndex, -1);
    EXPECT_EQ(loss.rows[2].caption, QString());
    EXPECT_EQ(cellsOf(loss, 9), (QStringList{" ", " ", " ", " "}));
}

TEST_F(ViewSummaryPageTest, TenCircuitsToAPageFromTheStartIndex)
{
    const RecordId link = addLink("Backbone", northwind_, kStandardNames);
    for (int i = 1; i <= 12; ++i)
        db_->addFiber(link, QString::number(i), {-21.0f - 0.1f * static_cast<float>(i), 0, -22, 0, 0});
    const FiberCursor circuits = cursor();

    const ViewSummaryPage first = ViewSummaryPage::of(circuits, 0, SummaryMode::OpticalLoss);
    EXPECT_EQ(first.rowCount(), 10);
    EXPECT_EQ(first.rows[9].caption, "Backbone   :   10");
    EXPECT_EQ(first.rows[9].cells[0], "2.00dB");

    const ViewSummaryPage middle = ViewSummaryPage::of(circuits, 5, SummaryMode::OpticalLoss);
    EXPECT_EQ(middle.start, 5);
    EXPECT_EQ(middle.end, 12);
    EXPECT_EQ(middle.rows[0].caption, "Backbone   :   6");
    EXPECT_EQ(middle.rows[0].circuitIndex, 5);
    EXPECT_EQ(middle.rows[6].caption, "Backbone   :   12");

    const ViewSummaryPage past = ViewSummaryPage::of(circuits, 12, SummaryMode::PassFail);
    EXPECT_EQ(past.rowCount(), 0);
    EXPECT_EQ(past.companyCircuitIndex, -1);
    EXPECT_EQ(past.title, "Circuit Results Summary - PASS/FAIL");
    EXPECT_EQ(list(past.heads), (QStringList{" ", " ", " ", " "}));

    const ViewSummaryPage empty = ViewSummaryPage::of(FiberCursor(), 0, SummaryMode::PassFail);
    EXPECT_EQ(empty.rowCount(), 0);
    EXPECT_EQ(empty.companyCircuitIndex, -1);
}

TEST_F(ViewSummaryPageTest, PageEndsBeforeTheCircuitThatBringsAFifthWavelength)
{
    // Four sites of one link, their circuits in the order of their IDs: the
    // first uses 850 and 1300 nm, the second 1550 nm, the third adds 1310 nm,
    // the fourth's 980 nm would be a fifth column.
    const RecordId a = addLink("Riser", northwind_, kStandardNames);
    db_->addFiber(a, "1", {-21, 0, -22, 0, 0});
    db_->addFiber(a, "2", {-21, 0, -22, 0, 0});
    const RecordId b = addLink("Riser", northwind_, kStandardNames);
    db_->addFiber(b, "3", {0, 0, 0, 0, -23});
    const RecordId c = addLink("Riser", northwind_, {"850nm", "980nm", "1310nm", "1480nm", "1550nm"});
    db_->addFiber(c, "4", {0, 0, -24, 0, 0});
    const RecordId d = addLink("Riser", northwind_, kStandardNames);
    db_->addFiber(d, "5", {0, -25, 0, 0, 0});
    db_->addFiber(d, "6", {-21, 0, 0, 0, 0});
    const FiberCursor circuits = cursor();
    ASSERT_EQ(circuits.count(), 6);

    const ViewSummaryPage page = ViewSummaryPage::of(circuits, 0, SummaryMode::OpticalLoss);
    EXPECT_EQ(page.rowCount(), 4);
    EXPECT_EQ(page.rows[3].caption, "Riser   :   4");
    // Equal lengths in text order.
    EXPECT_EQ(list(page.heads), (QStringList{"850nm", "1300nm", "1310nm", "1550nm"}));
    EXPECT_EQ(cellsOf(page, 0), (QStringList{"1.00dB", "2.00dB", "-", "-"}));
    EXPECT_EQ(cellsOf(page, 2), (QStringList{"-", "-", "-", "3.00dB"}));
    EXPECT_EQ(cellsOf(page, 3), (QStringList{"-", "-", "4.00dB", "-"}));

    const ViewSummaryPage next = ViewSummaryPage::of(circuits, page.end, SummaryMode::OpticalLoss);
    EXPECT_EQ(next.rowCount(), 2);
    EXPECT_EQ(list(next.heads), (QStringList{"850nm", "980nm", " ", " "}));
    EXPECT_EQ(cellsOf(next, 0), (QStringList{"-", "5.00dB", " ", " "}));
}

TEST_F(ViewSummaryPageTest, HeadsSortShortNamesFirstAndCellsFollowThem)
{
    const RecordId link = addLink("Campus", northwind_, {"1550nm", "850nm", "1300nm", "980nm", "1480nm"});
    db_->addFiber(link, "1", {-21, -23, -22, 0, 0});
    const ViewSummaryPage page = ViewSummaryPage::of(cursor(), 0, SummaryMode::OpticalLoss);
    EXPECT_EQ(list(page.heads), (QStringList{"850nm", "1300nm", "1550nm", " "}));
    EXPECT_EQ(cellsOf(page, 0), (QStringList{"3.00dB", "2.00dB", "1.00dB", " "}));
}

TEST_F(ViewSummaryPageTest, CircuitMeasuredAtFiveWavelengthsStillGetsItsPage)
{
    const RecordId link = addLink("Lab", northwind_, kStandardNames);
    db_->addFiber(link, "1", {-21, -22, -23, -24, -25});
    db_->addFiber(link, "2", {-21, 0, 0, 0, 0});
    const FiberCursor circuits = cursor();

    const ViewSummaryPage page = ViewSummaryPage::of(circuits, 0, SummaryMode::OpticalLoss);
    ASSERT_EQ(page.rowCount(), 2);
    EXPECT_EQ(list(page.heads), (QStringList{"850nm", "980nm", "1300nm", "1480nm"}));
    EXPECT_EQ(cellsOf(page, 0), (QStringList{"1.00dB", "2.00dB", "3.00dB", "4.00dB"}));
    EXPECT_EQ(cellsOf(page, 1), (QStringList{"1.00dB", "-", "-", "-"}));
}

TEST_F(ViewSummaryPageTest, NotesReplaceVerdictsTheStandardCannotBackUp)
{
    // Riser B: the 850 nm reference set by hand (no verdict, note 1), and no
    // 1550 nm entry in standard 2 for 62.5 um fiber (not covered, note 3).
    ReportTestDatabase::Site riserB;
    riserB.linkId = "Riser B";
    riserB.company = northwind_;
    riserB.wizard = 0x1e;
    riserB.references = {-20, 0, 0, 0, -20};
    db_->addFiber(db_->addSite(riserB), "1", {-25, 0, 0, 0, -22});

    // A 50 um fiber on a 62.5 um link: note 2, whatever the verdict. (Sites
    // of the same link ID, so that the three circuits share a page.)
    ReportTestDatabase::Site mixed;
    mixed.linkId = "Riser B";
    mixed.company = northwind_;
    db_->addFiber(db_->addSite(mixed), "2", {-22, 0, -21, 0, 0}, 1);

    // The same mismatch under a user-defined budget keeps its verdicts.
    ReportTestDatabase::Site userDefined = mixed;
    userDefined.standard = 14;
    db_->addFiber(db_->addSite(userDefined), "3", {-25, 0, -18, 0, 0}, 1);

    const ViewSummaryPage page = ViewSummaryPage::of(cursor(), 0, SummaryMode::PassFail);
    ASSERT_EQ(page.rowCount(), 3);
    EXPECT_EQ(list(page.heads), (QStringList{"850nm", "1300nm", "1550nm", " "}));
    EXPECT_EQ(cellsOf(page, 0), (QStringList{"Note1", "-", "Note3", " "}));
    EXPECT_EQ(cellsOf(page, 1), (QStringList{"Note2", "Note2", "-", " "}));
    EXPECT_EQ(cellsOf(page, 2), (QStringList{"Fail", "Pass", "-", " "}));

    // The summary's notes are texts of their own, apart from the Details table's.
    const StringOverrides german({{StringId::SummaryVerdictNote2, "Hinweis2"},
                                  {StringId::SummaryVerdictPass, "Bestanden"},
                                  {StringId::ViewVerdictNote2, "unused"}});
    const ViewSummaryPage translated = ViewSummaryPage::of(cursor(), 0, SummaryMode::PassFail);
    EXPECT_EQ(cellsOf(translated, 1), (QStringList{"Hinweis2", "Hinweis2", "-", " "}));
    EXPECT_EQ(cellsOf(translated, 2), (QStringList{"Fail", "Bestanden", "-", " "}));
}

TEST_F(ViewSummaryPageTest, ReturnLossOverheadKeepsItsSignInsideTheParentheses)
{
    addOrlLink();
    const FiberCursor circuits = cursor();
    const ViewSummaryPage overhead = ViewSummaryPage::of(circuits, 0, SummaryMode::SystemOverhead);
    EXPECT_EQ(list(overhead.heads), (QStringList{"1310nm", "1550nm", " ", " "}));
    EXPECT_EQ(cellsOf(overhead, 0), (QStringList{"5.00dB", "( -2.50dB )", " ", " "}));
    EXPECT_EQ(cellsOf(overhead, 1), (QStringList{"( -23.50dB )", "-", " ", " "}));

    const ViewSummaryPage passFail = ViewSummaryPage::of(circuits, 0, SummaryMode::PassFail);
    EXPECT_EQ(cellsOf(passFail, 0), (QStringList{"Pass", "Fail", " ", " "}));
    EXPECT_EQ(cellsOf(passFail, 1), (QStringList{"Fail", "-", " ", " "}));
}

TEST_F(ViewSummaryPageTest, APageHoldsOneLinkOfOneCompanyAndTheCompanyBlockIsTheirs)
{
    // Northwind's "A" (12 circuits) and "B" (3); Harbour's own "B" (circuits
    // 4 and 5, after Northwind's) and "C" (23).
    auto addCircuits = [this](const QString& linkId, const RecordId& company, int first, int last) {
        ReportTestDatabase::Site site;
        site.linkId = linkId;
        site.company = company;
        site.temperature = company == harbour_ ? 71.5f : 68;
        const RecordId id = db_->addSite(site);
        for (int i = first; i <= last; ++i)
            db_->addFiber(id, QString::number(i), {-21, 0, -22, 0, 0});
    };
    addCircuits("A", northwind_, 1, 12);
    addCircuits("B", northwind_, 1, 3);
    addCircuits("B", harbour_, 4, 5);
    addCircuits("C", harbour_, 1, 23);
    const FiberCursor circuits = cursor();
    ASSERT_EQ(circuits.count(), 40);
    ViewSummaryPages pages;
    pages.build(circuits);

    const struct
    {
        int start;
        int end;
        const char* first;
        const char* last;
        const char* company;
    } expected[] = {
        {0, 10, "A   :   1", "A   :   10", "Northwind Cabling"},
        // A link's last page is full: it shows A's last ten, not two.
        {2, 12, "A   :   3", "A   :   12", "Northwind Cabling"},
        {12, 15, "B   :   1", "B   :   3", "Northwind Cabling"},
        // The same link ID of another company is a page of its own.
        {15, 17, "B   :   4", "B   :   5", "Harbour Networks"},
        {17, 27, "C   :   1", "C   :   10", "Harbour Networks"},
        {27, 37, "C   :   11", "C   :   20", "Harbour Networks"},
        {30, 40, "C   :   14", "C   :   23", "Harbour Networks"},
    };
    ASSERT_EQ(pages.count(), static_cast<int>(std::size(expected)));
    for (int p = 0; p < pages.count(); ++p) {
        const auto& want = expected[p];
        const ViewSummaryPage page = ViewSummaryPage::of(circuits, pages.start(p), SummaryMode::PassFail);
        EXPECT_EQ(page.start, want.start) << p;
        EXPECT_EQ(page.end, want.end) << p;
        EXPECT_EQ(page.rows[0].caption, want.first) << p;
        EXPECT_EQ(page.rows[static_cast<std::size_t>(page.rowCount() - 1)].caption, want.last) << p;
        EXPECT_EQ(page.company, want.company) << p;
        EXPECT_EQ(page.companyCircuitIndex, page.start) << p;
        for (int i = page.start; i < page.end; ++i)
            EXPECT_EQ(circuits.recordAt(i).companyName, want.company) << p << " " << i;
    }
    // The page shown for a circuit is the last one starting at or before it.
    const std::pair<int, int> pageOf[] = {{0, 0},  {1, 0},  {2, 1},  {11, 1}, {12, 2},
                                          {16, 3}, {29, 5}, {30, 6}, {39, 6}};
    for (const auto& [index, page] : pageOf)
        EXPECT_EQ(pages.pageOf(index), page) << index;

    // The whole block is the page's company's, as stored.
    const ViewSummaryPage harbour = ViewSummaryPage::of(circuits, 15, SummaryMode::PassFail);
    EXPECT_EQ(harbour.telephone, "250-555-0199 "); // in its fixed-width column
    EXPECT_EQ(harbour.serialNumber, "SN:L7731");
    EXPECT_EQ(harbour.firmwareVersion, "3.02");
    EXPECT_EQ(harbour.meterType, "Lintel");
    EXPECT_EQ(harbour.temperature, "71.5 F");
    EXPECT_EQ(harbour.dateOfDownload, circuits.recordAt(15).uploadDateText);
    // Each row still knows its own meter and temperature.
    const ViewSummaryPage northwind = ViewSummaryPage::of(circuits, 12, SummaryMode::PassFail);
    EXPECT_EQ(northwind.rows[0].meterType, "Pendra");
    EXPECT_EQ(northwind.rows[0].temperature, "68.0 F");
}

TEST_F(ViewSummaryPageTest, GermanLocaleWritesDecimalCommas)
{
    addRiserA();
    const LocaleGuard german("de_DE");
    const FiberCursor circuits = cursor();
    const ViewSummaryPage overhead = ViewSummaryPage::of(circuits, 0, SummaryMode::SystemOverhead);
    EXPECT_EQ(cellsOf(overhead, 0), (QStringList{"-0,70dB", "0,80dB", " ", " "}));
    const ViewSummaryPage loss = ViewSummaryPage::of(circuits, 0, SummaryMode::OpticalLoss);
    EXPECT_EQ(cellsOf(loss, 1), (QStringList{"10,55dB", "-1,25dB", " ", " "}));
    EXPECT_EQ(overhead.temperature, "72,5 F");
}

TEST_F(ViewSummaryPageTest, RepeatedWavelengthNameTakesTheSlotThatWasMeasured)
{
    // Two slots share a name; the fiber was measured in the second only.
    const RecordId link = addLink("Patch", northwind_, {"850nm", "850nm", "1300nm", "1480nm", "1550nm"});
    db_->addFiber(link, "1", {0, -21, 0, 0, 0});
    const FiberCursor circuits = cursor();
    EXPECT_EQ(cellsOf(ViewSummaryPage::of(circuits, 0, SummaryMode::OpticalLoss), 0),
              (QStringList{"1.00dB", " ", " ", " "}));
    EXPECT_EQ(cellsOf(ViewSummaryPage::of(circuits, 0, SummaryMode::PassFail), 0),
              (QStringList{"Pass", " ", " ", " "}));
}
