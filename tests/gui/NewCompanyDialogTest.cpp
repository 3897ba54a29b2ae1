#include "wizards/NewCompanyDialog.h"

#include "DialogScreenshot.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class NewCompanyDialogTest : public TempDirTest
{
protected:
    NewCompanyDialogTest() { dialog_.show(); }

    QLineEdit* organization() { return dialog_.findChild<QLineEdit*>("c1002"); }
    QLineEdit* telephone() { return dialog_.findChild<QLineEdit*>("c1051"); }
    QPushButton* ok() { return dialog_.findChild<QPushButton*>("c1"); }
    QPushButton* cancel() { return dialog_.findChild<QPushButton*>("c2"); }

    bool okIsTheDefault() { return ok()->isEnabled() && ok()->isDefault() && !cancel()->isDefault(); }
    bool cancelIsTheDefault() { return !ok()->isEnabled() && !ok()->isDefault() && cancel()->isDefault(); }

    NewCompanyDialog dialog_;
};

} // namespace

TEST_F(NewCompanyDialogTest, ShowsItsCaptionTextAndEmptyFields)
{
    EXPECT_EQ(dialog_.windowTitle(), "New Company ");
    QStringList labels;
    for (const QLabel* label : dialog_.findChildren<QLabel*>())
        labels.append(label->text());
    EXPECT_TRUE(labels.contains("Create a new certifying Organization"));
    EXPECT_TRUE(labels.contains("Organization"));
    EXPECT_TRUE(labels.contains("Telephone"));
    ASSERT_NE(organization(), nullptr);
    ASSERT_NE(telephone(), nullptr);
    EXPECT_EQ(organization()->text(), QString());
    EXPECT_EQ(telephone()->text(), QString());
    EXPECT_EQ(organization()->maxLength(), 50);
    EXPECT_EQ(telephone()->maxLength(), 13);
}

TEST_F(NewCompanyDialogTest, WhileTheOrganizationIsEmptyOkIsDisabledAndCancelIsTheDefault)
{
    EXPECT_TRUE(cancelIsTheDefault());
    QTest::keyClicks(telephone(), "555-0100");
    EXPECT_TRUE(cancelIsTheDefault());

    QTest::keyClicks(organization(), "A");
    EXPECT_TRUE(okIsTheDefault());
    QTest::keyClicks(organization(), "cme Fiber");
    EXPECT_TRUE(okIsTheDefault());
    EXPECT_TRUE(hasSeveralColours(saveScreenshot(dialog_, dir_.path(), "new-company")));

    organization()->selectAll();
    QTest::keyClick(organization(), Qt::Key_Backspace);
    EXPECT_EQ(organization()->text(), QString());
    EXPECT_TRUE(cancelIsTheDefault());
}

TEST_F(NewCompanyDialogTest, ClickingTheDisabledOkDoesNothing)
{
    QTest::mouseClick(ok(), Qt::LeftButton);
    EXPECT_TRUE(dialog_.isVisible());
}

TEST_F(NewCompanyDialogTest, EnterCancelsWhileTheOrganizationIsEmpty)
{
    QTest::keyClicks(telephone(), "555-0100");
    QTest::keyClick(telephone(), Qt::Key_Return);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.result(), QDialog::Rejected);
    EXPECT_EQ(dialog_.telephone(), QString());
}

TEST_F(NewCompanyDialogTest, EnterAcceptsAndOkReadsTheForm)
{
    QTest::keyClicks(organization(), "Acme Fiber");
    QTest::keyClicks(telephone(), "555-0100");
    QTest::keyClick(organization(), Qt::Key_Return);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.result(), QDialog::Accepted);
    EXPECT_EQ(dialog_.organization(), "Acme Fiber");
    EXPECT_EQ(dialog_.telephone(), "555-0100");
}

TEST_F(NewCompanyDialogTest, OkWithoutATelephoneGivesAnEmptyOne)
{
    QTest::keyClicks(organization(), "Acme Fiber");
    QTest::mouseClick(ok(), Qt::LeftButton);
    EXPECT_EQ(dialog_.result(), QDialog::Accepted);
    EXPECT_EQ(dialog_.organization(), "Acme Fiber");
    EXPECT_EQ(dialog_.telephone(), QString());
}

TEST_F(NewCompanyDialogTest, CancelReadsNothing)
{
    QTest::keyClicks(organization(), "Acme Fiber");
    QTest::mouseClick(cancel(), Qt::LeftButton);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.result(), QDialog::Rejected);
    EXPECT_EQ(dialog_.organization(), QString());
}

TEST_F(NewCompanyDialogTest, TheFieldsTakeNoMoreThanTheirLimits)
{
    QTest::keyClicks(organization(), QString(60, 'o'));
    QTest::keyClicks(telephone(), "+49 6221 555 0100");
    EXPECT_EQ(organization()->text(), QString(50, 'o'));
    EXPECT_EQ(telephone()->text(), "+49 6221 555 ");
    QTest::mouseClick(ok(), Qt::LeftButton);
    EXPECT_EQ(dialog_.organization().size(), 50);
    EXPECT_EQ(dialog_.telephone().size(), 13);
}

TEST_F(NewCompanyDialogTest, AcceptingAnEmptyFormAnotherWayIsRefused)
{
    dialog_.accept();
    EXPECT_TRUE(dialog_.isVisible());
    EXPECT_EQ(dialog_.organization(), QString());
}
