#include "gui/LogoSettingsDialog.h"

#include "CurrentFolderGuard.h"
#include "DialogScreenshot.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "gui/LogoImages.h"
#include "report/LogoSource.h"
#include "support/ScriptedPrompt.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <deque>
#include <memory>

namespace {

class LogoSettingsDialogTest : public TempDirTest
{
protected:
    LogoSettingsDialogTest() : folder_(dir_.path()), settings_(path("fibrolog.ini"), QSettings::IniFormat) {}

    // A plain image with a border, so the preview shows where its edges are.
    QString writeImage(const QString& name, QSize size, const char* format = nullptr)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkBlue);
        for (int x = 0; x < size.width(); ++x) {
            image.setPixelColor(x, 0, Qt::yellow);
            image.setPixelColor(x, size.height() - 1, Qt::yellow);
        }
        const QString file = path(name);
        EXPECT_TRUE(image.save(file, format)) << name.toStdString();
        return file;
    }

    std::unique_ptr<LogoSettingsDialog> open(const QString& currentLogoPath)
    {
        auto dialog = std::make_unique<LogoSettingsDialog>(currentLogoPath, settings_, prompt_);
        dialog->setFileChooser([this](QWidget*, const QString& currentPath) -> std::optional<QString> {
            chooserWasGiven_.append(currentPath);
            if (chosenFiles_.empty())
                return std::nullopt;
            std::optional<QString> chosen = chosenFiles_.front();
            chosenFiles_.pop_front();
            return chosen;
        });
        dialog->show();
        return dialog;
    }

    static QLineEdit* pathEdit(QDialog& dialog) { return dialog.findChild<QLineEdit*>("c1055"); }
    static QLabel* previewLabel(QDialog& dialog) { return dialog.findChild<QLabel*>("c1182"); }
    static QSize previewSize(QDialog& dialog) { return previewLabel(dialog)->pixmap().size(); }
    static qint64 previewKey(QDialog& dialog) { return previewLabel(dialog)->pixmap().cacheKey(); }

    static void click(QDialog& dialog, const char* name)
    {
        QPushButton* button = dialog.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // What a fresh look at the settings file finds.
    QVariant storedValue()
    {
        QSettings reread(path("fibrolog.ini"), QSettings::IniFormat);
        return reread.value("LogoPath");
    }

    void storeBeforehand(const QString& logoPath)
    {
        settings_.setValue("LogoPath", logoPath);
        settings_.sync();
    }

    CurrentFolderGuard folder_;
    QSettings settings_;
    ScriptedPrompt prompt_;
    std::deque<std::optional<QString>> chosenFiles_;
    QStringList chooserWasGiven_;
};

QString text(int id)
{
    return Strings::loadString(id);
}

} // namespace

TEST_F(LogoSettingsDialogTest, OpensOnTheCurrentLogoScaledIntoTheBox)
{
    const QString wide = writeImage("wide.bmp", QSize(400, 100), "BMP");
    const auto dialog = open(wide);
    EXPECT_EQ(dialog->windowTitle(), "Fibrolog - Logo Settings");
    EXPECT_EQ(pathEdit(*dialog)->text(), wide);
    EXPECT_EQ(previewSize(*dialog), QSize(200, 50));
    EXPECT_EQ(previewLabel(*dialog)->size(), QSize(200, 200));
    EXPECT_TRUE(prompt_.exchanges().isEmpty());

    const QImage shot = saveScreenshot(*dialog, dir_.path(), "logo-settings-wide");
    EXPECT_TRUE(hasSeveralColours(shot));
    EXPECT_TRUE(QFile::exists(path("logo-settings-wide.png")));
}

TEST_F(LogoSettingsDialogTest, ATallLogoPreviewsAtFiftyByTwoHundred)
{
    const auto dialog = open(writeImage("tall.png", QSize(100, 400), "PNG"));
    EXPECT_EQ(previewSize(*dialog), QSize(50, 200));
    EXPECT_TRUE(hasSeveralColours(saveScreenshot(*dialog, dir_.path(), "logo-settings-tall")));
}

TEST_F(LogoSettingsDialogTest, ASmallLogoIsScaledUp)
{
    const auto dialog = open(writeImage("small.jpg", QSize(20, 10), "JPG"));
    EXPECT_EQ(previewSize(*dialog), QSize(200, 100));
}

TEST_F(LogoSettingsDialogTest, ACurrentLogoThatDoesNotLoadFallsBackQuietlyToTheBuiltInOne)
{
    // A logo.bmp in the current folder is nobody's choice: never taken.
    writeFile(path("broken.bmp"), "BM no bitmap here");
    writeImage("logo.bmp", QSize(300, 150), "BMP");
    const auto dialog = open(path("broken.bmp"));
    EXPECT_EQ(pathEdit(*dialog)->text(), QString());
    EXPECT_EQ(previewSize(*dialog),
              LogoImages::previewSize(LogoSource::builtIn(LogoSource::kPlainLogo).size()));
    EXPECT_TRUE(prompt_.exchanges().isEmpty());
}

TEST_F(LogoSettingsDialogTest, WithoutLogoBmpTheBuiltInLogoShowsAndThePathIsEmpty)
{
    const auto dialog = open(QString());
    EXPECT_EQ(pathEdit(*dialog)->text(), QString());
    const QSize builtIn = LogoSource::builtIn(LogoSource::kPlainLogo).size();
    ASSERT_FALSE(builtIn.isEmpty());
    EXPECT_EQ(previewSize(*dialog), LogoImages::previewSize(builtIn));
    EXPECT_TRUE(prompt_.exchanges().isEmpty());
    EXPECT_TRUE(hasSeveralColours(saveScreenshot(*dialog, dir_.path(), "logo-settings-built-in")));
}

TEST_F(LogoSettingsDialogTest, UseDefaultTakesTheBuiltInLogoWhateverLiesInTheCurrentFolder)
{
    const auto dialog = open(writeImage("wide.png", QSize(400, 100), "PNG"));
    writeImage("logo.bmp", QSize(100, 100), "BMP");
    click(*dialog, "c1183");
    EXPECT_EQ(pathEdit(*dialog)->text(), QString());
    EXPECT_EQ(previewSize(*dialog),
              LogoImages::previewSize(LogoSource::builtIn(LogoSource::kPlainLogo).size()));
    EXPECT_TRUE(prompt_.exchanges().isEmpty());
}

TEST_F(LogoSettingsDialogTest, BrowsingPreviewsTheChosenImage)
{
    const QString wide = writeImage("wide.png", QSize(400, 100), "PNG");
    const QString tall = writeImage("tall.bmp", QSize(100, 400), "BMP");
    const auto dialog = open(wide);
    chosenFiles_.push_back(tall);
    click(*dialog, "c1181");
    EXPECT_EQ(chooserWasGiven_, QStringList{wide});
    EXPECT_EQ(pathEdit(*dialog)->text(), tall);
    EXPECT_EQ(previewSize(*dialog), QSize(50, 200));
    EXPECT_TRUE(prompt_.exchanges().isEmpty());
}

TEST_F(LogoSettingsDialogTest, BrowsingToAFileThatIsNoImageSaysSoAndKeepsThePreview)
{
    const QString wide = writeImage("wide.png", QSize(400, 100), "PNG");
    writeFile(path("notes.txt"), "text");
    const auto dialog = open(wide);
    const qint64 before = previewKey(*dialog);
    chosenFiles_.push_back(path("notes.txt"));
    click(*dialog, "c1181");
    ASSERT_EQ(prompt_.exchanges().size(), 1);
    EXPECT_EQ(prompt_.exchanges()[0].kind, "message");
    EXPECT_EQ(prompt_.exchanges()[0].text, text(StringId::LogoMustBeImage));
    EXPECT_EQ(prompt_.exchanges()[0].icon, PromptIcon::Hand);
    EXPECT_EQ(pathEdit(*dialog)->text(), wide);
    EXPECT_EQ(previewKey(*dialog), before);
}

TEST_F(LogoSettingsDialogTest, BrowsingToAnImageThatDoesNotLoadSaysSoAndKeepsThePreview)
{
    const QString wide = writeImage("wide.png", QSize(400, 100), "PNG");
    writeFile(path("broken.png"), "\x89PNG but nothing else");
    const auto dialog = open(wide);
    const qint64 before = previewKey(*dialog);
    chosenFiles_.push_back(path("broken.png"));
    click(*dialog, "c1181");
    ASSERT_EQ(prompt_.exchanges().size(), 1);
    EXPECT_EQ(prompt_.exchanges()[0].text, text(StringId::LogoCannotLoad));
    EXPECT_EQ(prompt_.exchanges()[0].icon, PromptIcon::Hand);
    EXPECT_EQ(pathEdit(*dialog)->text(), wide);
    EXPECT_EQ(previewKey(*dialog), before);
}

TEST_F(LogoSettingsDialogTest, CancellingTheFileDialogChangesNothing)
{
    const QString wide = writeImage("wide.png", QSize(400, 100), "PNG");
    const auto dialog = open(wide);
    const qint64 before = previewKey(*dialog);
    click(*dialog, "c1181");
    EXPECT_EQ(chooserWasGiven_.size(), 1);
    EXPECT_EQ(pathEdit(*dialog)->text(), wide);
    EXPECT_EQ(previewKey(*dialog), before);
    EXPECT_TRUE(prompt_.exchanges().isEmpty());
}

TEST_F(LogoSettingsDialogTest, OkWithYesStoresThePath)
{
    storeBeforehand(path("old.bmp"));
    const QString tall = writeImage("tall.png", QSize(100, 400), "PNG");
    const auto dialog = open(tall);
    prompt_.addAnswer(PromptAnswer::Yes);
    click(*dialog, "c1");
    ASSERT_EQ(prompt_.exchanges().size(), 1);
    EXPECT_EQ(prompt_.exchanges()[0].kind, "yesno");
    EXPECT_EQ(prompt_.exchanges()[0].text, text(StringId::DisplayLogoQuestion));
    EXPECT_EQ(prompt_.exchanges()[0].icon, PromptIcon::Question);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->storedLogoPath(), tall);
    EXPECT_EQ(storedValue(), tall);
}

TEST_F(LogoSettingsDialogTest, OkWithNoClosesAndLeavesTheStoredLogoAsItWas)
{
    storeBeforehand(path("old.bmp"));
    const auto dialog = open(writeImage("tall.png", QSize(100, 400), "PNG"));
    prompt_.addAnswer(PromptAnswer::No);
    click(*dialog, "c1");
    EXPECT_EQ(prompt_.exchanges().size(), 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->storedLogoPath(), std::nullopt);
    EXPECT_EQ(storedValue(), path("old.bmp"));
}

TEST_F(LogoSettingsDialogTest, AnEmptyPathWithYesStoresAnEmptyLogoPath)
{
    storeBeforehand(path("old.bmp"));
    const auto dialog = open(QString());
    ASSERT_EQ(pathEdit(*dialog)->text(), QString());
    prompt_.addAnswer(PromptAnswer::Yes);
    click(*dialog, "c1");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->storedLogoPath(), QString());
    const QVariant stored = storedValue();
    EXPECT_TRUE(stored.isValid());
    EXPECT_EQ(stored.toString(), QString());
    // And with that path the reports fall back to the built-in logo.
    EXPECT_FALSE(LogoSource(stored.toString()).hasUserLogo());
}

TEST_F(LogoSettingsDialogTest, OkOnAFileThatDoesNotLoadSaysSoAndStaysOpen)
{
    storeBeforehand(path("old.bmp"));
    writeFile(path("broken.bmp"), "BM no bitmap here");
    const auto dialog = open(QString());
    pathEdit(*dialog)->clear();
    QTest::keyClicks(pathEdit(*dialog), path("broken.bmp"));
    click(*dialog, "c1");
    ASSERT_EQ(prompt_.exchanges().size(), 1);
    EXPECT_EQ(prompt_.exchanges()[0].kind, "message");
    EXPECT_EQ(prompt_.exchanges()[0].text, text(StringId::LogoCannotLoad));
    EXPECT_EQ(prompt_.exchanges()[0].icon, PromptIcon::Hand);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->storedLogoPath(), std::nullopt);
    EXPECT_EQ(storedValue(), path("old.bmp"));
}

TEST_F(LogoSettingsDialogTest, OkOnAFileThatIsNoImageSaysSoAndStaysOpen)
{
    const auto dialog = open(QString());
    QTest::keyClicks(pathEdit(*dialog), path("notes.txt"));
    QTest::keyClick(pathEdit(*dialog), Qt::Key_Return);
    ASSERT_EQ(prompt_.exchanges().size(), 1);
    EXPECT_EQ(prompt_.exchanges()[0].text, text(StringId::LogoMustBeImageOnOk));
    EXPECT_EQ(prompt_.exchanges()[0].icon, PromptIcon::Hand);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(LogoSettingsDialogTest, CancelChangesNothing)
{
    storeBeforehand(path("old.bmp"));
    const auto dialog = open(QString());
    chosenFiles_.push_back(writeImage("wide.png", QSize(400, 100), "PNG"));
    click(*dialog, "c1181");
    click(*dialog, "c2");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(prompt_.exchanges().isEmpty());
    EXPECT_EQ(dialog->storedLogoPath(), std::nullopt);
    EXPECT_EQ(storedValue(), path("old.bmp"));
}

TEST_F(LogoSettingsDialogTest, EscapeIsCancel)
{
    storeBeforehand(path("old.bmp"));
    const auto dialog = open(writeImage("wide.png", QSize(400, 100), "PNG"));
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(prompt_.exchanges().isEmpty());
    EXPECT_EQ(storedValue(), path("old.bmp"));
}

TEST_F(LogoSettingsDialogTest, ASettingThatCannotBeWrittenIsReportedAndStillApplies)
{
    // The settings file's folder is a plain file, so nothing can be written
    // there.
    writeFile(path("blocked"), "a file, not a folder");
    QSettings blocked(path("blocked/fibrolog.ini"), QSettings::IniFormat);
    const QString wide = writeImage("wide.png", QSize(400, 100), "PNG");
    LogoSettingsDialog dialog(wide, blocked, prompt_);
    dialog.show();
    prompt_.addAnswer(PromptAnswer::Yes);
    click(dialog, "c1");
    ASSERT_EQ(prompt_.exchanges().size(), 2);
    EXPECT_EQ(prompt_.exchanges()[1].kind, "message");
    EXPECT_EQ(prompt_.exchanges()[1].text,
              Strings::formatMessage(text(StringId::LogoSettingNotSaved), {blocked.fileName()}));
    EXPECT_EQ(prompt_.exchanges()[1].icon, PromptIcon::Exclamation);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.storedLogoPath(), wide);
}

TEST_F(LogoSettingsDialogTest, ALogoNamedInCapitalsIsAccepted)
{
    const QString upper = writeImage("LOGO2.BMP", QSize(100, 400), "BMP");
    const auto dialog = open(upper);
    EXPECT_EQ(pathEdit(*dialog)->text(), upper);
    prompt_.addAnswer(PromptAnswer::Yes);
    click(*dialog, "c1");
    EXPECT_EQ(storedValue(), upper);
}
