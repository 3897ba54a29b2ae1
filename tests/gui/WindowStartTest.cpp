// Start-up, help and About: the logo rule, the About box's build line, the
// manuals, and the program's command line as a user types it.
#include "CurrentFolderGuard.h"
#include "WindowFixture.h"

#include "app/LanguageModules.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "gui/AboutDialog.h"
#include "gui/CommandIds.h"
#include "gui/LanguageStartUp.h"
#include "gui/LogoPathRule.h"
#include "gui/ManualFiles.h"
#include "gui/ViewControlIds.h"
#include "support/LocaleGuard.h"
#include "support/RawArguments.h"
#include "support/TestDatabaseBuilder.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <unistd.h>

using namespace CommandIds;
using namespace ViewControlIds;

TEST_F(WindowTest, TheStoredLogoIsUsedWhenItIsAReadableImage)
{
    // An image in the current folder is no default: the built-in logo (an
    // empty path) is, whatever lies there.
    const CurrentFolderGuard inTestFolder(dir_.path());
    QSettings settings(path("logo.ini"), QSettings::IniFormat);
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(path("logo.bmp"), "BMP"));
    EXPECT_EQ(LogoPathRule::settle(settings), "") << "nothing stored";
    ASSERT_TRUE(image.save(path("LOGO.BMP"), "BMP"));
    ASSERT_TRUE(image.save(path("logo.png"), "PNG"));
    settings.setValue("LogoPath", path("LOGO.BMP"));
    EXPECT_EQ(LogoPathRule::settle(settings), path("LOGO.BMP")) << ".BMP in capitals";
    settings.setValue("LogoPath", path("logo.png"));
    EXPECT_EQ(LogoPathRule::settle(settings), path("logo.png")) << "any image Qt reads";
    settings.setValue("LogoPath", path("missing.png"));
    EXPECT_EQ(LogoPathRule::settle(settings), "");
    writeFile(path("notes.txt"), "text");
    settings.setValue("LogoPath", path("notes.txt"));
    EXPECT_EQ(LogoPathRule::settle(settings), "");
}

TEST_F(WindowTest, TheLastFourFilesAndTheLogoPathAreKeptForTheNextRun)
{
    {
        TestDatabaseBuilder builder(path("1.mdb"));
        TestDatabaseBuilder::Site site;
        site.company = builder.addCompany("Fibre Co", "SN:P1", "2.10", "555-0101");
        builder.addFiber(builder.addSite(site), "1", 0, {-25.0f, 0, 0, 0, 0});
    }
    for (int i = 2; i <= 5; ++i)
        ASSERT_TRUE(QFile::copy(path("1.mdb"), path(QStringLiteral("%1.mdb").arg(i))));
    for (int i = 1; i <= 5; ++i)
        ASSERT_TRUE(frame_->openFile(path(QStringLiteral("%1.mdb").arg(i))));
    ASSERT_TRUE(frame_->openFile(path("3.mdb")));
    const QStringList newestFirst = {path("3.mdb"), path("5.mdb"), path("4.mdb"), path("2.mdb")};
    EXPECT_EQ(frame_->recentFiles(), newestFirst);

    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(path("mine.png")));
    settings_->setValue("LogoPath", path("mine.png"));

    // The next run: a new window on the same settings, as read from disk.
    frame_.reset();
    settings_->sync();
    settings_ = std::make_unique<QSettings>(path("settings.ini"), QSettings::IniFormat);
    makeFrame();
    EXPECT_EQ(frame_->recentFiles(), newestFirst);
    EXPECT_EQ(frame_->logoPath(), path("mine.png"));
    auto* recent = frame_->findChild<QMenu*>("recentFiles");
    ASSERT_NE(recent, nullptr);
    ASSERT_EQ(recent->actions().size(), 4);
    EXPECT_EQ(recent->actions().at(0)->text(), "&1 3.mdb");
    recent->actions().at(3)->trigger();
    EXPECT_EQ(frame_->document().pathName(), path("2.mdb"));
    EXPECT_EQ(frame_->recentFiles().first(), path("2.mdb"));

    // A window on the user's own settings keeps them in the program's file
    // of the XDG config folder, ~/.config/fibrolog/fibrolog.conf.
    frame_.reset();
    FrameServices own;
    own.prompt = &prompt_;
    own.ports = &ports_;
    {
        CMainFrame window(own);
        ASSERT_TRUE(window.openFile(path("4.mdb")));
    }
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QSettings written(config + "/fibrolog/fibrolog.conf", QSettings::NativeFormat);
    EXPECT_EQ(written.value("Recent File List/Files").toStringList().value(0), path("4.mdb"))
        << QDir(config).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).join(' ').toStdString();
}

TEST_F(WindowTest, ACommandLineFileThatCannotBeOpenedIsReportedOnceAndTheWindowStaysEmpty)
{
    writeFile(path("notes.mdb"), "not a database");
    ASSERT_TRUE(QDir().mkpath(path("folder.mdb")));
    qsizetype said = 0;
    for (const QString& file : {path("missing.mdb"), path("notes.mdb"), path("folder.mdb")}) {
        EXPECT_FALSE(frame_->openFromCommandLine(file));
        ASSERT_EQ(prompt_.exchanges().size(), ++said) << file.toStdString();
        EXPECT_TRUE(frame_->document().pathName().isEmpty());
        EXPECT_TRUE(frame_->isVisible());
    }
    EXPECT_TRUE(
        prompt_.exchanges().first().text.contains("missing.mdb could not be opened: Could not find file"));
    EXPECT_TRUE(prompt_.exchanges().last().text.contains("folder.mdb could not be opened"));
}

TEST_F(WindowTest, ANameThatLostBytesOnItsWayInOpensAndSavesNoOtherFile)
{
    // "café.mdb" from an old USB stick (Latin-1), and the other file that its
    // name, as Qt reads it ("caf\uFFFD.mdb"), names.
    const QByteArray latin1 = QFile::encodeName(dir_.path()) + "/caf\xe9.mdb";
    const QString misread = QFile::decodeName(latin1);
    struct RemoveAtTheEnd
    {
        QByteArray name;
        ~RemoveAtTheEnd() { ::unlink(name.constData()); }
    } removeAtTheEnd{latin1};
    for (const QString& file : {path("mine.mdb"), misread}) {
        TestDatabaseBuilder builder(file);
        TestDatabaseBuilder::Site site;
        site.company = builder.addCompany("Fibre Co", "SN:P1", "2.10", "555-0101");
        builder.addFiber(builder.addSite(site), "1", 0, {-25.0f, 0, 0, 0, 0});
    }
    ASSERT_EQ(::rename(QFile::encodeName(path("mine.mdb")).constData(), latin1.constData()), 0);
    const QByteArray other = fileBytes(misread);

    // File > Open, and the same name among the recent files.
    filesToOpen_ << misread;
    trigger(FileOpen);
    settings_->setValue("Recent File List/Files", QStringList{misread});
    makeFrame();
    frame_->findChild<QMenu*>("recentFiles")->actions().at(0)->trigger();
    ASSERT_EQ(prompt_.exchanges().size(), 2);
    for (const ScriptedPrompt::Exchange& said : prompt_.exchanges())
        EXPECT_TRUE(said.text.contains("is not valid UTF-8")) << said.text.toStdString();
    EXPECT_TRUE(document().pathName().isEmpty());

    // File > Save As, told to overwrite.
    ASSERT_TRUE(document().loadFile(sample("lintel-v2_5.kav")));
    prompt_.addSaveFileName(misread);
    prompt_.addAnswer(PromptAnswer::Overwrite);
    trigger(FileSaveAs);
    EXPECT_TRUE(prompt_.exchanges().last().text.contains("is not valid UTF-8"))
        << prompt_.exchanges().last().text.toStdString();
    EXPECT_EQ(fileBytes(misread), other);

    // "fibrolog --print" with the name as the user typed it.
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start("sh", {"-c", rawCommandLine(FIBROLOG_PROGRAM_PATH, {"--print", latin1})});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 1);
    const QString said = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_TRUE(said.contains(QStringLiteral("\"%1/caf\\xE9.mdb\" is not valid UTF-8").arg(dir_.path())))
        << said.toStdString();
}

TEST_F(WindowTest, CtrlShiftAShowsAndHidesTheAboutBoxsBuildLine)
{
    AboutDialog about(frame_.get());
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_FALSE(about.showsBuildLine());
    QTest::keyClick(&about, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(about.showsBuildLine());
    EXPECT_TRUE(about.findChild<QLabel*>("c1147")->text().contains(qVersion()));
    QTest::keyClick(&about, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(about.showsBuildLine());
    EXPECT_EQ(about.findChild<QLabel*>("version")->text(), "Fibrolog Version 2.9.1");
}

TEST_F(WindowTest, AManualIsShownFromTheFirstFolderThatHasItAndAMissingOneIsNamed)
{
    QStringList shown;
    frame_.reset();
    FrameServices services;
    services.prompt = &prompt_;
    services.ports = &ports_;
    services.settings = settings_.get();
    ASSERT_TRUE(QDir().mkpath(path("docs")));
    services.manualFolders = {path("docs"), path("")};
    services.openDocument = [&](const QString& file) {
        shown << file;
        return true;
    };
    frame_ = std::make_unique<CMainFrame>(services);

    writeFile(path("pendramanual.pdf"), "%PDF-1.4");
    trigger(ManualPendra);
    EXPECT_EQ(shown, QStringList{path("pendramanual.pdf")});
    EXPECT_TRUE(prompt_.exchanges().isEmpty());

    trigger(ManualLintel);
    ASSERT_EQ(prompt_.exchanges().size(), 1);
    const QString message = prompt_.exchanges().first().text;
    EXPECT_TRUE(message.contains("\"lintelmanual.pdf\" is not installed")) << message.toStdString();
    EXPECT_TRUE(message.contains(path("docs"))) << "it says where to put it";
    EXPECT_EQ(shown.size(), 1);
    EXPECT_EQ(ManualFiles::fileFor(ManualInvalidMargin), "invalid operating margin.pdf");
}

// Stands in for the desktop's browser: Help > User Guide hands its URL to
// QDesktopServices, which gives file URLs to this handler instead.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }
};

// The pictures a guide page shows that are not beside it.
QStringList missingPictures(const QString& page)
{
    QFile file(page);
    if (!file.open(QIODevice::ReadOnly))
        return {page};
    const QString html = QString::fromUtf8(file.readAll());
    QStringList missing;
    const QRegularExpression picture(QStringLiteral("src=\"([^\"]+)\""));
    for (const QRegularExpressionMatch& match : picture.globalMatch(html)) {
        if (!QFileInfo(QFileInfo(page).dir().filePath(match.captured(1))).isFile())
            missing << match.captured(1);
    }
    return missing;
}

TEST_F(WindowTest, HelpUserGuideOpensTheGuideBesideTheProgramOrUnderItsPrefixAndNamesWhereItLookedWhenMissing)
{
    // FIBROLOG_INSTALLED_PREFIX is set by the install test: the guide the
    // program in PREFIX/bin finds. Without it, a prefix made here with a guide
    // in share/fibrolog/guide stands for a program installed elsewhere.
    const QString installedPrefix = qEnvironmentVariable("FIBROLOG_INSTALLED_PREFIX");
    const QString prefix = installedPrefix.isEmpty() ? path("usr") : installedPrefix;
    if (installedPrefix.isEmpty()) {
        ASSERT_TRUE(QDir().mkpath(path("usr/share/fibrolog/guide")));
        writeFile(path("usr/share/fibrolog/guide/index.html"), "<title>Fibrolog user guide</title>");
    }
    const QString builtProgramFolder = QFileInfo(QStringLiteral(FIBROLOG_PROGRAM_PATH)).path();
    struct Case
    {
        const char* what;
        QString programFolder;
        QString installedFolder;
        QString expectedPage; // empty: no guide, a message instead
    };
    const QList<Case> cases = {
        {"the built guide beside the program of a build tree", builtProgramFolder, path("nowhere"),
         builtProgramFolder + "/guide/index.html"},
        {"the guide under the prefix the program runs from", prefix + "/bin", path("nowhere"),
         prefix + "/share/fibrolog/guide/index.html"},
        {"the guide of the prefix the program was built for", path("elsewhere/bin"),
         prefix + "/share/fibrolog/guide", prefix + "/share/fibrolog/guide/index.html"},
        {"no guide anywhere", path("elsewhere/bin"), path("nowhere"), QString()},
    };

    UrlCatcher browser;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "open");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        browser.urls.clear();
        const qsizetype asked = prompt_.exchanges().size();
        frame_.reset();
        FrameServices services;
        services.prompt = &prompt_;
        services.ports = &ports_;
        services.settings = settings_.get();
        services.guideFolders = ManualFiles::guideFolders(c.programFolder, c.installedFolder);
        frame_ = std::make_unique<CMainFrame>(services);
        frame_->show();

        QAction* guide = frame_->command(UserGuide);
        ASSERT_NE(guide, nullptr);
        const QMenu* help = frame_->menuBar()->actions().constLast()->menu();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->actions().constFirst(), guide) << "Help > User Guide comes first";
        EXPECT_EQ(guide->shortcut(), QKeySequence(QKeySequence::HelpContents));
        guide->trigger();

        if (c.expectedPage.isEmpty()) {
            EXPECT_TRUE(browser.urls.isEmpty());
            ASSERT_EQ(prompt_.exchanges().size(), asked + 1);
            const QString message = prompt_.exchanges().last().text;
            EXPECT_TRUE(message.startsWith("The user guide is not installed.")) << message.toStdString();
            EXPECT_TRUE(message.contains(path("elsewhere/bin/guide")) && message.contains(path("nowhere")) &&
                        message.contains(path("elsewhere/share/fibrolog/guide")))
                << "it names every folder it looked in: " << message.toStdString();
            continue;
        }
        EXPECT_EQ(prompt_.exchanges().size(), asked);
        ASSERT_EQ(browser.urls.size(), 1);
        EXPECT_EQ(browser.urls.first(), QUrl::fromLocalFile(QDir::cleanPath(c.expectedPage)));
        const QString page = browser.urls.first().toLocalFile();
        EXPECT_TRUE(QString::fromUtf8(fileBytes(page)).contains("<title>Fibrolog user guide</title>"));
        EXPECT_EQ(missingPictures(page), QStringList()) << "every picture the page shows is beside it";
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

TEST(LanguageStartUp, WhenNoLanguageLoadsTheUserIsToldAndTheProgramEnds)
{
    ScriptedPrompt prompt;
    EXPECT_TRUE(startLanguage([] { return std::optional<int>(1031); }, prompt));
    EXPECT_TRUE(prompt.exchanges().isEmpty());
    EXPECT_FALSE(startLanguage([] { return std::optional<int>(); }, prompt));
    ASSERT_EQ(prompt.exchanges().size(), 1);
    EXPECT_EQ(prompt.exchanges().first().text, "Error Initializing Languages.\nPlease re-install.");
    EXPECT_EQ(prompt.exchanges().first().icon, PromptIcon::Exclamation);
}

TEST_F(WindowTest, ADamagedModuleIsNamedInAMessageAndTheWindowStartsInEnglish)
{
    const QDir modules(QStringLiteral(FIBROLOG_LANGUAGE_MODULE_DIR));
    QByteArray german = fileBytes(modules.filePath("KavLangDll_407.qm"));
    ASSERT_GT(german.size(), 100);
    german[german.size() / 2] = static_cast<char>(german.at(german.size() / 2) ^ 0x01);
    writeFile(path("KavLangDll_407.qm"), german);
    ASSERT_TRUE(QFile::copy(modules.filePath("KavLangDll.sha256"), path("KavLangDll.sha256")));
    LanguageModules languages({dir_.path()});
    ScriptedPrompt prompt;
    ASSERT_TRUE(startLanguage(
        [&languages] { return languages.startUp(0x407, [](const QList<int>&) { return 0x407; }); }, prompt,
        [&languages] { return languages.refusalNotices(); }));
    EXPECT_EQ(languages.loadedLcid(), 1033);
    ASSERT_EQ(prompt.exchanges().size(), 1);
    const QString message = prompt.exchanges().first().text;
    EXPECT_TRUE(message.startsWith("The language module " + path("KavLangDll_407.qm") +
                                   " was refused: it is damaged"))
        << message.toStdString();
    EXPECT_EQ(prompt.exchanges().first().icon, PromptIcon::Exclamation);
    EXPECT_EQ(Strings::loadString(StringId::MenuFile), "&File");
}

TEST_F(WindowTest, InGermanTheMenusTheViewTheAboutBoxAndQtsButtonsSpeakGerman)
{
    LocaleGuard locale("de_DE");
    LanguageModules german({QStringLiteral(FIBROLOG_LANGUAGE_MODULE_DIR)});
    ASSERT_TRUE(german.load(0x407)) << german.lastError().toStdString();
    makeFrame();
    frame_->resize(1000, 720);
    EXPECT_EQ(frame_->menuBar()->actions().first()->text(), "&Datei");
    ASSERT_TRUE(document().loadFile(sample("pendra-v2_10.kav")));
    EXPECT_EQ(record(), "Datensatz 1 von 19");
    screenshot(*frame_, "window-summary-de");
    trigger(ViewDetails);
    EXPECT_EQ(text(kLength), "0,32") << "German numbers";
    screenshot(*frame_, "window-details-de");

    AboutDialog about(frame_.get());
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QTest::keyClick(&about, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(about.findChild<QLabel*>("c1147")->text().startsWith("Erstellt am"));
    screenshot(about, "about-de");

    // Qt's own buttons come from Qt's German translation.
    ASSERT_TRUE(german.hasQtTranslation());
    QMessageBox box(QMessageBox::Question, "Fibrolog", "?", QMessageBox::Yes | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), "Abbrechen");
}

TEST(ProgramCommandLine, VersionHelpAndPrintWithoutAPrinterOrADisplay)
{
    // As in a terminal on a server, or over ssh: no display of any kind.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(name);
    auto run = [&](const QStringList& arguments) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(FIBROLOG_PROGRAM_PATH, arguments);
        EXPECT_TRUE(program.waitForFinished(30000));
        return std::tuple{program.exitCode(), QString::fromLocal8Bit(program.readAllStandardOutput()),
                          QString::fromLocal8Bit(program.readAllStandardError())};
    };
    const auto [versionStatus, version, versionErr] = run({"--version"});
    EXPECT_EQ(versionStatus, 0);
    EXPECT_TRUE(version.contains("2.9.1")) << version.toStdString();
    const auto [helpStatus, help, helpErr] = run({"--help"});
    EXPECT_EQ(helpStatus, 0);
    for (const char* option : {"--print", "--locale", "--version", "FILE"})
        EXPECT_TRUE(help.contains(option)) << option;
    const auto [localeStatus, localeOut, localeErr] = run({"--locale", "xx_nowhere", "--version"});
    EXPECT_EQ(localeStatus, 0) << "--version answers before anything else";
    const auto [badLocaleStatus, badOut, badErr] = run({"--locale", "xx_nowhere", "--print", "x.mdb"});
    EXPECT_EQ(badLocaleStatus, 2);
    EXPECT_TRUE(badErr.contains("unknown locale")) << badErr.toStdString();
    const auto [printStatus, printOut, printErr] =
        run({"--print", QStringLiteral(FIBROLOG_TEST_DATA_DIR "/missing.mdb")});
    EXPECT_EQ(printStatus, 1);
    EXPECT_TRUE(printErr.contains("could not be opened")) << printErr.toStdString();
}

#include "WindowStartTest.moc"
