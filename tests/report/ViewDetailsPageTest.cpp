#include "report/ViewDetailsPage.h"
#include "ViewPagesFixture.h"
#include "app/StringIds.h"
#include "report/ViewCaptions.h"
#include "support/LocaleGuard.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

using ViewDetailsPageTest = ViewPagesFixture;

QStringList column(const ViewDetailsPage& page, int c)
{
    QStringList texts;
    for (const auto& row : page.cells)
        texts << row[static_cast<std::size_t>(c)];
    return texts;
}

const QStringList kBlankColumn(ViewDetailsPage::kRowCount, " ");

} // namespace

TEST_F(ViewDetailsPageTest, LossCircuitShowsItsLinkItsBudgetAndItsResults)
{
    addRiserA();
    const FiberCursor circuits = cursor();
    const CircuitRecord& circuit = circuits.recordAt(0);
    const ViewDetailsPage page = ViewDetailsPage::of(circuit, true);

    EXPECT_EQ(page.company, "Northwind Cabling");
    EXPECT_EQ(page.telephone, "604-555-0142 "); // as stored, in its fixed-width column
    EXPECT_EQ(page.meterType, "Pendra");
    EXPECT_EQ(page.serialNumber, "SN:P204417");
    EXPECT_EQ(page.firmwareVersion, "2.10");
    EXPECT_EQ(page.linkId, "Riser A");
    EXPECT_EQ(page.linkComment, "North riser");
    EXPECT_EQ(page.circuitId, "1");
    EXPECT_EQ(page.dateOfTest, "3/14/2024");
    EXPECT_EQ(page.calibrationDate, "11/2/2023");
    EXPECT_EQ(page.dateOfDownload, circuit.uploadDateText);
    EXPECT_EQ(page.temperature, "72.5 F");
    EXPECT_EQ(page.lengthCaption, "Fiber Length (in kilometers)");
    EXPECT_EQ(page.length, "2.00");
    EXPECT_EQ(page.connectorPairs, "2");
    EXPECT_EQ(page.splices, "1");
    EXPECT_EQ(page.cableType, "62.5uM MM");
    EXPECT_EQ(page.standard, "EIA/TIA 568-A / CAN-T529");

    EXPECT_EQ(page.title, "Passive Cable System Attentuation");
    EXPECT_EQ(list(page.heads), (QStringList{"850nm", "1300nm", " ", " "}));
    EXPECT_EQ(list(page.rowCaptions),
              (QStringList{"Light Source Reference Power", "Fiber Loss", "Connector Loss", "Splice Loss",
                           "Total Allowable System Loss", "System Reference Power", "Measured Power",
                           "Optical Loss", "System Overhead", "Pass/Fail"}));
    EXPECT_EQ(column(page, 0), (QStringList{"-20.00dBm", "7.50dB", "1.50dB", "0.30dB", "9.30dB", "-29.30dBm",
                                            "-30.00dBm", "10.00dB", "-0.70dB", "Fail"}));
    EXPECT_EQ(column(page, 1), (QStringList{"-20.00dBm", "3.00dB", "1.50dB", "0.30dB", "4.80dB", "-24.80dBm",
                                            "-24.00dBm", "4.00dB", "0.80dB", "Pass"}));
    EXPECT_EQ(column(page, 2), kBlankColumn);
    EXPECT_EQ(column(page, 3), kBlankColumn);
}

TEST_F(ViewDetailsPageTest, LengthInFeetIsRoundedToWholeFeet)
{
    ReportTestDatabase::Site site;
    site.linkId = "Short run";
    site.company = northwind_;
    site.lengthMetres = 300;
    db_->addFiber(db_->addSite(site), "1", {-21, 0, -21, 0, 0});
    addRiserA();
    const FiberCursor circuits = cursor();
    ASSERT_EQ(circuits.recordAt(2).linkId, "Short run");

    const ViewDetailsPage feet = ViewDetailsPage::of(circuits.recordAt(2), false);
    EXPECT_EQ(feet.lengthCaption, "Fiber Length (in feet)");
    EXPECT_EQ(feet.length, "984");
    EXPECT_EQ(ViewDetailsPage::of(circuits.recordAt(2), true).length, "0.30");
    // Whole feet are grouped like every other number.
    EXPECT_EQ(ViewDetailsPage::of(circuits.recordAt(0), false).length, "6,562");
}

TEST_F(ViewDetailsPageTest, ReturnLossCircuitShowsOnlyItsFourRowsAndNoLinkMakeup)
{
    addOrlLink();
    const FiberCursor circuits = cursor();
    const ViewDetailsPage page = ViewDetailsPage::of(circuits.recordAt(0), true);

    EXPECT_EQ(page.title, " ");
    EXPECT_EQ(page.length, "-");
    EXPECT_EQ(page.connectorPairs, "-");
    EXPECT_EQ(page.splices, "-");
    EXPECT_EQ(page.cableType, "-");
    EXPECT_EQ(page.temperature, "72.5 F");
    EXPECT_EQ(page.standard, "Plant ORL");
    EXPECT_EQ(page.rows, (std::vector<int>{10, 6, 9, 13}));
    EXPECT_EQ(list(page.rowCaptions), (QStringList{"Return Loss", "Required Return Loss", "System Overhead",
                                                   "Pass/Fail", "", "", "", "", "", ""}));
    EXPECT_EQ(list(page.heads), (QStringList{"1310nm", "1550nm", " ", " "}));
    EXPECT_EQ(column(page, 0),
              (QStringList{"25.00dB", "20.00dB", "5.00dB", "Pass", " ", " ", " ", " ", " ", " "}));
    EXPECT_EQ(column(page, 1),
              (QStringList{"17.50dB", "20.00dB", "-2.50dB", "Fail", " ", " ", " ", " ", " ", " "}));
    EXPECT_EQ(column(page, 2), kBlankColumn);

    // A negative return loss is shown by its magnitude; the column the
    // fiber was not measured in keeps "-" in its used rows.
    const ViewDetailsPage second = ViewDetailsPage::of(circuits.recordAt(1), true);
    EXPECT_EQ(column(second, 0),
              (QStringList{"( 3.50dB )", "20.00dB", "-23.50dB", "Fail", " ", " ", " ", " ", " ", " "}));
    EXPECT_EQ(column(second, 1), (QStringList{"-", "-", "-", "-", " ", " ", " ", " ", " ", " "}));
}

TEST_F(ViewDetailsPageTest, NotesAndRowsAReferenceSetByHandLeavesOut)
{
    ReportTestDatabase::Site riserB;
    riserB.linkId = "Riser B";
    riserB.company = harbour_;
    riserB.wizard = 0x1e;
    riserB.references = {-20, 0, 0, 0, -20};
    db_->addFiber(db_->addSite(riserB), "1", {-25, 0, 0, 0, -22});
    const ViewDetailsPage page = ViewDetailsPage::of(cursor().recordAt(0), true);

    EXPECT_EQ(list(page.heads), (QStringList{"850nm", "1550nm", " ", " "}));
    // 850 nm: no verdict, so no reference or allowance rows; 1550 nm: no
    // entry in the standard, so no allowances to speak of.
    EXPECT_EQ(column(page, 0), (QStringList{"-", "-", "-", "-", "9.30dB", "-20.00dBm", "-25.00dBm", "5.00dB",
                                            "-5.00dB", "Note1"}));
    EXPECT_EQ(column(page, 1), (QStringList{"-20.00dBm", "0.00dB", "0.00dB", "0.00dB", "0.00dB", "-20.00dBm",
                                            "-22.00dBm", "2.00dB", "-2.00dB", "Note3"}));
    EXPECT_EQ(page.length, "2.00");
    EXPECT_EQ(page.meterType, "Lintel");
}

TEST_F(ViewDetailsPageTest, LinkFiguresWithoutAnyJudgedColumnAreDashes)
{
    ReportTestDatabase::Site manual;
    manual.linkId = "Manual";
    manual.company = northwind_;
    manual.wizard = 0;
    db_->addFiber(db_->addSite(manual), "1", {-22, 0, -21, 0, 0});

    // A user-defined budget judges no loss against a standard either; its
    // verdicts stand even on a fiber type mismatch.
    ReportTestDatabase::Site userDefined = manual;
    userDefined.linkId = "Own budget";
    userDefined.wizard = 0x1f;
    userDefined.standard = 14;
    db_->addFiber(db_->addSite(userDefined), "1", {-25, 0, -18, 0, 0}, 1);

    // A fiber type mismatch under a standard hides the verdicts behind note 2.
    ReportTestDatabase::Site mixed = userDefined;
    mixed.linkId = "Mixed";
    mixed.standard = 2;
    db_->addFiber(db_->addSite(mixed), "1", {-22, 0, -21, 0, 0}, 1);

    const FiberCursor circuits = cursor();
    ASSERT_EQ(circuits.count(), 3);
    const ViewDetailsPage manualPage = ViewDetailsPage::of(circuits.recordAt(0), true);
    ASSERT_EQ(manualPage.linkId, "Manual");
    EXPECT_EQ(manualPage.temperature, "-");
    EXPECT_EQ(manualPage.length, "-");
    EXPECT_EQ(manualPage.connectorPairs, "-");
    EXPECT_EQ(manualPage.splices, "-");
    EXPECT_EQ(manualPage.cableType, "62.5uM MM");
    EXPECT_EQ(manualPage.cells[9][0], "Note1");

    const ViewDetailsPage mixedPage = ViewDetailsPage::of(circuits.recordAt(1), true);
    ASSERT_EQ(mixedPage.linkId, "Mixed");
    EXPECT_EQ(mixedPage.cells[9][0], "Note2");
    EXPECT_EQ(mixedPage.cells[9][1], "Note2");
    EXPECT_EQ(mixedPage.length, "2.00");

    const ViewDetailsPage ownPage = ViewDetailsPage::of(circuits.recordAt(2), true);
    ASSERT_EQ(ownPage.linkId, "Own budget");
    EXPECT_EQ(ownPage.standard, "User defined link budget");
    EXPECT_EQ(ownPage.cells[9][0], "Fail");
    EXPECT_EQ(ownPage.cells[9][1], "Pass");
    EXPECT_EQ(ownPage.length, "-");
    EXPECT_EQ(ownPage.temperature, "-");
}

TEST_F(ViewDetailsPageTest, GermanLocaleAndLanguageModuleTexts)
{
    addRiserA();
    const LocaleGuard german("de_DE");
    const StringOverrides texts({{StringId::ViewRowPassFail, "Ergebnis"},
                                 {StringId::ViewVerdictPass, "Bestanden"},
                                 {StringId::LengthCaptionKilometers, "Faserlänge (in Kilometern)"}});
    const FiberCursor circuits = cursor();
    const ViewDetailsPage page = ViewDetailsPage::of(circuits.recordAt(0), true);
    EXPECT_EQ(page.length, "2,00");
    EXPECT_EQ(page.lengthCaption, "Faserlänge (in Kilometern)");
    EXPECT_EQ(page.temperature, "72,5 F");
    EXPECT_EQ(page.rowCaptions[9], "Ergebnis");
    EXPECT_EQ(column(page, 1), (QStringList{"-20,00dBm", "3,00dB", "1,50dB", "0,30dB", "4,80dB", "-24,80dBm",
                                            "-24,00dBm", "4,00dB", "0,80dB", "Bestanden"}));
    EXPECT_EQ(ViewDetailsPage::of(circuits.recordAt(0), false).length, "6.562");
}

TEST(ViewCaptions, EveryDetailsValueHasItsOwnTranslatableCaption)
{
    QSet<int> captionControls;
    QSet<int> valueControls;
    QSet<int> strings;
    for (const ViewCaption& caption : viewCaptions()) {
        if (caption.captionControlId != 0)
            captionControls.insert(caption.captionControlId);
        valueControls.insert(caption.valueControlId);
        strings.insert(caption.stringId);
        EXPECT_FALSE(Strings::loadString(caption.stringId).trimmed().isEmpty()) << caption.stringId;
    }
    // The Details-only captions (the link block's frame 1129 and the length
    // caption 1130 aside) and the company block's five.
    EXPECT_EQ(captionControls, (QSet<int>{1124, 1125, 1126, 1127, 1128, 1131, 1132, 1133, 1145, 1148, 1175}));
    EXPECT_EQ(valueControls, (QSet<int>{1002, 1051, 1005, 1006, 1007, 1058, 1060, 1061, 1062, 1063, 1012,
                                        1013, 1014, 1146, 1149, 1174}));
    EXPECT_EQ(strings.size(), static_cast<qsizetype>(viewCaptions().size()));

    EXPECT_EQ(viewCaptionText(1175), "Link Comment");
    EXPECT_EQ(viewCaptionTextForValue(1002), "Company");
    EXPECT_EQ(viewCaptionText(1130), QString());
    EXPECT_EQ(viewCaptionText(0), QString());

    const StringOverrides german({{StringId::ViewCaptionLinkComment, "Verbindungskommentar"}});
    EXPECT_EQ(viewCaptionText(1175), "Verbindungskommentar");
    EXPECT_EQ(viewCaptionTextForValue(1174), "Verbindungskommentar");
}
