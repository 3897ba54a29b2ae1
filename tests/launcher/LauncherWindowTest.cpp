#include "launcher/LauncherWindow.h"
#include "launcher/GradientButton.h"
#include "launcher/LauncherTexts.h"
#include "launcher/MediumFolder.h"
#include "launcher/PdfReaderProbe.h"
#include "launcher/ProfileFile.h"
#include "launcher/ProgramStarter.h"

#include "LauncherTestFiles.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include <memory>

namespace {

class FixedReaderProbe : public PdfReaderProbe
{
public:
    explicit FixedReaderProbe(QString version) : version_(std::move(version)) {}
    QString readerVersion() override { return version_; }

private:
    QString version_;
};

const QByteArray kLanguages =
    "[LANGUAGES]\n"
    "count=2\n"
    "language1=1033\n"
    "language2=1031\n"
    "[1033]\n"
    "InstallText=Install Fibrolog\n"
    "AdobeInstallText=Install a PDF reader\n"
    "ManualText=Read the manuals\n"
    "ExploreCdText=Browse the medium\n"
    "ExitText=Exit\n"
    "AdobeInstallExe=reader/setup.sh\n"
    "ManualPath=the manuals\n"
    "AdobeInstallWarningTitle=PDF reader\n"
    "AdobeInstallWarningText=You have %1 already.\\r\\nInstall the reader from the medium? "
    "(%2 stays)\n"
    "AdobeInstallWarningTextYes=Install\n"
    "AdobeInstallWarningTextNo=Keep mine\n"
    "StartFailedText=Cannot start %1.\n"
    "[1031]\n"
    "InstallText=Fibrolog installieren\n"
    "ExitText=Beenden\n";

// A medium whose installer, reader setup and file opener are scripts that
// leave a mark; the window on it, shown and active.
class LauncherWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        medium.writeFile(QStringLiteral("Languages.ini"), kLanguages);
        medium.writeMarkingScript(QStringLiteral("install.sh"), QStringLiteral("installed"));
        medium.writeMarkingScript(QStringLiteral("reader/setup.sh"), QStringLiteral("reader-installed"));
        medium.writeMarkingScript(QStringLiteral("open"), QStringLiteral("opened"));
        medium.writeFile(QStringLiteral("the manuals/guide.pdf"), "%PDF-1.4\n");
    }

    void open(int lcid = 1033, int depth = 32, const QByteArray& languages = kLanguages)
    {
        openWith(LauncherTexts::read(ProfileFile::fromBytes(languages), lcid), depth);
    }

    // The window as the launcher opens it on the test's medium.
    void openOnMedium(int depth = 32)
    {
        const LanguagesFile file = LanguagesFile::inMedium(medium.path());
        LauncherTexts read = LauncherTexts::read(file.profile(), 1033);
        read.fileProblem = file.problem();
        openWith(read, depth);
    }

    void openWith(const LauncherTexts& windowTexts, int depth)
    {
        texts = windowTexts;
        starter = std::make_unique<ProgramStarter>(medium.path(), medium.filePath(QStringLiteral("open")));
        window = std::make_unique<LauncherWindow>(texts, probe, *starter, depth);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    GradientButton* button(LauncherWindow::ButtonId id) const { return window->button(id); }

    void click(LauncherWindow::ButtonId id) const { QTest::mouseClick(button(id), Qt::LeftButton); }

    QString failureMessage() const
    {
        auto* box = window->findChild<QMessageBox*>(QStringLiteral("startFailure"));
        return box ? box->text() : QString();
    }

    TestMedium medium;
    FixedReaderProbe probe{QStringLiteral("org.example.Viewer")};
    LauncherTexts texts;
    std::unique_ptr<ProgramStarter> starter;
    std::unique_ptr<LauncherWindow> window;
};

} // namespace

TEST_F(LauncherWindowTest, FiveButtonsFromTheTopWithTheLanguagesTexts)
{
    open(1031);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("KAV Installer"));
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(window->windowIcon().isNull());
    const LauncherWindow::ButtonId order[] = {LauncherWindow::Install, LauncherWindow::InstallPdfReader,
                                              LauncherWindow::Manuals, LauncherWindow::Explore,
                                              LauncherWindow::Exit};
    const QString expected[] = {QStringLiteral("Fibrolog installieren"),
                                QStringLiteral("Install a PDF reader"), QStringLiteral("Read the manuals"),
                                QStringLiteral("Browse the medium"), QStringLiteral("Beenden")};
    int lastTop = -1;
    for (int i = 0; i < 5; ++i) {
        GradientButton* b = button(order[i]);
        ASSERT_NE(b, nullptr) << i;
        EXPECT_EQ(b->text(), expected[i]);
        EXPECT_GT(b->y(), lastTop);
        lastTop = b->y();
    }
}

TEST_F(LauncherWindowTest, InstallHoldsTheFocusAndReturnStartsTheInstaller)
{
    open();
    EXPECT_TRUE(button(LauncherWindow::Install)->hasFocus());
    EXPECT_TRUE(button(LauncherWindow::Install)->isDefault());
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_FALSE(waitForFile(medium.filePath(QStringLiteral("installed"))).isNull());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(LauncherWindowTest, ManualsAndExploreOpenTheirPathAsOneArgument)
{
    open();
    click(LauncherWindow::Manuals);
    EXPECT_EQ(waitForFile(medium.filePath(QStringLiteral("opened"))),
              QFile::encodeName(medium.filePath(QStringLiteral("the manuals"))) + '\n');
    QFile::remove(medium.filePath(QStringLiteral("opened")));
    click(LauncherWindow::Explore);
    EXPECT_EQ(waitForFile(medium.filePath(QStringLiteral("opened"))),
              QFile::encodeName(medium.path()) + '\n');
    EXPECT_TRUE(failureMessage().isEmpty());
}

TEST_F(LauncherWindowTest, PdfReaderWarningShowsTheViewerAndYesInstalls)
{
    open();
    click(LauncherWindow::InstallPdfReader);
    auto* warning = window->findChild<QDialog*>(QStringLiteral("dialog129"));
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(warning->windowTitle(), QStringLiteral("PDF reader"));
    const QStringList lines =
        warning->findChild<QLabel*>(QStringLiteral("c1000"))->text().split(QLatin1Char('\n'));
    EXPECT_EQ(lines, (QStringList{QStringLiteral("You have org.example.Viewer already."),
                                  QStringLiteral("Install the reader from the medium? (%2 stays)")}));
    auto* yes = warning->findChild<QPushButton*>(QStringLiteral("c1"));
    EXPECT_EQ(yes->text(), QStringLiteral("Install"));
    EXPECT_EQ(warning->findChild<QPushButton*>(QStringLiteral("c2"))->text(), QStringLiteral("Keep mine"));
    grabScreenshot(*warning, QStringLiteral("launcher-pdf-warning"));
    QTest::mouseClick(yes, Qt::LeftButton);
    EXPECT_FALSE(waitForFile(medium.filePath(QStringLiteral("reader-installed"))).isNull());
}

TEST_F(LauncherWindowTest, PdfReaderWarningNoStartsNothingAndNoSetupMeansNoWarning)
{
    open();
    click(LauncherWindow::InstallPdfReader);
    auto* warning = window->findChild<QDialog*>(QStringLiteral("dialog129"));
    ASSERT_NE(warning, nullptr);
    QTest::mouseClick(warning->findChild<QPushButton*>(QStringLiteral("c2")), Qt::LeftButton);
    QTest::qWait(300);
    EXPECT_FALSE(QFile::exists(medium.filePath(QStringLiteral("reader-installed"))));

    QByteArray withoutSetup = kLanguages;
    withoutSetup.replace("AdobeInstallExe=reader/setup.sh", "AdobeInstallExe=");
    open(1033, 32, withoutSetup);
    click(LauncherWindow::InstallPdfReader);
    EXPECT_EQ(window->findChild<QDialog*>(QStringLiteral("dialog129")), nullptr);
}

TEST_F(LauncherWindowTest, AProgramThatCannotStartIsNamedInAMessage)
{
    medium.writeMarkingScript(QStringLiteral("install.sh"), QStringLiteral("installed"), false);
    open();
    click(LauncherWindow::Install);
    EXPECT_EQ(failureMessage(),
              QStringLiteral("Cannot start %1.").arg(medium.filePath(QStringLiteral("install.sh"))));
    window->findChild<QMessageBox*>(QStringLiteral("startFailure"))->close();
    QApplication::processEvents();
    EXPECT_FALSE(QFile::exists(medium.filePath(QStringLiteral("installed"))));
}

TEST_F(LauncherWindowTest, MissingManualsAndAMissingOpenerAreNamed)
{
    QByteArray elsewhere = kLanguages;
    elsewhere.replace("ManualPath=the manuals", "ManualPath=gone/guide.pdf");
    open(1033, 32, elsewhere);
    click(LauncherWindow::Manuals);
    EXPECT_EQ(failureMessage(),
              QStringLiteral("Cannot start %1.").arg(medium.filePath(QStringLiteral("gone/guide.pdf"))));
    window->findChild<QMessageBox*>(QStringLiteral("startFailure"))->close();
    QApplication::processEvents();

    QFile::remove(medium.filePath(QStringLiteral("open")));
    click(LauncherWindow::Explore);
    EXPECT_EQ(failureMessage(),
              QStringLiteral("Cannot start %1.").arg(medium.filePath(QStringLiteral("open"))));
}

TEST_F(LauncherWindowTest, ExitEndsTheWindow)
{
    open();
    click(LauncherWindow::Exit);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
}

TEST_F(LauncherWindowTest, AMissingOrEmptyLanguagesIniIsNamedAndTheButtonsKeepEnglishNames)
{
    for (const char* content : {static_cast<const char*>(nullptr), "", "[LANGUAGES]\ncount=0\n"}) {
        const QString name = content ? QString::fromUtf8(content) : QStringLiteral("(no file)");
        QFile::remove(medium.filePath(QStringLiteral("Languages.ini")));
        QFile::remove(medium.filePath(QStringLiteral("installed")));
        if (content)
            medium.writeFile(QStringLiteral("Languages.ini"), content);
        openOnMedium(8);
        auto* box = window->findChild<QMessageBox*>(QStringLiteral("languagesFileProblem"));
        ASSERT_NE(box, nullptr) << name.toStdString();
        EXPECT_TRUE(box->isVisible()) << name.toStdString();
        EXPECT_TRUE(box->text().contains(medium.filePath(QStringLiteral("Languages.ini"))))
            << name.toStdString();
        grabScreenshot(*box, QStringLiteral("launcher-no-languages-ini"));
        box->close();
        QApplication::processEvents();
        EXPECT_EQ(button(LauncherWindow::Install)->text(), QStringLiteral("Install Fibrolog"))
            << name.toStdString();
        EXPECT_EQ(button(LauncherWindow::Exit)->text(), QStringLiteral("Exit")) << name.toStdString();
        click(LauncherWindow::InstallPdfReader);
        EXPECT_EQ(window->findChild<QDialog*>(QStringLiteral("dialog129")), nullptr) << name.toStdString();
        // The installer on the medium is still started.
        click(LauncherWindow::Install);
        EXPECT_FALSE(waitForFile(medium.filePath(QStringLiteral("installed"))).isNull())
            << name.toStdString();
    }
    medium.writeFile(QStringLiteral("Languages.ini"), kLanguages);
    openOnMedium();
    EXPECT_EQ(window->findChild<QMessageBox*>(QStringLiteral("languagesFileProblem")), nullptr);
}

TEST_F(LauncherWindowTest, AnInstallerOutsideTheMediumOrOnThePathIsNeverStarted)
{
    const TestMedium elsewhere;
    elsewhere.writeMarkingScript(QStringLiteral("install.sh"), QStringLiteral("escaped"));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(elsewhere.path()) + ':' + path);
    QFile::remove(medium.filePath(QStringLiteral("install.sh")));
    const QString up =
        QStringLiteral("../") + QFileInfo(elsewhere.path()).fileName() + QStringLiteral("/install.sh");
    // The default installer, missing from the medium, and one named out of it.
    for (const QString& installExe : {QString(), up}) {
        QByteArray languages = kLanguages;
        languages.replace("ExitText=Exit\n", "ExitText=Exit\nInstallExe=" + installExe.toUtf8() + "\n");
        open(1033, 32, languages);
        click(LauncherWindow::Install);
        EXPECT_EQ(failureMessage(),
                  QStringLiteral("Cannot start %1.")
                      .arg(QDir::cleanPath(medium.filePath(installExe.isEmpty() ? QStringLiteral("install.sh")
                                                                                : installExe))));
        window->findChild<QMessageBox*>(QStringLiteral("startFailure"))->close();
    }
    qputenv("PATH", path);
    QTest::qWait(300);
    EXPECT_FALSE(QFile::exists(elsewhere.filePath(QStringLiteral("escaped"))));
}

TEST_F(LauncherWindowTest, LongLabelsEndInAnEllipsisAndAreShownWholeInATip)
{
    const QString longText = QStringLiteral("Fibrolog mit allen Handbüchern und Beispielen installieren");
    QByteArray languages = kLanguages;
    languages.replace("InstallText=Install Fibrolog", "InstallText=" + longText.toUtf8());
    for (const int depth : {8, 24}) {
        open(1033, depth, languages);
        GradientButton* install = button(LauncherWindow::Install);
        const QImage picture =
            grabScreenshot(*install, QStringLiteral("launcher-long-label-%1bit").arg(depth));
        // The text's letters: the darkest pixels in the middle rows. Its
        // start must be there (cut at the left before) and it must keep
        // clear of both sides.
        int first = -1;
        int last = -1;
        for (int x = 0; x < picture.width(); ++x) {
            for (int y = picture.height() / 3; y < 2 * picture.height() / 3; ++y) {
                if (picture.pixelColor(x, y).lightness() < 90 && x > 2 && x < picture.width() - 3) {
                    first = first < 0 ? x : first;
                    last = x;
                }
            }
        }
        EXPECT_GE(first, 6) << depth;
        EXPECT_LE(last, picture.width() - 7) << depth;
        EXPECT_TRUE(install->shownText().startsWith(QStringLiteral("Fibrolog mit"))) << depth;
        EXPECT_TRUE(install->shownText().endsWith(QChar(0x2026))) << depth;

        QHelpEvent tip(QEvent::ToolTip, install->rect().center(),
                       install->mapToGlobal(install->rect().center()));
        QApplication::sendEvent(install, &tip);
        EXPECT_EQ(QToolTip::text(), longText) << depth;
        QToolTip::hideText();
    }
}

TEST_F(LauncherWindowTest, RichLookAboveEightBitsWithTheRoundedShapeAndPicture)
{
    open(1033, 24);
    ASSERT_TRUE(window->isRichLook());
    EXPECT_EQ(window->size(), QSize(520, 360));
    // The corners are cut off; the middle of each edge is not.
    EXPECT_FALSE(window->mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(window->mask().contains(QPoint(519, 359)));
    EXPECT_TRUE(window->mask().contains(QPoint(260, 0)));
    EXPECT_TRUE(window->mask().contains(QPoint(0, 180)));
    EXPECT_FALSE(button(LauncherWindow::Exit)->mask().isEmpty());
    EXPECT_FALSE(button(LauncherWindow::Exit)->mask().contains(QPoint(0, 0)));

    const QImage picture = grabScreenshot(*window, QStringLiteral("launcher-rich"));
    // The night-blue picture behind the buttons, not a flat dialog face.
    const QColor sky = picture.pixelColor(20, 200);
    EXPECT_GT(sky.blue(), sky.red() + 30);
}

TEST_F(LauncherWindowTest, StandardLookAtEightBitsOrFewer)
{
    open(1033, 8);
    EXPECT_FALSE(window->isRichLook());
    EXPECT_TRUE(window->mask().isEmpty());
    EXPECT_FALSE(button(LauncherWindow::Install)->isRichLook());
    EXPECT_TRUE(button(LauncherWindow::Install)->mask().isEmpty());
    const QImage picture = grabScreenshot(*window, QStringLiteral("launcher-standard"));
    EXPECT_EQ(picture.pixelColor(20, 200), window->palette().color(QPalette::Button));
}

TEST_F(LauncherWindowTest, HotWhileThePointerIsOverAButtonAndClearedOnLeaving)
{
    open();
    GradientButton* manuals = button(LauncherWindow::Manuals);
    const QColor before = manuals->grab().toImage().pixelColor(manuals->width() / 2, 3);
    QTest::mouseMove(manuals, manuals->rect().center());
    QApplication::processEvents();
    ASSERT_TRUE(manuals->isHot());
    const QImage hot = grabScreenshot(*window, QStringLiteral("launcher-rich-hot"));
    // The orange top edge of a hot button.
    const QPoint top = manuals->mapTo(window.get(), QPoint(manuals->width() / 2, 3));
    EXPECT_EQ(hot.pixelColor(top), QColor(252, 210, 121));

    // Straight from the middle of the button to far outside the window.
    QTest::mouseMove(window.get(), QPoint(5, 340));
    QApplication::processEvents();
    EXPECT_FALSE(manuals->isHot());
    EXPECT_EQ(manuals->grab().toImage().pixelColor(manuals->width() / 2, 3), before);
}

TEST_F(LauncherWindowTest, DraggingTheWindowAnywhereMovesIt)
{
    open();
    const QPoint start = window->pos();
    QTest::mousePress(window.get(), Qt::LeftButton, {}, QPoint(40, 200));
    QTest::mouseMove(window.get(), QPoint(70, 240));
    // The window has followed the pointer, which is over the same spot of
    // it again.
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, QPoint(40, 200));
    EXPECT_EQ(window->pos(), start + QPoint(30, 40));
}

TEST_F(LauncherWindowTest, ButtonsKeepTheirLeftEdgeAndFollowTheSize)
{
    open();
    const QRect before = button(LauncherWindow::Exit)->geometry();
    window->resize(600, 400);
    QApplication::processEvents();
    const QRect after = button(LauncherWindow::Exit)->geometry();
    EXPECT_EQ(after.left(), before.left());
    EXPECT_EQ(after.right(), before.right() + 80);
    EXPECT_EQ(after.top(), before.top() + 40);
    EXPECT_EQ(after.height(), before.height());
    EXPECT_FALSE(window->mask().contains(QPoint(599, 399)));
    EXPECT_TRUE(window->mask().contains(QPoint(590, 200)));
}
