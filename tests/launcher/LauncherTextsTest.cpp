#include "launcher/LauncherTexts.h"
#include "launcher/ProfileFile.h"

#include <gtest/gtest.h>

TEST(LauncherTexts, AKeyEmptyInTheLanguageComesFromEnglish)
{
    const ProfileFile profile = ProfileFile::fromBytes("[1033]\n"
                                                       "InstallText=Install Fibrolog\n"
                                                       "ExitText=Exit\n"
                                                       "ManualText=Manuals\n"
                                                       "InstallExe=setup/install.sh\n"
                                                       "[1031]\n"
                                                       "InstallText=Fibrolog installieren\n"
                                                       "ManualText=\n");
    const LauncherTexts german = LauncherTexts::read(profile, 1031);
    EXPECT_EQ(german.installText, QStringLiteral("Fibrolog installieren"));
    EXPECT_EQ(german.exitText, QStringLiteral("Exit"));
    EXPECT_EQ(german.manualText, QStringLiteral("Manuals"));
    EXPECT_EQ(german.installExe, QStringLiteral("setup/install.sh"));
    EXPECT_TRUE(german.adobeInstallExe.isEmpty());

    // A language the file has no section for reads English throughout.
    const LauncherTexts french = LauncherTexts::read(profile, 1036);
    EXPECT_EQ(french.installText, QStringLiteral("Install Fibrolog"));
}

TEST(LauncherTexts, NoFileGivesTheLaunchersOwnButtonNamesAndTheDefaultInstaller)
{
    const LauncherTexts texts = LauncherTexts::read(ProfileFile(), 1033);
    // No button is ever blank.
    EXPECT_EQ(texts.installText, QStringLiteral("Install Fibrolog"));
    EXPECT_EQ(texts.adobeInstallText, QStringLiteral("Install a PDF reader"));
    EXPECT_EQ(texts.manualText, QStringLiteral("Read the manuals"));
    EXPECT_EQ(texts.exploreCdText, QStringLiteral("Browse this medium"));
    EXPECT_EQ(texts.exitText, QStringLiteral("Exit"));
    EXPECT_FALSE(texts.hasButtonTextsFromFile);
    EXPECT_TRUE(texts.adobeInstallExe.isEmpty());
    EXPECT_TRUE(texts.manualPath.isEmpty());
    EXPECT_TRUE(texts.adobeInstallWarningText.isEmpty());
    EXPECT_EQ(texts.installExe, QStringLiteral("install.sh"));
    // A failure is still reported in words.
    EXPECT_TRUE(texts.startFailedText.contains(QStringLiteral("%1")));
}
