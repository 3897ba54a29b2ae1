#include "launcher/ProfileFile.h"

#include "LauncherTestFiles.h"

#include <gtest/gtest.h>

TEST(ProfileFile, NamesMatchInAnyCaseAndValuesStayAsWritten)
{
    const ProfileFile profile =
        ProfileFile::fromBytes("; the medium's texts\r\n"
                               "[languages]\r\n"
                               "COUNT = 2\r\n"
                               "[1033]\r\n"
                               "ManualPath=manuals\\en,current\\guide.pdf\r\n"
                               "AdobeInstallWarningText=Found %1.\\r\\nInstall, anyway?  \r\n"
                               "  exittext  =  Exit  \r\n");
    EXPECT_EQ(profile.number(QStringLiteral("LANGUAGES"), QStringLiteral("count")), 2);
    EXPECT_EQ(profile.text(QStringLiteral("1033"), QStringLiteral("MANUALPATH")),
              QStringLiteral("manuals\\en,current\\guide.pdf"));
    EXPECT_EQ(profile.text(QStringLiteral("1033"), QStringLiteral("adobeinstallwarningtext")),
              QStringLiteral("Found %1.\\r\\nInstall, anyway?"));
    EXPECT_EQ(profile.text(QStringLiteral("1033"), QStringLiteral("ExitText")), QStringLiteral("Exit"));
}

TEST(ProfileFile, QuotesKeepBlanksAndOnlyAMatchingPairIsTakenOff)
{
    const ProfileFile profile = ProfileFile::fromBytes("[s]\n"
                                                       "quoted=\"  padded  \"\n"
                                                       "single='x'\n"
                                                       "unmatched=\"half\n"
                                                       "inner=say \"hi\"\n");
    EXPECT_EQ(profile.text(QStringLiteral("s"), QStringLiteral("quoted")), QStringLiteral("  padded  "));
    EXPECT_EQ(profile.text(QStringLiteral("s"), QStringLiteral("single")), QStringLiteral("x"));
    EXPECT_EQ(profile.text(QStringLiteral("s"), QStringLiteral("unmatched")), QStringLiteral("\"half"));
    EXPECT_EQ(profile.text(QStringLiteral("s"), QStringLiteral("inner")), QStringLiteral("say \"hi\""));
}

TEST(ProfileFile, FirstOfEqualNamesWinsAndStrayLinesAreSkipped)
{
    const ProfileFile profile = ProfileFile::fromBytes("orphan=before any section\n"
                                                       "[Texts]\n"
                                                       "Key=first\n"
                                                       "key=second\n"
                                                       "no equals sign here\n"
                                                       "=no key\n"
                                                       "[TEXTS]\n"
                                                       "Key=other section\n"
                                                       "Late=only here\n");
    EXPECT_EQ(profile.text(QStringLiteral("texts"), QStringLiteral("KEY")), QStringLiteral("first"));
    // The first section of a name is the one read, as Windows does.
    EXPECT_TRUE(profile.text(QStringLiteral("texts"), QStringLiteral("Late")).isEmpty());
    EXPECT_EQ(profile.entries(QStringLiteral("Texts")).size(), 2);
    EXPECT_TRUE(profile.text(QString(), QStringLiteral("orphan")).isEmpty());
}

TEST(ProfileFile, NumbersAreDecimalWithEmptyAndJunkAsZero)
{
    const ProfileFile profile = ProfileFile::fromBytes("[n]\n"
                                                       "plain=1031\n"
                                                       "trailing=12abc\n"
                                                       "negative=-7\n"
                                                       "empty=\n"
                                                       "word=two\n"
                                                       "hex=0x409\n"
                                                       "huge=99999999999999999999\n");
    const QString n = QStringLiteral("n");
    EXPECT_EQ(profile.number(n, QStringLiteral("plain")), 1031);
    EXPECT_EQ(profile.number(n, QStringLiteral("trailing")), 12);
    EXPECT_EQ(profile.number(n, QStringLiteral("negative")), -7);
    EXPECT_EQ(profile.number(n, QStringLiteral("empty")), 0);
    EXPECT_EQ(profile.number(n, QStringLiteral("word")), 0);
    EXPECT_EQ(profile.number(n, QStringLiteral("hex")), 0);
    EXPECT_EQ(profile.number(n, QStringLiteral("huge")), std::numeric_limits<int>::max());
    EXPECT_EQ(profile.number(n, QStringLiteral("missing")), 0);
}

TEST(ProfileFile, LongValuesAreCutToTheirBuffers)
{
    // A number text holds 63 characters: the 64th digit is not read.
    const QByteArray digits = QByteArray(62, '0') + "12";
    const QByteArray text(5000, 'x');
    const ProfileFile profile = ProfileFile::fromBytes("[s]\nnumber=" + digits + "\ntext=" + text + "\n");
    EXPECT_EQ(profile.number(QStringLiteral("s"), QStringLiteral("number")), 1);
    EXPECT_EQ(profile.text(QStringLiteral("s"), QStringLiteral("text")).size(), ProfileFile::kMaxTextLength);
}

TEST(ProfileFile, ReadsUtf8AndFallsBackToLatin1)
{
    const ProfileFile utf8 = ProfileFile::fromBytes("\xEF\xBB\xBF[1031]\nExitText=Schlie\xC3\x9F"
                                                    "en\n");
    EXPECT_EQ(utf8.text(QStringLiteral("1031"), QStringLiteral("ExitText")), QString::fromUtf8("Schließen"));
    const ProfileFile latin1 = ProfileFile::fromBytes("[1031]\nExitText=Schlie\xDF"
                                                      "en\n");
    EXPECT_EQ(latin1.text(QStringLiteral("1031"), QStringLiteral("ExitText")),
              QString::fromUtf8("Schließen"));
}

TEST(ProfileFile, AFileThatCannotBeReadIsEmpty)
{
    const TestMedium medium;
    const ProfileFile missing = ProfileFile::fromFile(medium.filePath(QStringLiteral("Languages.ini")));
    EXPECT_TRUE(missing.entries(QStringLiteral("LANGUAGES")).isEmpty());
    EXPECT_EQ(missing.number(QStringLiteral("LANGUAGES"), QStringLiteral("count")), 0);

    medium.writeFile(QStringLiteral("Languages.ini"), "[LANGUAGES]\ncount=1\nlanguage1=1031\n");
    const ProfileFile present = ProfileFile::fromFile(medium.filePath(QStringLiteral("Languages.ini")));
    EXPECT_EQ(present.number(QStringLiteral("LANGUAGES"), QStringLiteral("language1")), 1031);
}
