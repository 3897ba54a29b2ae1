#include "WindowFixture.h"

#include "gui/CommandIds.h"
#include "gui/ViewControlIds.h"
#include "support/TestDatabaseBuilder.h"

#include <gtest/gtest.h>

#include <QGroupBox>

using namespace CommandIds;
using namespace ViewControlIds;

TEST_F(WindowTest, TheWindowOpensEmptyInSummaryAndSaysSo)
{
    EXPECT_TRUE(view().showsNoData());
    EXPECT_FALSE(view().showsDetails());
    EXPECT_TRUE(control<QLabel>(kNoData)->isVisible());
    EXPECT_EQ(record(), "Record 0 of 0");
    for (int id : {First, Previous, Previous10, Next, Next10, Last, EditDelete, Print})
        EXPECT_FALSE(frame_->command(id)->isEnabled()) << id;
    EXPECT_EQ(frame_->windowTitle(), "FibLog[*] - Fibrolog");
    trigger(ViewDetails);
    EXPECT_TRUE(view().showsNoData());
}

TEST_F(WindowTest, PagingThroughTheSampleKeepsThePositionInTheStatusBar)
{
    ASSERT_TRUE(document().loadFile(sample("pendra-v2_10.kav")));
    EXPECT_FALSE(view().showsNoData());
    EXPECT_EQ(record(), "Record 1 of 19");
    screenshot(*frame_, "window-summary");

    trigger(CableMargin);
    EXPECT_EQ(control<QGroupBox>(kSummaryGroup)->title(), "Circuit Results Summary - System Overhead");
    EXPECT_TRUE(text(summaryCell(0, 0)).endsWith("dB")) << text(summaryCell(0, 0)).toStdString();
    trigger(OpticalLoss);
    EXPECT_EQ(control<QGroupBox>(kSummaryGroup)->title(), "Circuit Results Summary - Optical Loss");
    trigger(PassFail);

    // Details pages circuit by circuit.
    trigger(ViewDetails);
    EXPECT_TRUE(view().showsDetails());
    EXPECT_FALSE(frame_->command(First)->isEnabled());
    EXPECT_TRUE(frame_->command(Next)->isEnabled());
    trigger(Next10);
    EXPECT_EQ(record(), "Record 11 of 19");
    trigger(Last);
    EXPECT_EQ(record(), "Record 19 of 19");
    EXPECT_FALSE(frame_->command(Next)->isEnabled());
    trigger(Next);
    EXPECT_EQ(record(), "Record 19 of 19") << "on the last circuit, Next leaves the position";
    trigger(Previous);
    EXPECT_EQ(record(), "Record 18 of 19");
    trigger(First);
    EXPECT_EQ(record(), "Record 1 of 19");

    EXPECT_FALSE(frame_->command(PassFail)->isEnabled());
    EXPECT_FALSE(frame_->command(ViewDetailsToggle)->isVisible());
    EXPECT_TRUE(frame_->command(ViewSummaryToggle)->isVisible());
    EXPECT_EQ(text(kLinkId), "ADMIN MDF-IDF1");
    EXPECT_EQ(text(kCircuitId), "01");
    EXPECT_EQ(text(kLength), "0.32");
    trigger(Feet);
    EXPECT_EQ(text(kLengthCaption), "Fiber Length (in feet)");
    EXPECT_EQ(text(kLength), "1,066");
    trigger(Meters);
    screenshot(*frame_, "window-details");
}

namespace {

// Northwind's links "A" (12 circuits) and "B" (3), Harbour's own "B"
// (circuits 4 and 5) and "C" (23): forty circuits in that order.
QString makeTwoCompanies(const QString& file)
{
    TestDatabaseBuilder builder(file);
    const RecordId northwind = builder.addCompany("Northwind Cabling", "SN:P204417", "2.10", "604-555-0142");
    const RecordId harbour = builder.addCompany("Harbour Networks", "SN:L7731", "3.02", "250-555-0199");
    const auto addLink = [&builder](const QString& linkId, const RecordId& company, int first, int last) {
        TestDatabaseBuilder::Site site;
        site.name = linkId;
        site.company = company;
        const RecordId id = builder.addSite(site);
        for (int i = first; i <= last; ++i)
            builder.addFiber(id, QString::number(i), 0, {-25.0f, 0, 0, 0, 0});
    };
    addLink("A", northwind, 1, 12);
    addLink("B", northwind, 1, 3);
    addLink("B", harbour, 4, 5);
    addLink("C", harbour, 1, 23);
    return file;
}

} // namespace

TEST_F(WindowTest, SummaryPagesHoldOneLinkOfOneCompanyAndThePagingCommandsMoveByPages)
{
    ASSERT_TRUE(frame_->openFile(makeTwoCompanies(path("two.mdb"))));
    ASSERT_FALSE(view().showsDetails());
    const auto shownRows = [this] {
        int rows = 0;
        for (int r = 0; r < 10; ++r)
            rows += control<QLabel>(summaryRowCaption(r))->isVisible() ? 1 : 0;
        return rows;
    };
    const struct
    {
        const char* record;
        int rows;
        const char* first;
        const char* last;
        const char* company;
        const char* telephone;
    } pages[] = {
        {"Record 1 of 40", 10, "A   :   1", "A   :   10", "Northwind Cabling", "604-555-0142"},
        // A's last page is full: A's last ten circuits, not two.
        {"Record 3 of 40", 10, "A   :   3", "A   :   12", "Northwind Cabling", "604-555-0142"},
        {"Record 13 of 40", 3, "B   :   1", "B   :   3", "Northwind Cabling", "604-555-0142"},
        // Harbour's link of the same name is a page of its own, under its company.
        {"Record 16 of 40", 2, "B   :   4", "B   :   5", "Harbour Networks", "250-555-0199"},
        {"Record 18 of 40", 10, "C   :   1", "C   :   10", "Harbour Networks", "250-555-0199"},
        {"Record 28 of 40", 10, "C   :   11", "C   :   20", "Harbour Networks", "250-555-0199"},
        {"Record 31 of 40", 10, "C   :   14", "C   :   23", "Harbour Networks", "250-555-0199"},
    };
    for (std::size_t p = 0; p < std::size(pages); ++p) {
        if (p > 0)
            trigger(Next);
        const auto& page = pages[p];
        EXPECT_EQ(record(), page.record) << p;
        EXPECT_EQ(shownRows(), page.rows) << p;
        EXPECT_EQ(text(summaryRowCaption(0)), page.first) << p;
        EXPECT_EQ(text(summaryRowCaption(page.rows - 1)), page.last) << p;
        EXPECT_EQ(text(kCompany), page.company) << p;
        EXPECT_EQ(text(kTelephone), page.telephone) << p;
        EXPECT_EQ(frame_->command(Previous)->isEnabled(), p > 0) << p;
        EXPECT_EQ(frame_->command(Next)->isEnabled(), p + 1 < std::size(pages)) << p;
    }
    screenshot(*frame_, "window-summary-last-page");

    const struct
    {
        int command;
        const char* record;
    } moves[] = {
        {Previous, "Record 28 of 40"},  {First, "Record 1 of 40"}, {Next10, "Record 31 of 40"},
        {Previous10, "Record 1 of 40"}, {Last, "Record 31 of 40"}, {Previous, "Record 28 of 40"},
    };
    for (const auto& move : moves) {
        trigger(move.command);
        EXPECT_EQ(record(), move.record) << move.command;
    }

    // The Summary shows the page that holds the circuit Details showed.
    trigger(ViewDetails);
    trigger(First);
    for (int i = 0; i < 13; ++i)
        trigger(Next);
    EXPECT_EQ(text(kCircuitId), "2");
    trigger(ViewSummary);
    EXPECT_EQ(record(), "Record 14 of 40");
    EXPECT_EQ(text(summaryRowCaption(0)), "B   :   1");
    EXPECT_EQ(shownRows(), 3);
    trigger(Previous);
    EXPECT_EQ(record(), "Record 3 of 40");
}

TEST_F(WindowTest, TypingInAFieldIsOneSignalAKeyAndShowsOnlyWhatChanged)
{
    ASSERT_TRUE(frame_->openFile(makeTwoCompanies(path("two.mdb"))));
    int signalCount = 0;
    int lastCircuits = 0;
    QObject counter;
    QObject::connect(&document(), &CFibrologDoc::circuitsChanged, &counter, [&](const CircuitChange& change) {
        ++signalCount;
        lastCircuits = change.circuits.count();
    });
    // A label the view sets anew loses its mark.
    const auto mark = [this](const QList<int>& ids) {
        for (int id : ids)
            control<QLabel>(id)->setText(QStringLiteral("mark"));
    };
    const auto marked = [this](const QList<int>& ids) {
        QList<int> kept;
        for (int id : ids) {
            if (text(id) == "mark")
                kept << id;
        }
        return kept;
    };
    QList<int> summary{kMeterType, kSerialNumber, kFirmware};
    for (int r = 0; r < 10; ++r) {
        summary << summaryRowCaption(r);
        for (int c = 0; c < 4; ++c)
            summary << summaryCell(r, c);
    }
    for (int id : kSummaryHeads)
        summary << id;

    // Summary, page 1 of Northwind's fifteen circuits: four keys, four signals,
    // no row of the table built again.
    mark(summary);
    QLineEdit* company = control<QLineEdit>(kCompany);
    company->setFocus();
    company->end(false);
    QTest::keyClicks(company, " Ltd");
    EXPECT_EQ(signalCount, 4);
    EXPECT_EQ(lastCircuits, 15);
    EXPECT_EQ(document().circuits().recordAt(14).companyName, "Northwind Cabling Ltd");
    EXPECT_EQ(document().circuits().recordAt(15).companyName, "Harbour Networks");
    EXPECT_EQ(text(kCompany), "Northwind Cabling Ltd");
    EXPECT_EQ(marked(summary), summary);

    // Edits of circuits the page does not show change nothing on it.
    ASSERT_TRUE(document().setCompany(39, "Harbour", "250-555-0100").ok());
    ASSERT_TRUE(document().renameCircuit(25, "C-9").ok());
    EXPECT_EQ(marked(summary), summary);
    EXPECT_EQ(text(kCompany), "Northwind Cabling Ltd");
    // A circuit of the page renamed: its row's caption, nothing else.
    ASSERT_TRUE(document().renameCircuit(2, "3a").ok());
    EXPECT_EQ(text(summaryRowCaption(2)), "A   :   3a");
    QList<int> others = summary;
    others.removeOne(summaryRowCaption(2));
    EXPECT_EQ(marked(summary), others);
    EXPECT_EQ(signalCount, 7);

    // Details: one key in each field is one signal and shows that field alone anew.
    trigger(ViewDetails);
    QList<int> details{kMeterType,      kSerialNumber, kFirmware,    kDateOfTest,     kCalibrationDate,
                       kDateOfDownload, kTemperature,  kLength,      kConnectorPairs, kSplices,
                       kCableType,      kStandard,     kResultsTitle};
    for (int r = 0; r < 10; ++r) {
        details << kDetailRowCaptions[static_cast<std::size_t>(r)];
        for (int c = 0; c < 4; ++c)
            details << detailCell(r, c);
    }
    mark(details);
    const struct
    {
        int field;
        int circuits; // that the key changed
    } keys[] = {{kTelephone, 15}, {kLinkId, 12}, {kLinkComment, 12}, {kCircuitId, 1}};
    for (const auto& key : keys) {
        const int before = signalCount;
        QLineEdit* edit = control<QLineEdit>(key.field);
        edit->setFocus();
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_9);
        EXPECT_EQ(signalCount, before + 1) << key.field;
        EXPECT_EQ(lastCircuits, key.circuits) << key.field;
        EXPECT_TRUE(text(key.field).endsWith('9')) << key.field;
    }
    EXPECT_EQ(document().circuits().recordAt(0).linkId, "A9");
    EXPECT_EQ(document().circuits().recordAt(0).circuitId, "19");
    EXPECT_EQ(marked(details), details);
}

TEST_F(WindowTest, FileOpenStoresAMetersDataFileAsADownload)
{
    filesToOpen_ << sample("lintel-v2_5.kav");
    trigger(FileOpen);
    EXPECT_EQ(document().circuits().count(), 7);
    EXPECT_TRUE(document().isModified());
    EXPECT_EQ(record(), "Record 1 of 7");
}
