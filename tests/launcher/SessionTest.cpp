#include "launcher/MediumFolder.h"
#include "launcher/PdfReaderProbe.h"
#include "launcher/ProgramStarter.h"
#include "launcher/RememberedLanguage.h"

#include "LauncherTestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

#include <optional>

TEST(RememberedLanguage, LeavesTheChoiceInTheRuntimeFolder)
{
    const TestMedium runtime;
    const RememberedLanguage remembered(runtime.path());
    ASSERT_TRUE(remembered.remember(1031));
    EXPECT_EQ(remembered.filePath(), runtime.filePath(QStringLiteral("Halvard Photonics/Installer.conf")));
    // The installer reads it as a plain line.
    QFile file(remembered.filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("Language=1031"));

    EXPECT_FALSE(RememberedLanguage(runtime.filePath(QStringLiteral("gone"))).remember(1033));
}

TEST(PdfReaderProbe, NamesTheDefaultViewerOrNothing)
{
    const TestMedium tools;
    tools.writeFile(QStringLiteral("xdg-mime"), "#!/bin/sh\n"
                                                "[ \"$*\" = 'query default application/pdf' ] || exit 3\n"
                                                "echo org.example.Viewer.desktop\n");
    QFile::setPermissions(tools.filePath(QStringLiteral("xdg-mime")), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(XdgMimePdfReaderProbe(tools.filePath(QStringLiteral("xdg-mime"))).readerVersion(),
              QStringLiteral("org.example.Viewer"));

    tools.writeFile(QStringLiteral("failing"), "#!/bin/sh\necho half an answer\nexit 1\n");
    QFile::setPermissions(tools.filePath(QStringLiteral("failing")), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_TRUE(XdgMimePdfReaderProbe(tools.filePath(QStringLiteral("failing"))).readerVersion().isEmpty());
    EXPECT_TRUE(XdgMimePdfReaderProbe(tools.filePath(QStringLiteral("missing"))).readerVersion().isEmpty());
}

TEST(LanguagesFile, OnlyTheMediumsIsReadAndAMissingOrEmptyOneIsNamed)
{
    const QByteArray complete = "[LANGUAGES]\ncount=1\nlanguage1=1031\n[1031]\nInstallText=Installieren\n";
    const struct
    {
        const char* name;
        std::optional<QByteArray> onMedium;
        const char* problem;
    } cases[] = {
        {"no file", std::nullopt, "The medium's settings file was not found:\n"},
        {"an empty file", QByteArray(), "The medium's settings file has no texts for the buttons:\n"},
        {"languages but no texts", QByteArray("[LANGUAGES]\ncount=1\nlanguage1=1031\n"),
         "The medium's settings file has no texts for the buttons:\n"},
        {"a complete file", complete, ""},
    };
    // A complete file where the launcher is started from never counts.
    const TestMedium current;
    current.writeFile(QStringLiteral("Languages.ini"),
                      "[LANGUAGES]\ncount=1\nlanguage1=1033\n[1033]\nInstallExe=/bin/sh\nInstallText=x\n");
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(current.path()));
    for (const auto& c : cases) {
        const TestMedium medium;
        if (c.onMedium)
            medium.writeFile(QStringLiteral("Languages.ini"), *c.onMedium);
        const LanguagesFile file = LanguagesFile::inMedium(medium.path());
        EXPECT_EQ(file.path(), medium.filePath(QStringLiteral("Languages.ini"))) << c.name;
        EXPECT_TRUE(file.profile().text(QStringLiteral("1033"), QStringLiteral("InstallExe")).isEmpty())
            << c.name;
        if (*c.problem == '\0') {
            EXPECT_TRUE(file.problem().isEmpty()) << c.name << ": " << file.problem().toStdString();
            EXPECT_EQ(file.profile().text(QStringLiteral("1031"), QStringLiteral("InstallText")),
                      QStringLiteral("Installieren"));
            continue;
        }
        EXPECT_TRUE(file.problem().startsWith(QString::fromUtf8(c.problem) + file.path()))
            << c.name << ": " << file.problem().toStdString();
    }
    QDir::setCurrent(before);
}

TEST(ProgramStarter, NamesAreTakenInsideTheMediumOnlyAndNeverFromThePath)
{
    const TestMedium outside;
    outside.writeMarkingScript(QStringLiteral("escape.sh"), QStringLiteral("escaped"));
    outside.writeMarkingScript(QStringLiteral("setup-on-path"), QStringLiteral("from-path"));
    const TestMedium medium;
    medium.writeMarkingScript(QStringLiteral("install.sh"), QStringLiteral("installed"));
    medium.writeFile(QStringLiteral("tools/readme.txt"), "x\n");
    ASSERT_TRUE(QFile::link(outside.filePath(QStringLiteral("escape.sh")),
                            medium.filePath(QStringLiteral("link.sh"))));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(outside.path()) + ':' + path);

    const QString up =
        QStringLiteral("../") + QFileInfo(outside.path()).fileName() + QStringLiteral("/escape.sh");
    const struct
    {
        QString name;
        bool starts;
    } cases[] = {
        {QStringLiteral("install.sh"), true},
        {QStringLiteral("tools/../install.sh"), true},
        {medium.filePath(QStringLiteral("install.sh")), true},
        {up, false},
        {outside.filePath(QStringLiteral("escape.sh")), false},
        {QStringLiteral("link.sh"), false},
        {QStringLiteral("setup-on-path"), false},
        {QStringLiteral("sh"), false},
        {QStringLiteral("tools"), false},
        {QString(), false},
    };
    const ProgramStarter starter(medium.path());
    for (const auto& c : cases) {
        QFile::remove(medium.filePath(QStringLiteral("installed")));
        QString failed;
        EXPECT_EQ(starter.startProgram(c.name, &failed), c.starts) << c.name.toStdString();
        if (c.starts) {
            EXPECT_FALSE(waitForFile(medium.filePath(QStringLiteral("installed"))).isNull())
                << c.name.toStdString();
        } else {
            EXPECT_EQ(failed, QDir::cleanPath(QDir(medium.path()).absoluteFilePath(c.name)))
                << c.name.toStdString();
        }
    }
    // Folders and files to open follow the same rule.
    QString failed;
    EXPECT_FALSE(starter.openPath(up, &failed));
    EXPECT_FALSE(starter.openPath(QStringLiteral("link.sh"), &failed));
    EXPECT_FALSE(starter.openPath(QStringLiteral("/"), &failed));
    qputenv("PATH", path);
    QTest::qWait(300);
    EXPECT_FALSE(QFile::exists(outside.filePath(QStringLiteral("escaped"))));
    EXPECT_FALSE(QFile::exists(outside.filePath(QStringLiteral("from-path"))));
}
