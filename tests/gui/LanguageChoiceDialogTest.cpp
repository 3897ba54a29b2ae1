#include "gui/LanguageChoiceDialog.h"

#include "DialogScreenshot.h"
#include "app/LanguageModules.h"
#include "app/NativeLanguageLine.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kGerman = 0x407;
constexpr int kEnglish = 1033;
constexpr int kFrench = 0x40c;

class LanguageChoiceDialogTest : public TempDirTest
{
protected:
    LanguageChoiceDialogTest() { dialog_.show(); }
    ~LanguageChoiceDialogTest() override { StringTable::current().clearOverrides(); }

    QComboBox* list() { return dialog_.findChild<QComboBox*>("c1172"); }
    QPushButton* ok() { return dialog_.findChild<QPushButton*>("c1"); }

    LanguageChoiceDialog dialog_{{kGerman, kEnglish, kFrench}};
};

// Plays the user at the next modal dialog, once its event loop runs.
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

TEST_F(LanguageChoiceDialogTest, ListsTheLanguagesInOrderWithTheFirstSelected)
{
    EXPECT_EQ(dialog_.windowTitle(), "Choose your Language");
    ASSERT_NE(list(), nullptr);
    ASSERT_NE(ok(), nullptr);
    ASSERT_EQ(list()->count(), 3);
    EXPECT_EQ(list()->itemText(0), "Deutsch (Deutschland)");
    EXPECT_EQ(list()->itemText(1), nativeLanguageLine(kEnglish));
    EXPECT_EQ(list()->itemText(2), QString::fromUtf8("français (France)"));
    EXPECT_EQ(list()->currentIndex(), 0);
    EXPECT_EQ(dialog_.chosenLanguage(), kGerman);
    EXPECT_TRUE(ok()->isDefault());
    EXPECT_TRUE(hasSeveralColours(saveScreenshot(dialog_, dir_.path(), "language-choice")));
}

TEST_F(LanguageChoiceDialogTest, OkAtOnceChoosesTheFirstLine)
{
    QTest::mouseClick(ok(), Qt::LeftButton);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.result(), QDialog::Accepted);
    EXPECT_EQ(dialog_.chosenLanguage(), kGerman);
}

TEST_F(LanguageChoiceDialogTest, OkChoosesTheSelectedLine)
{
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(list(), Qt::Key_Down);
    ASSERT_EQ(list()->currentIndex(), 2);
    QTest::mouseClick(ok(), Qt::LeftButton);
    EXPECT_EQ(dialog_.chosenLanguage(), kFrench);
}

TEST_F(LanguageChoiceDialogTest, EscapeTakesTheSelectedLineAsOkDoes)
{
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Down);
    QTest::keyClick(&dialog_, Qt::Key_Escape);
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.chosenLanguage(), kEnglish);
}

TEST(LanguageChoiceDialog, WithNoLineSelectedEnglishIsChosen)
{
    LanguageChoiceDialog empty({});
    EXPECT_EQ(empty.chosenLanguage(), kEnglish);
    LanguageChoiceDialog cleared({kGerman});
    cleared.findChild<QComboBox*>("c1172")->setCurrentIndex(-1);
    EXPECT_EQ(cleared.chosenLanguage(), kEnglish);
}

TEST_F(LanguageChoiceDialogTest, StartUpWithoutAMatchShowsTheDialogAndLoadsTheLineTakenAtOnce)
{
    for (const char* name : {"KavLangDll_407.qm", "KavLangDll.sha256"}) {
        QFile::copy(QDir(QStringLiteral(FIBROLOG_LANGUAGE_MODULE_DIR)).filePath(name), path(name));
        ASSERT_TRUE(QFile::exists(path(name))) << name;
    }
    LanguageModules languages({dir_.path()});
    QStringList shownLines;
    atNextModalDialog([&shownLines](QWidget& modal) {
        auto* combo = modal.findChild<QComboBox*>("c1172");
        ASSERT_NE(combo, nullptr);
        for (int i = 0; i < combo->count(); ++i)
            shownLines << combo->itemText(i);
        QTest::keyClick(&modal, Qt::Key_Return);
    });
    const auto loaded = languages.startUp(
        0x411, [](const QList<int>& available) { return LanguageChoiceDialog::choose(available); });
    EXPECT_EQ(shownLines, (QStringList{"Deutsch (Deutschland)", nativeLanguageLine(kEnglish)}));
    EXPECT_EQ(loaded, kGerman);
    EXPECT_EQ(Strings::loadString(StringId::RecordPosition), "Datensatz %d von %d");
}
