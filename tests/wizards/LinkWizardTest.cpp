#include "wizards/CLinkWizard.h"

#include "DialogScreenshot.h"
#include "WizardDriver.h"
#include "standards/StandardsCatalog.h"
#include "support/ScriptedPrompt.h"
#include "support/TestFiles.h"
#include "wizards/NewCompanyDialog.h"

#include <gtest/gtest.h>

namespace {

CompanyChoice company(const char* number, const char* name, const char* phone)
{
    CompanyChoice choice;
    choice.number = QStringLiteral("{guid {%1}}").arg(QLatin1String(number));
    choice.name = QLatin1String(name);
    choice.telephone = QLatin1String(phone);
    choice.serialNo = QStringLiteral("CV1234");
    choice.version = QStringLiteral("1.02");
    return choice;
}

class LinkWizardTest : public TempDirTest
{
protected:
    LinkWizardTest()
        : wizard_(QStringLiteral("Loss Wizard"), catalog_, prompt_,
                  {company("00000000-0000-0000-0000-00000000000b", "Northwind Cabling", "555-0102"),
                   company("00000000-0000-0000-0000-00000000000a", "Acme Fiber", "555-0101")}),
          drive_(wizard_)
    {
        wizard_.buildPages();
        wizard_.show();
    }

    // A built-in standard's multimode entries, 250 ft, 4 pairs, 2 splices.
    void walkToCompanyPage()
    {
        ASSERT_TRUE(drive_.choose("c1149", standardWithMultimode()));
        drive_.next();
        ASSERT_TRUE(drive_.choose("c1152", "62.5uM MM"));
        drive_.next();
        drive_.click("c1170");
        drive_.type("c1055", "250");
        drive_.next();
        drive_.type("c1153", "4");
        drive_.type("c1057", "2");
        drive_.next();
        ASSERT_EQ(wizard_.windowTitle(), "Link Wizard - Company Selection");
    }

    QString standardWithMultimode()
    {
        CatalogPosition position;
        StandardKey key;
        StandardEntry entry;
        while (catalog_.iterate(position, key, entry)) {
            if (entry.fiberType == 0 && !entry.isCustom()) {
                standardNumber_ = entry.standardNumber;
                return entry.standardName;
            }
        }
        return QString();
    }

    QStringList companyTexts()
    {
        QStringList texts;
        const auto* combo = drive_.find<QComboBox>("c1154");
        for (int i = 0; i < combo->count(); ++i)
            texts.append(combo->itemText(i));
        return texts;
    }

    StandardsCatalog catalog_;
    ScriptedPrompt prompt_;
    CLinkWizard wizard_;
    WizardDriver drive_;
    int standardNumber_ = -1;
};

} // namespace

TEST_F(LinkWizardTest, TheLinkAsEnteredWithAnOrganisationOfTheDocument)
{
    walkToCompanyPage();
    EXPECT_EQ(companyTexts(), QStringList({"Acme Fiber", "Northwind Cabling"}));
    EXPECT_FALSE(drive_.canGoNext());
    ASSERT_TRUE(drive_.choose("c1154", "Northwind Cabling"));
    EXPECT_TRUE(drive_.canGoNext());
    saveScreenshot(wizard_, dir_.path(), "link-wizard-5-company");
    drive_.next();

    EXPECT_EQ(wizard_.windowTitle(), "Link Wizard - Name");
    EXPECT_TRUE(drive_.showsFinish());
    EXPECT_FALSE(drive_.canFinish()) << "no name yet";
    EXPECT_EQ(drive_.find<QLineEdit>("c1055")->maxLength(), 50);
    drive_.type("c1055", "R");
    EXPECT_TRUE(drive_.canFinish());
    drive_.type("c1055", "Riser B");
    saveScreenshot(wizard_, dir_.path(), "link-wizard-6-name");
    drive_.finish();
    ASSERT_EQ(wizard_.result(), QDialog::Accepted);

    const LinkData link = wizard_.linkData();
    EXPECT_EQ(link.standard.standardNumber, standardNumber_);
    EXPECT_EQ(link.standard.fiberType, 0);
    EXPECT_EQ(link.standard.wavelengthNumber, -1);
    EXPECT_NEAR(link.lengthKm, 0.0762, 1e-7) << "250 ft";
    EXPECT_EQ(link.connectorPairs, 4);
    EXPECT_EQ(link.splices, 2);
    EXPECT_EQ(link.linkName, "Riser B");
    EXPECT_EQ(link.company.name, "Northwind Cabling");
    EXPECT_EQ(link.company.number, "{guid {00000000-0000-0000-0000-00000000000b}}");
    EXPECT_EQ(wizard_.companyName(), "Northwind Cabling");
}

TEST_F(LinkWizardTest, ANewOrganisationIsOfferedAndSelectedAndStoredOnlyWithTheLink)
{
    walkToCompanyPage();
    whenModalOpens<NewCompanyDialog>([](NewCompanyDialog& dialog) {
        WizardDriver::type(dialog.findChild<QLineEdit*>("c1002"), "Blue Ridge Optics");
        WizardDriver::type(dialog.findChild<QLineEdit*>("c1051"), "555-0199");
        QTest::mouseClick(dialog.findChild<QPushButton*>("c1"), Qt::LeftButton);
    });
    drive_.click("c1156");
    EXPECT_EQ(companyTexts(), QStringList({"Acme Fiber", "Blue Ridge Optics", "Northwind Cabling"}));
    EXPECT_EQ(drive_.find<QComboBox>("c1154")->currentText(), "Blue Ridge Optics");
    EXPECT_TRUE(drive_.canGoNext());

    // Back and forth: the new organisation stays chosen.
    drive_.back();
    drive_.next();
    EXPECT_EQ(drive_.find<QComboBox>("c1154")->currentText(), "Blue Ridge Optics");

    // One of a name already listed is that organisation.
    whenModalOpens<NewCompanyDialog>([](NewCompanyDialog& dialog) {
        WizardDriver::type(dialog.findChild<QLineEdit*>("c1002"), "Acme Fiber");
        QTest::mouseClick(dialog.findChild<QPushButton*>("c1"), Qt::LeftButton);
    });
    drive_.click("c1156");
    EXPECT_EQ(companyTexts().count("Acme Fiber"), 1);
    EXPECT_EQ(drive_.find<QComboBox>("c1154")->currentText(), "Acme Fiber");

    // Cancel in the dialog changes nothing.
    whenModalOpens<NewCompanyDialog>([](NewCompanyDialog& dialog) {
        WizardDriver::type(dialog.findChild<QLineEdit*>("c1002"), "Never Made");
        QTest::mouseClick(dialog.findChild<QPushButton*>("c2"), Qt::LeftButton);
    });
    drive_.click("c1156");
    EXPECT_EQ(companyTexts().size(), 3);

    ASSERT_TRUE(drive_.choose("c1154", "Blue Ridge Optics"));
    drive_.next();
    drive_.type("c1055", "Campus East");
    drive_.finish();
    const LinkData link = wizard_.linkData();
    EXPECT_TRUE(link.company.isNew());
    EXPECT_EQ(link.company.name, "Blue Ridge Optics");
    EXPECT_EQ(link.company.telephone, "555-0199");
}

TEST_F(LinkWizardTest, CancelOnAnyPageGivesNoLink)
{
    walkToCompanyPage();
    ASSERT_TRUE(drive_.choose("c1154", "Acme Fiber"));
    drive_.next();
    drive_.type("c1055", "Riser C");
    drive_.cancel();
    EXPECT_EQ(wizard_.result(), QDialog::Rejected);
}
