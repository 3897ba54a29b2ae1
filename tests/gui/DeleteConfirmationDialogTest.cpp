#include "gui/DeleteConfirmationDialog.h"

#include "DialogScreenshot.h"
#include "gui/DeleteConfirmation.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class DeleteConfirmationDialogTest : public TempDirTest
{
protected:
    DeleteConfirmationDialogTest() : dialog_(kQuestion) { dialog_.show(); }

    static inline const QString kQuestion =
        "You are about to permanently delete circuit \"<b>2'a</b>\" of link \"O'Brien's Riser\".  Are you "
        "sure you wish to do so?";

    QPushButton* button(const char* name) { return dialog_.findChild<QPushButton*>(name); }
    QCheckBox* doNotAskAgain() { return dialog_.findChild<QCheckBox*>("c1144"); }

    DeleteConfirmationDialog dialog_;
};

// Plays the user at the next modal dialog, once the dialog's own event loop
// runs: `act` gets the dialog.
template <typename Act>
void atNextModalDialog(Act act)
{
    QTimer::singleShot(0, qApp, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(*modal);
    });
}

} // namespace

TEST_F(DeleteConfirmationDialogTest, ShowsTheQuestionTheBoxAndYesAndNo)
{
    EXPECT_EQ(dialog_.windowTitle(), "Fibrolog: Delete Confirmation");
    const QLabel* question = dialog_.findChild<QLabel*>("question");
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(question->text(), kQuestion);
    EXPECT_EQ(question->textFormat(), Qt::PlainText) << "a name from the file is no markup";
    ASSERT_NE(doNotAskAgain(), nullptr);
    EXPECT_EQ(doNotAskAgain()->text(), "Do not ask me this again");
    EXPECT_FALSE(doNotAskAgain()->isChecked());
    ASSERT_NE(button("c6"), nullptr);
    ASSERT_NE(button("c7"), nullptr);
    EXPECT_TRUE(button("c7")->isDefault());
    EXPECT_FALSE(button("c6")->isDefault());

    doNotAskAgain()->setChecked(true);
    EXPECT_TRUE(hasSeveralColours(saveScreenshot(dialog_, dir_.path(), "delete-confirmation")));
}

TEST_F(DeleteConfirmationDialogTest, YesConfirms)
{
    QTest::mouseClick(button("c6"), Qt::LeftButton);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.answer(), (DeleteConfirmationAnswer{true, false}));
}

TEST_F(DeleteConfirmationDialogTest, NoWithTheBoxTickedSaysSo)
{
    QTest::mouseClick(doNotAskAgain(), Qt::LeftButton);
    ASSERT_TRUE(doNotAskAgain()->isChecked());
    QTest::mouseClick(button("c7"), Qt::LeftButton);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.answer(), (DeleteConfirmationAnswer{false, true}));
}

TEST_F(DeleteConfirmationDialogTest, YesWithTheBoxTickedSaysSo)
{
    QTest::mouseClick(doNotAskAgain(), Qt::LeftButton);
    QTest::mouseClick(button("c6"), Qt::LeftButton);
    EXPECT_EQ(dialog_.answer(), (DeleteConfirmationAnswer{true, true}));
}

TEST_F(DeleteConfirmationDialogTest, EscapeIsNoAndTheBoxIsNotRead)
{
    QTest::mouseClick(doNotAskAgain(), Qt::LeftButton);
    QTest::keyClick(&dialog_, Qt::Key_Escape);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.answer(), (DeleteConfirmationAnswer{false, false}));
}

TEST_F(DeleteConfirmationDialogTest, ClosingTheWindowIsNoAndTheBoxIsNotRead)
{
    QTest::mouseClick(doNotAskAgain(), Qt::LeftButton);
    dialog_.close();
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.answer(), (DeleteConfirmationAnswer{false, false}));
}

TEST_F(DeleteConfirmationDialogTest, EnterIsNo)
{
    QTest::keyClick(&dialog_, Qt::Key_Return);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.answer(), (DeleteConfirmationAnswer{false, false}));
}

TEST_F(DeleteConfirmationDialogTest, ShowingAgainForgetsTheEarlierAnswer)
{
    QTest::mouseClick(button("c6"), Qt::LeftButton);
    dialog_.show();
    QTest::keyClick(&dialog_, Qt::Key_Escape);
    EXPECT_EQ(dialog_.answer(), (DeleteConfirmationAnswer{false, false}));
}

TEST(DeleteConfirmationWithDialog, NoWithDoNotAskAgainStillAsksAtTheNextDelete)
{
    DeleteConfirmation confirmation(
        [](const QString& question) { return DeleteConfirmationDialog::ask(nullptr, question); });
    atNextModalDialog([](QWidget& dialog) {
        QTest::mouseClick(dialog.findChild<QCheckBox*>("c1144"), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QPushButton*>("c7"), Qt::LeftButton);
    });
    EXPECT_FALSE(confirmation.confirm("Delete circuit 1?"));
    EXPECT_TRUE(confirmation.asksBeforeDelete());
    QString asked;
    atNextModalDialog([&asked](QWidget& dialog) {
        asked = dialog.findChild<QLabel*>("question")->text();
        QTest::mouseClick(dialog.findChild<QPushButton*>("c6"), Qt::LeftButton);
    });
    EXPECT_TRUE(confirmation.confirm("Delete circuit 2?"));
    EXPECT_EQ(asked, "Delete circuit 2?");
}

TEST(DeleteConfirmationWithDialog, EscapeAsksAgainAtTheNextDelete)
{
    DeleteConfirmation confirmation(
        [](const QString& question) { return DeleteConfirmationDialog::ask(nullptr, question); });
    atNextModalDialog([](QWidget& dialog) {
        QTest::mouseClick(dialog.findChild<QCheckBox*>("c1144"), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(confirmation.confirm("Delete circuit 1?"));
    EXPECT_TRUE(confirmation.asksBeforeDelete());
    atNextModalDialog(
        [](QWidget& dialog) { QTest::mouseClick(dialog.findChild<QPushButton*>("c6"), Qt::LeftButton); });
    EXPECT_TRUE(confirmation.confirm("Delete circuit 1?"));
}
