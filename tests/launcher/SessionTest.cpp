#include "launcher/MediumFolder.h"
#include "launcher/PdfReaderProbe.h"
#include "launcher/ProgramStarter.h"
#include "launcher/RememberedLanguage.h"

#include "LauncherTestFiles.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>

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

TEST(MediumFolder, LanguagesFileBesideTheLauncherFirstThenTheCurrentFolder)
{
    const TestMedium medium;
    const TestMedium current;
    EXPECT_TRUE(findLanguagesFile(medium.path(), current.path()).isEmpty());
    current.writeFile(QStringLiteral("Languages.ini"), "[LANGUAGES]\n");
    EXPECT_EQ(findLanguagesFile(medium.path(), current.path()),
              current.filePath(QStringLiteral("Languages.ini")));
    medium.writeFile(QStringLiteral("Languages.ini"), "[LANGUAGES]\n");
    EXPECT_EQ(findLanguagesFile(medium.path(), current.path()),
              medium.filePath(QStringLiteral("Languages.ini")));
}

TEST(ProgramStarter, NamesResolveOnTheMediumThenOnThePath)
{
    const TestMedium medium;
    medium.writeMarkingScript(QStringLiteral("install.sh"), QStringLiteral("mark"));
    const ProgramStarter starter(medium.path());
    EXPECT_EQ(starter.resolveProgram(QStringLiteral("install.sh")),
              medium.filePath(QStringLiteral("install.sh")));
    EXPECT_EQ(starter.resolveProgram(QStringLiteral("tools/setup")),
              medium.filePath(QStringLiteral("tools/setup")));
    EXPECT_EQ(starter.resolveProgram(QStringLiteral("sh")), QStringLiteral("sh"));
    EXPECT_EQ(starter.resolveProgram(QStringLiteral("/bin/true")), QStringLiteral("/bin/true"));
    EXPECT_EQ(starter.resolvePath(QString()), medium.path());
}
