#include "WindowFixture.h"
#include "WizardDriver.h"
#include "gui/CommandIds.h"
#include "wizards/CLossWizard.h"
#include "wizards/CStandardWizard.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <QProcess>

using namespace CommandIds;

namespace {

class WindowWizardTest : public WindowTest
{
protected:
    void SetUp() override
    {
        qputenv("FIBROLOG_SHARED_STANDARDS", QFile::encodeName(path("shareddata.mdb")));
        choosePrinter_ = [this](QPrinter& printer, int pages) {
            offeredPages_ = pages;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path("loss-wizard.pdf"));
            return true;
        };
        WindowTest::SetUp();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        qunsetenv("FIBROLOG_SHARED_STANDARDS");
    }

    int offeredPages_ = -1;
};

} // namespace

TEST_F(WindowWizardTest, AStandardMadeWithTheStandardWizardIsPlannedWithAndPrintedByTheLossWizard)
{
    bool standardWizardRan = false;
    whenModalOpens<CStandardWizard>([&](CStandardWizard& wizard) {
        standardWizardRan = true;
        WizardDriver drive(wizard);
        drive.type("c1055", "Campus Plan");
        drive.next();
        drive.click("c1162"); // indoor single-mode
        drive.next();
        drive.click("c1160"); // Yes, 1310 nm
        drive.next();
        drive.next(); // no maximum length
        drive.next(); // no maximum loss
        const struct
        {
            const char* check;
            const char* edit;
            const char* value;
        } allowances[] = {{"c1167", "c1055", "3.75"}, {"c1168", "c1056", "0.75"}, {"c1169", "c1057", "0.3"}};
        for (const auto& allowance : allowances) {
            drive.click(allowance.check);
            drive.type(allowance.edit, allowance.value);
        }
        drive.next();
        drive.click("c1161"); // No: done
        drive.finish();
    });
    trigger(StandardWizard);
    ASSERT_TRUE(standardWizardRan);
    EXPECT_TRUE(prompt_.exchanges().isEmpty()) << prompt_.texts().join('\n').toStdString();
    EXPECT_TRUE(QFile::exists(path("shareddata.mdb")));

    bool lossWizardRan = false;
    QString summaryLoss;
    whenModalOpens<CLossWizard>([&](CLossWizard& wizard) {
        lossWizardRan = true;
        WizardDriver drive(wizard);
        if (!drive.choose("c1149", "Campus Plan"))
            return wizard.reject();
        drive.next();
        drive.choose("c1152", "INDOOR SM");
        drive.next();
        drive.click("c1172");
        drive.type("c1055", "2");
        drive.next();
        drive.type("c1153", "2");
        drive.type("c1057", "1");
        drive.next();
        screenshot(wizard, QStringLiteral("loss-wizard-summary"));
        drive.click("c1171"); // Print
        drive.finish();
    });
    trigger(LossWizard);
    ASSERT_TRUE(lossWizardRan);
    EXPECT_TRUE(prompt_.exchanges().isEmpty()) << prompt_.texts().join('\n').toStdString();
    EXPECT_EQ(offeredPages_, 1);

    const QString printed = pdfText(path("loss-wizard.pdf"));
    for (const char* expected :
         {"Loss Wizard", "Circuit Characteristics", "Fiber Length (in kilometers):", "2.000000 km",
          "Number of Connector Pairs:", "Cable Type:", "INDOOR SM", "Standard:", "Campus Plan",
          "Loss Thresholds", "Maximum Allowed Loss", "1310nm", "-9.300000 db"})
        EXPECT_TRUE(printed.contains(QLatin1String(expected))) << expected << "\n" << printed.toStdString();

    // The next run of the program finds the standard in the shared file.
    makeFrame();
    EXPECT_EQ(document().catalog().customCount(), 1);
    EXPECT_TRUE(prompt_.exchanges().isEmpty()) << prompt_.texts().join('\n').toStdString();
}

TEST_F(WindowWizardTest, CancellingTheWizardsChangesNothing)
{
    whenModalOpens<CStandardWizard>([](CStandardWizard& wizard) {
        WizardDriver drive(wizard);
        drive.type("c1055", "Never Saved");
        drive.next();
        drive.cancel();
    });
    trigger(StandardWizard);
    EXPECT_FALSE(QFile::exists(path("shareddata.mdb")));
    EXPECT_EQ(document().catalog().customCount(), 0);

    whenModalOpens<CLossWizard>([](CLossWizard& wizard) { QTest::keyClick(&wizard, Qt::Key_Escape); });
    trigger(LossWizard);
    EXPECT_FALSE(document().isModified());
    EXPECT_TRUE(prompt_.exchanges().isEmpty());
}
