#include "launcher/LanguageDialog.h"
#include "launcher/LanguageList.h"
#include "launcher/LcidNames.h"
#include "launcher/ProfileFile.h"

#include "LauncherTestFiles.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const ProfileFile kGermanFirst =
    ProfileFile::fromBytes("[LANGUAGES]\ncount=2\nlanguage1=1031\nlanguage2=1033\n");

int refuseToAsk(const QList<int>&)
{
    ADD_FAILURE() << "the user was asked";
    return -1;
}

} // namespace

TEST(LanguageList, OffersTheKeysUpToCountInTheirOrder)
{
    EXPECT_EQ(offeredLanguages(kGermanFirst), (QList<int>{1031, 1033}));

    // Keys in any order and case; zero entries, keys past count and keys
    // that "%d" would not write are left out.
    const ProfileFile mixed = ProfileFile::fromBytes("[languages]\n"
                                                     "LANGUAGE3=1036\n"
                                                     "language1=1031\n"
                                                     "language2=0\n"
                                                     "language02=3084\n"
                                                     "language4=2057\n"
                                                     "count=3\n");
    EXPECT_EQ(offeredLanguages(mixed), (QList<int>{1031, 1036}));
}

TEST(LanguageList, NoFileOrACountOfZeroOffersEnglish)
{
    EXPECT_EQ(offeredLanguages(ProfileFile()), QList<int>{1033});
    EXPECT_EQ(offeredLanguages(ProfileFile::fromBytes("[LANGUAGES]\ncount=0\nlanguage1=1031\n")),
              QList<int>{1033});
    EXPECT_EQ(offeredLanguages(ProfileFile::fromBytes("[LANGUAGES]\ncount=-4\nlanguage1=1031\n")),
              QList<int>{1033});
    // A count far beyond the keys that exist costs nothing.
    EXPECT_EQ(offeredLanguages(ProfileFile::fromBytes("[LANGUAGES]\ncount=2147483647\nlanguage1=1031\n")),
              QList<int>{1031});
}

TEST(LanguageList, AsksOnlyWhenThereIsAChoice)
{
    EXPECT_EQ(chooseLanguage({}, refuseToAsk), 1033);
    EXPECT_EQ(chooseLanguage({1031}, refuseToAsk), 1031);
    QList<int> asked;
    EXPECT_EQ(chooseLanguage({1031, 1033},
                             [&](const QList<int>& offered) {
                                 asked = offered;
                                 return offered.back();
                             }),
              1033);
    EXPECT_EQ(asked, (QList<int>{1031, 1033}));
}

TEST(LanguageDialog, ListsNativeNamesGermanFirstAndOkTakesIt)
{
    LanguageDialog dialog(offeredLanguages(kGermanFirst));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Choose your Language"));
    auto* list = dialog.findChild<QComboBox*>(QStringLiteral("c1172"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), QStringLiteral("Deutsch (Deutschland)"));
    EXPECT_EQ(list->itemText(1), QStringLiteral("American English (United States)"));
    EXPECT_EQ(list->currentIndex(), 0);

    grabScreenshot(dialog, QStringLiteral("launcher-language-dialog"));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("c1")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedLanguage(), 1031);
}

TEST(LanguageDialog, ClosingTakesTheSelectedLine)
{
    LanguageDialog dialog({1031, 1033, 1036});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* list = dialog.findChild<QComboBox*>(QStringLiteral("c1172"));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentIndex(), 1);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.selectedLanguage(), 1033);
}

TEST(LanguageDialog, AskRunsTheDialogAndReturnsTheChoice)
{
    // The dialog runs modally; the user's OK comes from the event loop.
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("c1")), Qt::LeftButton);
    });
    EXPECT_EQ(chooseLanguage({1031, 1033}, &LanguageDialog::ask), 1031);
}

TEST(LcidNames, UnknownIdsShowTheirNumber)
{
    EXPECT_EQ(nativeLanguageLine(1036), QStringLiteral("français (France)"));
    EXPECT_EQ(nativeLanguageLine(4242), QStringLiteral("4242"));
    EXPECT_EQ(localeOfLcid(3079).name(), QStringLiteral("de_AT"));
}
