#include "wizards/CStandardWizard.h"

#include "DialogScreenshot.h"
#include "WizardDriver.h"
#include "database/CustomStandardSaver.h"
#include "database/CustomStandardsLoader.h"
#include "standards/StandardsCatalog.h"
#include "support/ScriptedPrompt.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

namespace {

StandardEntry allowingRow()
{
    StandardEntry entry;
    entry.fiberType = 2;
    entry.wavelength = QStringLiteral("1310nm");
    entry.attenuation = 0.5f;
    return entry;
}

class StandardWizardTest : public TempDirTest
{
protected:
    StandardWizardTest() : wizard_(QString(), &catalog_, prompt_), drive_(wizard_)
    {
        qputenv("FIBROLOG_SHARED_STANDARDS", QFile::encodeName(path("shareddata.mdb")));
        wizard_.show();
    }
    ~StandardWizardTest() override { qunsetenv("FIBROLOG_SHARED_STANDARDS"); }

    int page() const { return wizard_.currentIndex(); }
    QString text(const char* name) { return drive_.find<QLabel>(name)->text(); }
    QStringList items(const char* name)
    {
        QStringList texts;
        if (auto* combo = drive_.find<QComboBox>(name)) {
            for (int i = 0; i < combo->count(); ++i)
                texts.append(combo->itemText(i));
        } else if (auto* list = drive_.find<QListWidget>(name)) {
            for (int i = 0; i < list->count(); ++i)
                texts.append(list->item(i)->text());
        }
        return texts;
    }
    void typeWavelength(const QString& text)
    {
        auto* combo = drive_.find<QComboBox>("c1163");
        WizardDriver::type(combo->lineEdit(), text);
    }

    void nameAndTypes(const QString& name, std::initializer_list<const char*> boxes)
    {
        drive_.type("c1055", name);
        drive_.next();
        for (const char* box : boxes)
            drive_.click(box);
        drive_.next();
        ASSERT_EQ(page(), CStandardWizard::MoreWavelengthsPage);
    }

    // From the wavelength page with Yes and the combo set: the limits (0 =
    // answer No) and the allowances (0 = not ticked), ending on the
    // allowance page.
    void limitsAndAllowances(const QString& maxKm, const QString& maxDb, const QString& attenuation)
    {
        drive_.next();
        ASSERT_EQ(page(), CStandardWizard::MaxLengthPage);
        if (!maxKm.isEmpty()) {
            drive_.click("c1165");
            drive_.type("c1169", maxKm);
        }
        drive_.next();
        ASSERT_EQ(page(), CStandardWizard::MaxLossPage);
        if (!maxDb.isEmpty()) {
            drive_.click("c1165");
            drive_.type("c1168", maxDb);
        }
        drive_.next();
        ASSERT_EQ(page(), CStandardWizard::AttenuationPage);
        if (!attenuation.isEmpty()) {
            drive_.click("c1167");
            drive_.type("c1055", attenuation);
        }
    }

    // The rows of the shared file as another program run reads them.
    std::vector<StandardEntry> savedRows()
    {
        StandardsCatalog fresh;
        fresh.resetToBuiltIn();
        EXPECT_EQ(CustomStandards::loadSharedStandards(fresh), QString());
        std::vector<StandardEntry> rows;
        CatalogPosition position;
        StandardKey key;
        StandardEntry entry;
        while (fresh.iterate(position, key, entry)) {
            if (entry.isCustom())
                rows.push_back(entry);
        }
        std::sort(rows.begin(), rows.end(), [](const StandardEntry& a, const StandardEntry& b) {
            return std::pair(a.fiberType, a.wavelength) < std::pair(b.fiberType, b.wavelength);
        });
        return rows;
    }

    StandardsCatalog catalog_;
    ScriptedPrompt prompt_;
    CStandardWizard wizard_;
    WizardDriver drive_;
};

} // namespace

TEST_F(StandardWizardTest, NameAndFiberTypesComeFirst)
{
    EXPECT_EQ(wizard_.windowTitle(), "Custom Standard Wizard");
    EXPECT_FALSE(drive_.canGoBack());
    EXPECT_FALSE(drive_.canGoNext());
    EXPECT_EQ(drive_.find<QLineEdit>("c1055")->maxLength(), 50);
    drive_.type("c1055", "   ");
    EXPECT_FALSE(drive_.canGoNext()) << "blanks are no name";
    drive_.type("c1055", "Campus Plan");
    EXPECT_TRUE(drive_.canGoNext());
    saveScreenshot(wizard_, dir_.path(), "standard-wizard-1-name");
    drive_.next();

    EXPECT_EQ(page(), CStandardWizard::FibersPage);
    EXPECT_TRUE(drive_.canGoBack());
    EXPECT_FALSE(drive_.canGoNext());
    drive_.click("c1162");
    EXPECT_TRUE(drive_.canGoNext());
    saveScreenshot(wizard_, dir_.path(), "standard-wizard-2-fibers");
    drive_.back();
    EXPECT_EQ(drive_.find<QLineEdit>("c1055")->text(), "Campus Plan");
}

TEST_F(StandardWizardTest, IndoorSinglemodeAtBothUsualWavelengthsIsSavedUnderOneId)
{
    nameAndTypes("Campus Plan", {"c1162"});
    EXPECT_EQ(text("c1152"), "Indoor Singlemode");
    EXPECT_FALSE(drive_.find<QRadioButton>("c1161")->isEnabled()) << "no wavelength defined yet";
    EXPECT_FALSE(drive_.canGoNext()) << "neither Yes nor No chosen";
    EXPECT_FALSE(drive_.canGoBack());
    drive_.click("c1160");
    EXPECT_EQ(items("c1163"), QStringList({"1310 nm", "1550 nm"}));
    EXPECT_EQ(drive_.find<QComboBox>("c1163")->currentText(), "1310 nm");
    EXPECT_TRUE(drive_.canGoNext());
    saveScreenshot(wizard_, dir_.path(), "standard-wizard-3-wavelengths");

    drive_.next();
    EXPECT_EQ(text("c1164"), "Indoor Singlemode at 1310nm");
    EXPECT_TRUE(drive_.find<QRadioButton>("c1166")->isChecked());
    EXPECT_TRUE(drive_.canGoNext());
    drive_.click("c1165");
    EXPECT_FALSE(drive_.canGoNext()) << "Yes without a length";
    drive_.type("c1169", "2");
    EXPECT_TRUE(drive_.canGoNext());
    saveScreenshot(wizard_, dir_.path(), "standard-wizard-4-max-length");
    drive_.next();
    saveScreenshot(wizard_, dir_.path(), "standard-wizard-5-max-loss");
    drive_.back(); // the length page starts again at No
    EXPECT_TRUE(drive_.find<QRadioButton>("c1166")->isChecked());
    EXPECT_FALSE(drive_.find<QLineEdit>("c1169")->isEnabled());
    drive_.click("c1165");
    drive_.type("c1169", "2");
    drive_.next();
    drive_.next();

    EXPECT_EQ(page(), CStandardWizard::AttenuationPage);
    EXPECT_FALSE(drive_.canGoNext()) << "no loss allowed yet";
    drive_.click("c1167");
    EXPECT_FALSE(drive_.canGoNext()) << "attenuation ticked without a value";
    EXPECT_FALSE(drive_.showsFinish());
    drive_.type("c1055", "0.4");
    EXPECT_TRUE(drive_.canGoNext()) << "1550 nm is still open";
    drive_.click("c1167");
    EXPECT_FALSE(drive_.find<QLineEdit>("c1055")->isEnabled());
    EXPECT_EQ(drive_.find<QLineEdit>("c1055")->text(), QString());
    drive_.click("c1167");
    drive_.type("c1055", "0.4");
    saveScreenshot(wizard_, dir_.path(), "standard-wizard-6-allowances");
    drive_.next();

    // The same type again: 1310 nm is defined, 1550 nm is left, Yes is kept.
    EXPECT_EQ(page(), CStandardWizard::MoreWavelengthsPage);
    EXPECT_EQ(items("c1162"), QStringList({"1310 nm"}));
    EXPECT_EQ(items("c1163"), QStringList({"1550 nm"}));
    EXPECT_TRUE(drive_.find<QRadioButton>("c1160")->isChecked());
    EXPECT_TRUE(drive_.find<QRadioButton>("c1161")->isEnabled());
    limitsAndAllowances(QString(), QStringLiteral("1.5"), QString());
    EXPECT_FALSE(drive_.find<QCheckBox>("c1167")->isChecked()) << "each wavelength starts unticked";
    EXPECT_TRUE(drive_.canFinish());
    EXPECT_FALSE(drive_.canGoNext());
    drive_.finish();
    ASSERT_EQ(wizard_.result(), QDialog::Accepted) << prompt_.texts().join('\n').toStdString();

    const std::vector<StandardEntry> rows = savedRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].customStandardId, rows[1].customStandardId);
    EXPECT_EQ(rows[0].standardName, "Campus Plan");
    EXPECT_EQ(rows[0].fiberType, 2);
    EXPECT_EQ(rows[0].wavelength, "1310nm");
    EXPECT_EQ(rows[0].maxDistance, 2000.0f);
    EXPECT_EQ(rows[0].maxLoss, 0.0f);
    EXPECT_FLOAT_EQ(rows[0].attenuation, 0.4f);
    EXPECT_EQ(rows[1].wavelength, "1550nm");
    EXPECT_EQ(rows[1].maxDistance, 0.0f);
    EXPECT_FLOAT_EQ(rows[1].maxLoss, 1.5f);
    EXPECT_EQ(rows[1].attenuation, 0.0f);
    EXPECT_EQ(catalog_.customCount(), 2) << "the open catalogue has it at once";
}

TEST_F(StandardWizardTest, ATypedWavelengthMustBeNewAndFitAndTheChoiceCarriesToTheNextType)
{
    nameAndTypes("Mixed Plant", {"c1159", "c1163"}); // 50 uM multimode and outdoor single-mode
    EXPECT_EQ(text("c1152"), "50.0uM Multimode");
    drive_.click("c1160");
    typeWavelength("1625");
    EXPECT_TRUE(drive_.canGoNext());
    limitsAndAllowances(QString(), QString(), QStringLiteral("0.5"));
    drive_.next(); // 850 and 1300 nm are still open

    EXPECT_EQ(items("c1162"), QStringList({"1625 nm"}));
    typeWavelength("1625");
    EXPECT_FALSE(drive_.canGoNext()) << "defined already for this type";
    EXPECT_EQ(text("reason"), "1625 nm is defined already for 50.0uM Multimode.");
    typeWavelength("10000");
    EXPECT_FALSE(drive_.canGoNext()) << "longer than a wavelength column holds";
    EXPECT_EQ(text("reason"), "10000 (50.0uM Multimode) is not a wavelength from 1nm to 9999nm.");
    typeWavelength("0");
    EXPECT_FALSE(drive_.canGoNext());
    typeWavelength("850 nm");
    EXPECT_TRUE(drive_.canGoNext());
    EXPECT_EQ(text("reason"), "");
    limitsAndAllowances(QString(), QString(), QStringLiteral("3.5"));
    drive_.next();
    typeWavelength("1300");
    limitsAndAllowances(QString(), QString(), QStringLiteral("1.5"));
    EXPECT_TRUE(drive_.canGoNext()) << "outdoor single-mode is still to come";
    drive_.next();

    // The next type: Yes is still chosen and its usual wavelengths offered.
    EXPECT_EQ(text("c1152"), "Outdoor Singlemode");
    EXPECT_TRUE(drive_.find<QRadioButton>("c1160")->isChecked());
    EXPECT_FALSE(drive_.find<QRadioButton>("c1161")->isEnabled());
    EXPECT_EQ(items("c1163"), QStringList({"1310 nm", "1550 nm"}));
    limitsAndAllowances(QString(), QString(), QStringLiteral("0.5"));
    drive_.next();
    drive_.click("c1161"); // No: the last type is done
    EXPECT_FALSE(drive_.find<QComboBox>("c1163")->isEnabled());
    EXPECT_TRUE(drive_.canFinish());
    drive_.finish();
    ASSERT_EQ(wizard_.result(), QDialog::Accepted) << prompt_.texts().join('\n').toStdString();

    const std::vector<StandardEntry> rows = savedRows();
    ASSERT_EQ(rows.size(), 4u);
    QStringList saved;
    for (const StandardEntry& row : rows)
        saved.append(QStringLiteral("%1 %2").arg(row.fiberType).arg(row.wavelength));
    EXPECT_EQ(saved, QStringList({"1 1300nm", "1 1625nm", "1 850nm", "3 1310nm"}));
    for (const StandardEntry& row : rows)
        EXPECT_EQ(row.customStandardId, rows[0].customStandardId);
}

TEST_F(StandardWizardTest, TakenNamesAndRowsNoRealLinkHasAreRefusedOnThePageWithTheReason)
{
    drive_.type("c1055", "campus plan");
    // Another program saves a standard of this name while the page is up.
    ASSERT_TRUE(saveCustomStandard("Campus Plan", {allowingRow()}, nullptr).result.ok());
    drive_.next();
    EXPECT_EQ(page(), CStandardWizard::NamePage);
    EXPECT_FALSE(drive_.canGoNext());
    EXPECT_EQ(text("reason"),
              "The name Campus Plan is taken by another standard; give this one a name of its own.");
    drive_.type("c1055", "iso 11801");
    EXPECT_FALSE(drive_.canGoNext()) << "a built-in standard's name";
    drive_.type("c1055", "Campus Plan B");
    EXPECT_TRUE(drive_.canGoNext());
    EXPECT_EQ(text("reason"), "");
    drive_.next();
    drive_.click("c1162");
    drive_.next();
    drive_.click("c1160");
    drive_.next();

    const QString subject = "Indoor Singlemode at 1310nm: ";
    drive_.click("c1165");
    drive_.type("c1169", "600");
    EXPECT_FALSE(drive_.canGoNext());
    EXPECT_EQ(text("reason"), subject +
                                  "a maximum length of 600 km is more than a real link has; at most 500 km "
                                  "is allowed.");
    QApplication::processEvents(); // the page lays out its reason as a user would see it
    saveScreenshot(wizard_, dir_.path(), "standard-wizard-reason-max-length");
    drive_.type("c1169", "2");
    EXPECT_TRUE(drive_.canGoNext());
    EXPECT_EQ(text("reason"), "");
    drive_.next();
    drive_.click("c1165");
    drive_.type("c1168", "80");
    EXPECT_FALSE(drive_.canGoNext());
    EXPECT_EQ(text("reason"), subject +
                                  "a maximum loss of 80 dB is more than a real link has; at most 70 dB is "
                                  "allowed.");
    drive_.click("c1166");
    EXPECT_TRUE(drive_.canGoNext());
    drive_.next();

    // Neither a maximum loss nor an allowance: every fiber would fail.
    EXPECT_FALSE(drive_.canGoNext());
    EXPECT_FALSE(drive_.canFinish());
    EXPECT_EQ(text("reason"), "Indoor Singlemode at 1310nm allows no loss, so every fiber would fail: give a "
                              "maximum loss, an attenuation or a loss per connector pair.");
    QApplication::processEvents(); // the page lays out its reason as a user would see it
    saveScreenshot(wizard_, dir_.path(), "standard-wizard-reason-no-loss");
    drive_.click("c1169");
    drive_.type("c1057", "0.3");
    EXPECT_FALSE(drive_.canGoNext()) << "a link without splices would still get 0 dB";
    drive_.click("c1168");
    drive_.type("c1056", "5");
    EXPECT_FALSE(drive_.canGoNext());
    EXPECT_EQ(text("reason"), subject +
                                  "a loss per connector pair of 5 dB is more than a real link has; at most 3 "
                                  "dB is allowed.");
    drive_.type("c1056", "0.75");
    EXPECT_TRUE(drive_.canGoNext());
    EXPECT_EQ(text("reason"), "");
    drive_.next();
    drive_.click("c1161");
    drive_.finish();
    ASSERT_EQ(wizard_.result(), QDialog::Accepted) << prompt_.texts().join('\n').toStdString();
    const std::vector<StandardEntry> rows = savedRows();
    ASSERT_EQ(rows.size(), 2u);
    const StandardEntry& saved = rows[0].standardName == "Campus Plan B" ? rows[0] : rows[1];
    EXPECT_EQ(saved.maxDistance, 2000.0f);
    EXPECT_FLOAT_EQ(saved.connectorLoss, 0.75f);
    EXPECT_FLOAT_EQ(saved.spliceLoss, 0.3f);
}

TEST_F(StandardWizardTest, ANoKeptFromTheLastTypeCannotSkipATypeWithoutWavelengths)
{
    nameAndTypes("Two Types", {"c1160", "c1162"});
    drive_.click("c1160");
    limitsAndAllowances(QString(), QString(), QStringLiteral("0.5"));
    drive_.next();
    drive_.click("c1161");
    EXPECT_TRUE(drive_.canGoNext());
    drive_.next();
    EXPECT_EQ(text("c1152"), "Indoor Singlemode");
    EXPECT_FALSE(drive_.find<QRadioButton>("c1161")->isChecked());
    EXPECT_FALSE(drive_.find<QRadioButton>("c1160")->isChecked());
    EXPECT_FALSE(drive_.canGoNext());
    EXPECT_FALSE(drive_.showsFinish());
}

TEST_F(StandardWizardTest, AFileThatCannotTakeTheStandardChangesNothingAndSaysWhy)
{
    writeFile(path("shareddata.mdb"), "this is not a standards file");
    nameAndTypes("Campus Plan", {"c1162"});
    drive_.click("c1160");
    limitsAndAllowances(QString(), QString(), QStringLiteral("0.5"));
    drive_.next();
    drive_.click("c1161");
    drive_.finish();

    EXPECT_TRUE(wizard_.isVisible()) << "the user may cancel or try again";
    ASSERT_EQ(prompt_.exchanges().size(), 1);
    EXPECT_TRUE(prompt_.texts().first().startsWith("An error occurred:"))
        << prompt_.texts().first().toStdString();
    EXPECT_EQ(catalog_.customCount(), 0);
    EXPECT_EQ(fileBytes(path("shareddata.mdb")), "this is not a standards file");
    drive_.cancel();
}
