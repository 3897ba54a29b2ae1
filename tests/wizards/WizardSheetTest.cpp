#include "wizards/WizardSheet.h"

#include "WizardDriver.h"
#include "wizards/WizardButtons.h"
#include "wizards/WizardPage.h"

#include <gtest/gtest.h>

namespace {

// A page that asks for given buttons and answers Next with a given jump.
class ScriptedPage : public WizardPage
{
public:
    ScriptedPage(const QString& caption, int buttons, int nextAnswer)
        : WizardPage(caption), buttons_(buttons), nextAnswer_(nextAnswer)
    {
    }
    void activate() override
    {
        ++activations;
        setButtons(buttons_);
    }
    int onNext() override { return nextAnswer_; }
    bool onFinish() override { return finishAllowed; }

    int activations = 0;
    bool finishAllowed = true;

private:
    int buttons_;
    int nextAnswer_;
};

} // namespace

TEST(WizardSheet, APageMayComeBackAndEachShowingActivatesIt)
{
    WizardSheet sheet(QStringLiteral("Sheet"));
    auto* first = new ScriptedPage("First", WizardButton::Next, WizardPage::kFollowOrder);
    auto* loop = new ScriptedPage("Loop", WizardButton::Back | WizardButton::Next, 1); // itself again
    sheet.addPage(first);
    sheet.addPage(loop);
    sheet.show();
    WizardDriver drive(sheet);

    EXPECT_EQ(sheet.windowTitle(), "First");
    EXPECT_FALSE(drive.canGoBack());
    drive.next();
    drive.next();
    drive.next();
    EXPECT_EQ(sheet.currentPage(), loop);
    EXPECT_EQ(loop->activations, 3);
    drive.back();
    EXPECT_EQ(sheet.currentPage(), first);
    EXPECT_EQ(first->activations, 2);
}

TEST(WizardSheet, ButtonsAreWhatThePageAsksFor)
{
    WizardSheet sheet(QStringLiteral("Sheet"));
    auto* page =
        new ScriptedPage(QString(), WizardButton::Back | WizardButton::DisabledFinish, WizardPage::kStay);
    sheet.addPage(page);
    sheet.show();
    WizardDriver drive(sheet);
    EXPECT_EQ(sheet.windowTitle(), "Sheet") << "a page without a caption keeps the sheet's";
    EXPECT_TRUE(drive.canGoBack());
    EXPECT_TRUE(drive.showsFinish());
    EXPECT_FALSE(drive.canFinish());
    EXPECT_FALSE(sheet.nextButton()->isVisible());

    sheet.setButtons(WizardButton::None);
    EXPECT_FALSE(drive.canGoBack());
    EXPECT_TRUE(sheet.nextButton()->isVisible()) << "no forward button is a Next that cannot be pressed";
    EXPECT_FALSE(drive.canGoNext());
    QTest::keyClick(&sheet, Qt::Key_Return);
    EXPECT_TRUE(sheet.isVisible());

    sheet.setButtons(WizardButton::Finish);
    page->finishAllowed = false;
    QTest::keyClick(&sheet, Qt::Key_Return);
    EXPECT_TRUE(sheet.isVisible()) << "the page kept the wizard open";
    page->finishAllowed = true;
    QTest::keyClick(&sheet, Qt::Key_Return);
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
}
