#include "app/AvailableLanguages.h"
#include "app/LanguageModuleName.h"
#include "app/NativeLanguageLine.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Three folders standing for the program's, the installed data folder and
// the current one, with module files that only have to exist.
class AvailableLanguagesTest : public ::testing::Test
{
protected:
    static void touch(const QTemporaryDir& folder, const QString& name)
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write("not read while listing");
    }

    QStringList folders() const { return {program_.path(), data_.path(), current_.path()}; }

    QTemporaryDir program_;
    QTemporaryDir data_;
    QTemporaryDir current_;
};

} // namespace

TEST(LanguageModuleName, IsTheLcidInLowerCaseHexadecimal)
{
    EXPECT_EQ(languageModuleFileName(1031), "KavLangDll_407.qm");
    EXPECT_EQ(languageModuleFileName(3084), "KavLangDll_c0c.qm");
    EXPECT_EQ(languageModuleFileName(0x10407), "KavLangDll_10407.qm");
    EXPECT_EQ(languageModuleFileName(0), QString());
    EXPECT_EQ(languageModuleFileName(-5), QString());
}

TEST(LanguageModuleName, OnlyNamesWrittenTheSameWayCarryAnLcid)
{
    EXPECT_EQ(lcidOfLanguageModule("KavLangDll_407.qm"), 1031);
    EXPECT_EQ(lcidOfLanguageModule("KavLangDll_c0c.qm"), 3084);
    EXPECT_EQ(lcidOfLanguageModule("KavLangDll_C0C.qm"), std::nullopt);
    EXPECT_EQ(lcidOfLanguageModule("KavLangDll_0407.qm"), std::nullopt);
    EXPECT_EQ(lcidOfLanguageModule("KavLangDll_.qm"), std::nullopt);
    EXPECT_EQ(lcidOfLanguageModule("KavLangDll_407.old.qm"), std::nullopt);
    EXPECT_EQ(lcidOfLanguageModule("KavLangDll_407.dll"), std::nullopt);
    EXPECT_EQ(lcidOfLanguageModule("KavLangDll_xyz.qm"), std::nullopt);
    EXPECT_EQ(lcidOfLanguageModule("KavLangDll_fffffffff.qm"), std::nullopt);
    EXPECT_EQ(lcidOfLanguageModule("KavLangDll_80000000.qm"), std::nullopt);
    EXPECT_EQ(lcidOfLanguageModule("kavlangdll_407.qm"), std::nullopt);
    for (int lcid : {1033, 1031, 3084, 0x10407, 0x7fffffff})
        EXPECT_EQ(lcidOfLanguageModule(languageModuleFileName(lcid)), lcid) << lcid;
}

TEST_F(AvailableLanguagesTest, ProgramFolderFirstThenEnglishThenTheOthersEachOnce)
{
    touch(program_, "KavLangDll_40c.qm");
    touch(program_, "KavLangDll_407.qm");
    touch(program_, "readme.txt");
    touch(program_, "KavLangDll_C07.qm");
    touch(program_, "KavLangDll_407.qm.part");
    ASSERT_TRUE(QDir(program_.path()).mkdir("KavLangDll_41d.qm"));
    touch(data_, "KavLangDll_416.qm");
    touch(data_, "KavLangDll_407.qm");
    touch(current_, "KavLangDll_c0c.qm");
    touch(current_, "KavLangDll_409.qm");
    touch(current_, "KavLangDll_40c.qm");

    EXPECT_EQ(availableLanguages(folders()), (QList<int>{0x407, 0x40c, 1033, 0x416, 0xc0c}));
}

TEST_F(AvailableLanguagesTest, WithNoModulesOnlyEnglishIsThere)
{
    EXPECT_EQ(availableLanguages(folders()), QList<int>{1033});
    EXPECT_EQ(availableLanguages({}), QList<int>{1033});
    EXPECT_EQ(availableLanguages({QDir(program_.path()).filePath("missing"), QString()}), QList<int>{1033});
}

TEST_F(AvailableLanguagesTest, AnEnglishModuleInTheProgramFolderKeepsItsPlace)
{
    touch(program_, "KavLangDll_c0c.qm");
    touch(program_, "KavLangDll_409.qm");
    EXPECT_EQ(availableLanguages(folders()), (QList<int>{1033, 0xc0c}));
}

TEST_F(AvailableLanguagesTest, ModuleIsTakenFromTheFirstFolderHoldingIt)
{
    touch(data_, "KavLangDll_407.qm");
    touch(current_, "KavLangDll_407.qm");
    touch(current_, "KavLangDll_40c.qm");
    ASSERT_TRUE(QDir(program_.path()).mkdir("KavLangDll_416.qm"));
    EXPECT_EQ(findLanguageModule(1031, folders()), QDir(data_.path()).filePath("KavLangDll_407.qm"));
    EXPECT_EQ(findLanguageModule(1036, folders()), QDir(current_.path()).filePath("KavLangDll_40c.qm"));
    EXPECT_EQ(findLanguageModule(0x416, folders()), QString());
    EXPECT_EQ(findLanguageModule(0xc0c, folders()), QString());
    EXPECT_EQ(findLanguageModule(0, folders()), QString());
}

TEST(DefaultLanguageFolders, AreTheProgramsTheInstalledDataAndTheRunningPrefixsNeverTheCurrentFolder)
{
    const QString before = QDir::currentPath();
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    const QStringList folders = defaultLanguageFolders();
    QDir::setCurrent(before);
    ASSERT_EQ(folders.size(), 3);
    EXPECT_EQ(folders.at(0), QCoreApplication::applicationDirPath());
    EXPECT_TRUE(folders.at(1).endsWith("/share/fibrolog/languages")) << folders.at(1).toStdString();
    EXPECT_TRUE(QDir::isAbsolutePath(folders.at(1)));
    const QDir programFolder(QCoreApplication::applicationDirPath());
    EXPECT_EQ(folders.at(2), QDir::cleanPath(programFolder.filePath("../share/fibrolog/languages")));
    EXPECT_FALSE(folders.contains(elsewhere.path()));
}

TEST(NativeLanguageLine, NamesLanguageAndCountryInTheirOwnLanguage)
{
    EXPECT_EQ(nativeLanguageLine(1031), "Deutsch (Deutschland)");
    EXPECT_EQ(nativeLanguageLine(0x40c), QString::fromUtf8("français (France)"));
    EXPECT_EQ(nativeLanguageLine(0xc0c), QString::fromUtf8("français canadien (Canada)"));
    EXPECT_TRUE(nativeLanguageLine(1033).endsWith("(United States)"))
        << nativeLanguageLine(1033).toStdString();
}

TEST(NativeLanguageLine, UnknownLcidIsNamedByItsNumber)
{
    EXPECT_EQ(nativeLanguageLine(0x4ff), "Unknown language (4ff)");
}
