#include "wizards/CLossWizard.h"

#include "DialogScreenshot.h"
#include "WizardDriver.h"
#include "report/LossWizardReport.h"
#include "standards/StandardsCatalog.h"
#include "support/ScriptedPrompt.h"
#include "support/TestFiles.h"
#include "wizards/CLinkWizardLengthPage.h"
#include "wizards/CLossWizardSummary.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

const QString kPlanId = QStringLiteral("{guid {6b1f3c2e-9a4d-4e57-8c21-0d9e5f7a3b10}}");

// A custom standard with allowances only, so that 2 km, 2 pairs and 1 splice
// give 2 x 3.75 + 2 x 0.75 + 0.3 = 9.3 dB at each wavelength; single-mode only.
void addPlanStandard(StandardsCatalog& catalog)
{
    for (const char* wavelength : {"1310nm", "1550nm"}) {
        for (std::uint8_t type : {2, 3}) {
            StandardEntry entry;
            entry.standardNumber = 0;
            entry.standardName = QStringLiteral("Campus Plan");
            entry.customStandardId = kPlanId;
            entry.fiberType = type;
            entry.wavelength = QLatin1String(wavelength);
            entry.attenuation = 3.75f;
            entry.connectorLoss = 0.75f;
            entry.spliceLoss = 0.3f;
            catalog.add(entry);
        }
    }
    // No link has fiber type 9: a standard of only that type cannot be chosen.
    StandardEntry odd;
    odd.standardName = QStringLiteral("Odd Types");
    odd.customStandardId = QStringLiteral("{guid {6b1f3c2e-9a4d-4e57-8c21-0d9e5f7a3b11}}");
    odd.fiberType = 9;
    odd.wavelength = QStringLiteral("1310nm");
    catalog.add(odd);
}

class LossWizardTest : public TempDirTest
{
protected:
    LossWizardTest() : wizard_(QStringLiteral("Loss Wizard"), catalog_, prompt_), drive_(wizard_)
    {
        addPlanStandard(catalog_);
        wizard_.setPrintReport([this](PagedReport& report) {
            printed_ = dynamic_cast<LossWizardReport*>(&report)
                           ? static_cast<LossWizardReport&>(report).summary()
                           : LossSummary();
            ++prints_;
        });
        wizard_.buildPages();
        wizard_.show();
    }

    QStringList listTexts(const char* name)
    {
        QStringList texts;
        const auto* list = drive_.find<QListWidget>(name);
        for (int i = 0; list && i < list->count(); ++i)
            texts.append(list->item(i)->text());
        return texts;
    }
    QStringList comboTexts(const char* name)
    {
        QStringList texts;
        const auto* combo = drive_.find<QComboBox>(name);
        for (int i = 0; combo && i < combo->count(); ++i)
            texts.append(combo->itemText(i));
        return texts;
    }
    QString label(const char* name) { return drive_.find<QLabel>(name)->text(); }

    // Standard, fiber type, length and counts, up to the summary.
    void walkToSummary(const QString& standard, const QString& fiberType, const QString& length,
                       const char* unit, const QString& connectors, const QString& splices)
    {
        ASSERT_TRUE(drive_.choose("c1149", standard));
        drive_.next();
        ASSERT_TRUE(drive_.choose("c1152", fiberType));
        drive_.next();
        drive_.click(unit);
        drive_.type("c1055", length);
        drive_.next();
        drive_.type("c1153", connectors);
        drive_.type("c1057", splices);
        drive_.next();
    }

    StandardsCatalog catalog_;
    ScriptedPrompt prompt_;
    CLossWizard wizard_;
    WizardDriver drive_;
    LossSummary printed_;
    int prints_ = 0;
};

} // namespace

TEST_F(LossWizardTest, TheStandardPageListsEveryStandardOnceAndWhatTheChosenOneCovers)
{
    EXPECT_EQ(wizard_.windowTitle(), "Link Wizard - Standard Selection");
    EXPECT_FALSE(drive_.canGoBack());
    EXPECT_FALSE(drive_.canGoNext()) << "no standard chosen yet";
    const QStringList standards = comboTexts("c1149");
    EXPECT_EQ(standards.count("Campus Plan"), 1) << "four entries, one standard";
    EXPECT_EQ(standards.count("Odd Types"), 0) << "no fiber type a link can have";
    QStringList sorted = standards;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; });
    EXPECT_EQ(standards, sorted);
    EXPECT_GT(standards.size(), 20);

    ASSERT_TRUE(drive_.choose("c1149", "Campus Plan"));
    EXPECT_TRUE(drive_.canGoNext());
    EXPECT_EQ(listTexts("c1151"), QStringList({"1310nm", "1550nm"}));
    EXPECT_EQ(listTexts("c1153"), QStringList({"INDOOR SM", "OUTDOOR SM"}));
    saveScreenshot(wizard_, dir_.path(), "loss-wizard-1-standard");

    drive_.next();
    ASSERT_TRUE(wizard_.standardKey().has_value());
    EXPECT_EQ(wizard_.standardKey()->wavelengthNumber, -1);
    EXPECT_EQ(wizard_.standardKey()->fiberType, StandardKey::kAnyFiberType);
    EXPECT_EQ(recordIdFromGuid(wizard_.standardKey()->customGuid), kPlanId);
}

TEST_F(LossWizardTest, TheFiberTypePageOffersTheStandardsTypesAndKeepsAChoiceStillOffered)
{
    ASSERT_TRUE(drive_.choose("c1149", "Campus Plan"));
    drive_.next();
    EXPECT_EQ(wizard_.windowTitle(), "Link Wizard - Fiber Type Selection");
    EXPECT_EQ(comboTexts("c1152"), QStringList({"INDOOR SM", "OUTDOOR SM"}));
    EXPECT_FALSE(drive_.canGoNext());
    EXPECT_TRUE(drive_.canGoBack());
    ASSERT_TRUE(drive_.choose("c1152", "OUTDOOR SM"));
    EXPECT_TRUE(drive_.canGoNext());
    saveScreenshot(wizard_, dir_.path(), "loss-wizard-2-fiber-type");

    // Back, another standard with outdoor single-mode entries: the choice stays.
    drive_.back();
    const QString other = comboTexts("c1149").first() == "Campus Plan" ? comboTexts("c1149").at(1)
                                                                       : comboTexts("c1149").first();
    ASSERT_TRUE(drive_.choose("c1149", other));
    drive_.next();
    if (comboTexts("c1152").contains("OUTDOOR SM")) {
        EXPECT_EQ(drive_.find<QComboBox>("c1152")->currentText(), "OUTDOOR SM");
        EXPECT_TRUE(drive_.canGoNext());
    } else {
        EXPECT_EQ(drive_.find<QComboBox>("c1152")->currentIndex(), -1);
        EXPECT_FALSE(drive_.canGoNext());
    }

    // Back to the plan: the page is rebuilt and offers the plan's types again.
    drive_.back();
    ASSERT_TRUE(drive_.choose("c1149", "Campus Plan"));
    drive_.next();
    EXPECT_EQ(comboTexts("c1152"), QStringList({"INDOOR SM", "OUTDOOR SM"}));
    ASSERT_TRUE(drive_.choose("c1152", "INDOOR SM"));
    drive_.next();
    EXPECT_EQ(wizard_.standardKey()->fiberType, 2);
}

TEST_F(LossWizardTest, TheLengthPageConvertsUnitsAndRefusesWhatIsNoLengthWithoutLeavingThePage)
{
    ASSERT_TRUE(drive_.choose("c1149", "Campus Plan"));
    drive_.next();
    ASSERT_TRUE(drive_.choose("c1152", "INDOOR SM"));
    drive_.next();
    auto* page = qobject_cast<CLinkWizardLengthPage*>(wizard_.currentPage());
    ASSERT_NE(page, nullptr);
    drive_.type("c1055", "1000");
    EXPECT_FALSE(drive_.canGoNext()) << "a length without a unit";
    drive_.click("c1171"); // Meters
    EXPECT_TRUE(drive_.canGoNext());
    EXPECT_DOUBLE_EQ(page->lengthKm(), 1.0);
    drive_.click("c1170"); // Feet: the same length shown in feet
    EXPECT_EQ(drive_.find<QLineEdit>("c1055")->text(), "3280.84");
    EXPECT_DOUBLE_EQ(page->lengthKm(), 1.0);
    drive_.click("c1172"); // Kilometers
    EXPECT_EQ(drive_.find<QLineEdit>("c1055")->text(), "1");
    saveScreenshot(wizard_, dir_.path(), "loss-wizard-3-length");

    drive_.click("c1170");
    drive_.type("c1055", "1000");
    EXPECT_NEAR(page->lengthKm(), 0.3048, 1e-12);
    drive_.click("c1173"); // Miles
    drive_.type("c1055", "1");
    EXPECT_DOUBLE_EQ(page->lengthKm(), 1.609347);

    // Typing passes through texts that are no number: nothing is said until Next.
    drive_.type("c1055", "-");
    drive_.type("c1055", "");
    EXPECT_TRUE(prompt_.exchanges().isEmpty());
    drive_.next();
    EXPECT_EQ(prompt_.texts(), QStringList({"Please enter a number."}));
    EXPECT_EQ(wizard_.currentPage(), page);

    drive_.type("c1055", "-2");
    drive_.next();
    EXPECT_EQ(prompt_.texts().last(), "The length cannot be negative.");
    EXPECT_EQ(wizard_.currentPage(), page);

    // A length no link has is refused in every unit, naming the bound: a
    // slip of 1e40 gave every fiber an infinite allowance and a "Pass".
    const QString bound = "The length must be from 0 to 500 km (1,640,419 ft): no tested link is longer.";
    const std::pair<const char*, const char*> beyond[] = {
        {"c1172", "1e40"}, {"c1172", "500.001"}, {"c1171", "500001"}, {"c1170", "1640420"}, {"c1173", "311"}};
    for (const auto& [unit, text] : beyond) {
        drive_.click(unit);
        drive_.type("c1055", text);
        drive_.next();
        EXPECT_EQ(prompt_.texts().last(), bound) << text;
        EXPECT_EQ(wizard_.currentPage(), page) << text;
    }

    drive_.type("c1055", "0");
    drive_.next();
    EXPECT_NE(wizard_.currentPage(), page) << "a length of 0 is allowed";
    EXPECT_EQ(wizard_.lengthKm(), 0.0f);
    drive_.back();
    drive_.click("c1170");
    drive_.type("c1055", "1640419");
    drive_.next();
    EXPECT_NE(wizard_.currentPage(), page) << "the bound named in feet is allowed";
    EXPECT_NEAR(wizard_.lengthKm(), 500.0f, 0.001f);
}

TEST_F(LossWizardTest, CountsAreWholeNumbersTheColumnsCanHold)
{
    ASSERT_TRUE(drive_.choose("c1149", "Campus Plan"));
    drive_.next();
    ASSERT_TRUE(drive_.choose("c1152", "INDOOR SM"));
    drive_.next();
    drive_.click("c1172");
    drive_.type("c1055", "2");
    drive_.next();
    EXPECT_EQ(wizard_.windowTitle(), "Link Wizard - Connectors and Splices");
    EXPECT_TRUE(drive_.canGoNext());
    saveScreenshot(wizard_, dir_.path(), "loss-wizard-4-connectors");

    drive_.type("c1153", "-3"); // the field takes digits only
    EXPECT_EQ(drive_.find<QLineEdit>("c1153")->text(), "3");
    drive_.type("c1153", "");
    drive_.next();
    EXPECT_EQ(prompt_.texts(), QStringList({"Please enter a positive integer."}));
    drive_.type("c1153", "32768");
    drive_.next();
    EXPECT_EQ(prompt_.texts().last(), "Please enter a whole number from 0 to 32767.");
    EXPECT_EQ(wizard_.windowTitle(), "Link Wizard - Connectors and Splices");

    drive_.type("c1153", "32767");
    drive_.type("c1057", "0");
    drive_.next();
    EXPECT_EQ(wizard_.connectorPairs(), 32767);
    EXPECT_EQ(wizard_.splices(), 0);
}

TEST_F(LossWizardTest, TheSummaryShowsTheAllowedLossAsANegativeFigureAndPrintsIt)
{
    walkToSummary("Campus Plan", "INDOOR SM", "2", "c1172", "2", "1");
    ASSERT_NE(qobject_cast<CLossWizardSummary*>(wizard_.currentPage()), nullptr);
    EXPECT_EQ(wizard_.windowTitle(), "Loss Wizard");
    EXPECT_TRUE(drive_.canGoBack());
    EXPECT_TRUE(drive_.canFinish());
    EXPECT_EQ(label("c1010"), "2.000000 km");
    EXPECT_EQ(label("c1012"), "2");
    EXPECT_EQ(label("c1013"), "1");
    EXPECT_EQ(label("c1014"), "INDOOR SM");
    EXPECT_EQ(label("c1149"), "Campus Plan");
    const auto* list = drive_.find<QTreeWidget>("c1158");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->headerItem()->text(0), "Wavelength (nm)");
    EXPECT_EQ(list->headerItem()->text(1), "Maximum Allowed Loss");
    QStringList lines;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        lines.append(list->topLevelItem(i)->text(0) + " " + list->topLevelItem(i)->text(1));
    lines.sort();
    EXPECT_EQ(lines, QStringList({"1310nm -9.300000 db", "1550nm -9.300000 db"}));
    saveScreenshot(wizard_, dir_.path(), "loss-wizard-5-summary");

    drive_.click("c1171");
    EXPECT_EQ(prints_, 1);
    EXPECT_EQ(printed_.lines.size(), 2);
    EXPECT_EQ(printed_.standardText, "Campus Plan");

    // Back to the length: the summary is worked out again.
    drive_.back();
    drive_.back();
    drive_.type("c1055", "0");
    drive_.next();
    drive_.next();
    EXPECT_EQ(label("c1010"), "0.000000 km");
    EXPECT_EQ(list->topLevelItem(0)->text(1), "-1.800000 db");

    drive_.finish();
    EXPECT_FALSE(wizard_.isVisible());
    EXPECT_EQ(wizard_.result(), QDialog::Accepted);
}

TEST_F(LossWizardTest, EnterGoesForwardOnlyWhenThePageIsComplete)
{
    QTest::keyClick(&wizard_, Qt::Key_Return);
    EXPECT_EQ(wizard_.windowTitle(), "Link Wizard - Standard Selection");
    ASSERT_TRUE(drive_.choose("c1149", "Campus Plan"));
    QTest::keyClick(drive_.find<QComboBox>("c1149"), Qt::Key_Return);
    EXPECT_EQ(wizard_.windowTitle(), "Link Wizard - Fiber Type Selection");
    QTest::keyClick(&wizard_, Qt::Key_Escape);
    EXPECT_FALSE(wizard_.isVisible());
    EXPECT_EQ(wizard_.result(), QDialog::Rejected);
}

TEST(LossWizardStandardList, NoTwoStandardsReadAlike)
{
    // Files from before names had to be unique: two more "Campus Plan"s (one
    // whose id begins as the first one's does) and a custom "ISO 11801".
    StandardsCatalog catalog;
    addPlanStandard(catalog);
    const struct
    {
        const char* name;
        const char* id;
    } others[] = {{"campus plan", "{guid {0a1b2c3d-1111-4222-8333-444455556666}}"},
                  {"Campus Plan", "{guid {6b1f3c2e-0000-4000-8000-000000000001}}"},
                  {"ISO 11801", "{guid {99aa0011-2233-4455-8667-78899aabbccd}}"}};
    for (const auto& other : others) {
        StandardEntry entry;
        entry.standardName = QLatin1String(other.name);
        entry.customStandardId = QLatin1String(other.id);
        entry.wavelength = QStringLiteral("850nm");
        entry.attenuation = 3.5f;
        catalog.add(entry);
    }
    ScriptedPrompt prompt;
    CLossWizard wizard(QStringLiteral("Loss Wizard"), catalog, prompt);
    wizard.buildPages();
    wizard.show();
    WizardDriver drive(wizard);

    auto* combo = drive.find<QComboBox>("c1149");
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    for (const QString& text : texts)
        EXPECT_EQ(texts
                      .filter(QRegularExpression("^" + QRegularExpression::escape(text) + "$",
                                                 QRegularExpression::CaseInsensitiveOption))
                      .size(),
                  1)
            << text.toStdString();
    EXPECT_TRUE(texts.contains("campus plan (id 0a1b2c3d)"));
    EXPECT_TRUE(texts.contains("Campus Plan (id 6b1f3c2e-9a4d-4e57-8c21-0d9e5f7a3b10)"));
    EXPECT_TRUE(texts.contains("Campus Plan (id 6b1f3c2e-0000-4000-8000-000000000001)"));
    EXPECT_TRUE(texts.contains("ISO 11801")) << "the built-in one keeps its name";
    EXPECT_TRUE(texts.contains("ISO 11801 (id 99aa0011)"));
    ASSERT_TRUE(drive.choose("c1149", "campus plan (id 0a1b2c3d)"));
    const QTemporaryDir shots;
    saveScreenshot(wizard, shots.path(), "loss-wizard-1-twins");
    drive.next();
    ASSERT_TRUE(wizard.standardKey().has_value());
    EXPECT_EQ(recordIdFromGuid(wizard.standardKey()->customGuid), QString(others[0].id));
}
