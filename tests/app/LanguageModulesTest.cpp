#include "app/LanguageModules.h"

#include "app/EnglishStrings.h"
#include "app/LanguageModule.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "support/LocaleGuard.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int kGerman = 1031;
constexpr int kFrench = 0x40c;

const QString kGermanModule =
    QDir(QStringLiteral(FIBROLOG_LANGUAGE_MODULE_DIR)).filePath("KavLangDll_407.qm");

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A module folder of its own per test, and English again afterwards
// whatever the test left loaded.
class LanguageModulesTest : public ::testing::Test
{
protected:
    ~LanguageModulesTest() override { StringTable::current().clearOverrides(); }

    void put(const QString& name, const QByteArray& bytes)
    {
        QFile file(folder_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    void putGerman() { put("KavLangDll_407.qm", bytesOf(kGermanModule)); }

    static QString recordPosition() { return Strings::loadString(StringId::RecordPosition); }
    // A text of Qt's own, from its translation of the standard buttons.
    static QString qtCancel() { return QCoreApplication::translate("QPlatformTheme", "Cancel"); }

    QTemporaryDir folder_;
};

} // namespace

TEST_F(LanguageModulesTest, GermanModuleReplacesTheTextsAndEnglishComesBack)
{
    putGerman();
    LanguageModules languages({folder_.path()});
    EXPECT_EQ(recordPosition(), "Record %d of %d");
    ASSERT_TRUE(languages.load(kGerman)) << languages.lastError().toStdString();
    EXPECT_EQ(languages.loadedLcid(), kGerman);
    EXPECT_EQ(recordPosition(), "Datensatz %d von %d");
    EXPECT_EQ(Strings::loadString(StringId::MenuFile), "&Datei");

    ASSERT_TRUE(languages.load(1033));
    EXPECT_EQ(languages.loadedLcid(), 1033);
    EXPECT_EQ(recordPosition(), "Record %d of %d");
    EXPECT_EQ(StringTable::current().overrideCount(), 0);
}

TEST_F(LanguageModulesTest, QtsOwnTextsFollowTheLoadedLanguage)
{
    putGerman();
    const QString qtbase = QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath("qtbase_de.qm");
    ASSERT_TRUE(QFile::exists(qtbase)) << "Qt's German translation (qt6-translations-l10n) is missing";
    LanguageModules languages({folder_.path()});
    EXPECT_EQ(qtCancel(), "Cancel");
    ASSERT_TRUE(languages.load(kGerman));
    EXPECT_TRUE(languages.hasQtTranslation());
    EXPECT_EQ(qtCancel(), "Abbrechen");
    ASSERT_TRUE(languages.load(1033));
    EXPECT_FALSE(languages.hasQtTranslation());
    EXPECT_EQ(qtCancel(), "Cancel");
}

TEST_F(LanguageModulesTest, UnloadingAtTheEndBringsEnglishBack)
{
    putGerman();
    {
        LanguageModules languages({folder_.path()});
        ASSERT_TRUE(languages.load(kGerman));
        ASSERT_EQ(qtCancel(), "Abbrechen");
    }
    EXPECT_EQ(recordPosition(), "Record %d of %d");
    EXPECT_EQ(qtCancel(), "Cancel");
}

TEST_F(LanguageModulesTest, MissingModuleFailsAndKeepsTheLanguage)
{
    LanguageModules languages({folder_.path()});
    EXPECT_FALSE(languages.load(kGerman));
    EXPECT_TRUE(languages.lastError().contains("KavLangDll_407.qm")) << languages.lastError().toStdString();
    EXPECT_EQ(languages.loadedLcid(), 1033);
    EXPECT_EQ(recordPosition(), "Record %d of %d");
    EXPECT_FALSE(languages.load(0));
    EXPECT_FALSE(languages.load(-1));
}

TEST_F(LanguageModulesTest, BrokenModuleFails)
{
    put("KavLangDll_407.qm", QByteArray("id\ttext, but not a compiled module\n").repeated(20));
    LanguageModules languages({folder_.path()});
    EXPECT_FALSE(languages.load(kGerman));
    EXPECT_TRUE(languages.lastError().contains("not a language module"))
        << languages.lastError().toStdString();
    EXPECT_EQ(recordPosition(), "Record %d of %d");

    put("KavLangDll_407.qm", QByteArray());
    EXPECT_FALSE(languages.load(kGerman));

    const QByteArray german = bytesOf(kGermanModule);
    ASSERT_GT(german.size(), 1000);
    put("KavLangDll_407.qm", german.left(german.size() / 2));
    EXPECT_FALSE(languages.load(kGerman));
    EXPECT_EQ(recordPosition(), "Record %d of %d");
}

TEST_F(LanguageModulesTest, ModuleWithNoneOfTheProgramsTextsFails)
{
    // A real compiled translation, but of Qt's own texts.
    const QString qtbase = QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath("qtbase_fr.qm");
    const QByteArray bytes = bytesOf(qtbase);
    ASSERT_FALSE(bytes.isEmpty()) << qtbase.toStdString();
    put("KavLangDll_40c.qm", bytes);
    LanguageModules languages({folder_.path()});
    EXPECT_FALSE(languages.load(kFrench));
    EXPECT_TRUE(languages.lastError().contains("none of the program's texts"))
        << languages.lastError().toStdString();
    EXPECT_FALSE(languages.hasQtTranslation());
}

TEST_F(LanguageModulesTest, FailedLoadKeepsTheLanguageLoadedBefore)
{
    putGerman();
    put("KavLangDll_40c.qm", "broken");
    LanguageModules languages({folder_.path()});
    ASSERT_TRUE(languages.load(kGerman));
    EXPECT_FALSE(languages.load(kFrench));
    EXPECT_EQ(languages.loadedLcid(), kGerman);
    EXPECT_EQ(recordPosition(), "Datensatz %d von %d");
    EXPECT_EQ(qtCancel(), "Abbrechen");
}

TEST_F(LanguageModulesTest, ModuleThatLacksSomeTextsKeepsTheirEnglish)
{
    put("KavLangDll_40c.qm", bytesOf(FIBROLOG_PARTIAL_MODULE));
    LanguageModules languages({folder_.path()});
    ASSERT_TRUE(languages.load(kFrench)) << languages.lastError().toStdString();
    EXPECT_EQ(recordPosition(), "Enregistrement %d sur %d");
    EXPECT_EQ(Strings::loadString(StringId::Ready), QString::fromUtf8("Prêt"));
    EXPECT_EQ(Strings::loadString(StringId::RecordPositionInitial), "Record x of n");
    EXPECT_EQ(Strings::loadString(StringId::MenuFile), "&File");
    // The id the program does not have is not taken in.
    EXPECT_FALSE(StringTable::current().contains(99999));
    EXPECT_EQ(StringTable::current().ids().size(), static_cast<qsizetype>(englishStrings().size()));
    EXPECT_EQ(qtCancel(), "Annuler");
}

TEST_F(LanguageModulesTest, OnlyTheModulesExactFileNameIsRead)
{
    // Names QTranslator falls back to when it is given a file name that
    // does not load; the module file itself must be the one read.
    put("KavLangDll.qm", bytesOf(kGermanModule));
    put("KavLangDll_407.qm.qm", bytesOf(kGermanModule));
    QString error;
    EXPECT_EQ(LanguageModule::open(folder_.filePath("KavLangDll_407.qm"), &error), nullptr);
    EXPECT_TRUE(error.contains("KavLangDll_407.qm")) << error.toStdString();
    put("KavLangDll_407.qm", "broken");
    EXPECT_EQ(LanguageModule::open(folder_.filePath("KavLangDll_407.qm"), &error), nullptr);
}

TEST_F(LanguageModulesTest, StartUpLoadsTheThreadLocalesModule)
{
    putGerman();
    LanguageModules languages({folder_.path()});
    bool asked = false;
    const auto loaded = languages.startUp(kGerman, [&asked](const QList<int>&) {
        asked = true;
        return 1033;
    });
    EXPECT_EQ(loaded, kGerman);
    EXPECT_FALSE(asked);
    EXPECT_EQ(recordPosition(), "Datensatz %d von %d");
}

TEST_F(LanguageModulesTest, StartUpTakesAustrianGermanToTheGermanModule)
{
    putGerman();
    LanguageModules languages({folder_.path()});
    EXPECT_EQ(languages.startUp(0xc07, {}), kGerman);
}

TEST_F(LanguageModulesTest, StartUpWithoutAMatchAsksWithTheAvailableLanguages)
{
    putGerman();
    LanguageModules languages({folder_.path()});
    QList<int> shown;
    const auto loaded = languages.startUp(0x411, [&shown](const QList<int>& available) {
        shown = available;
        return available.first();
    });
    EXPECT_EQ(shown, (QList<int>{kGerman, 1033}));
    EXPECT_EQ(loaded, kGerman);
}

TEST_F(LanguageModulesTest, CommandLineRequestLoadsTheNamedLanguageQuietly)
{
    putGerman();
    for (const char* request : {"de_DE", "1031", "0x407", "de"}) {
        LanguageModules languages({folder_.path()});
        QString errors;
        QTextStream err(&errors);
        EXPECT_EQ(languages.loadRequested(request, err), kGerman) << request;
        EXPECT_EQ(recordPosition(), "Datensatz %d von %d") << request;
        EXPECT_TRUE(errors.isEmpty()) << request << ": " << errors.toStdString();
    }
}

TEST_F(LanguageModulesTest, CommandLineRequestWithoutItsModuleSaysSoAndSpeaksEnglish)
{
    putGerman();
    for (const char* request : {"fr_FR", "ja_JP", "klingon", "0x4ff"}) {
        LanguageModules languages({folder_.path()});
        QString errors;
        QTextStream err(&errors);
        EXPECT_EQ(languages.loadRequested(request, err), 1033) << request;
        EXPECT_EQ(recordPosition(), "Record %d of %d");
        EXPECT_EQ(errors.count('\n'), 1) << request;
        EXPECT_TRUE(errors.startsWith(QString("No language module for %1 was found;").arg(request)))
            << errors.toStdString();
    }
}

TEST_F(LanguageModulesTest, CommandLineRequestOfTheSameLanguageElsewhereIsNoNews)
{
    putGerman();
    LanguageModules languages({folder_.path()});
    QString errors;
    QTextStream err(&errors);
    EXPECT_EQ(languages.loadRequested("de_AT", err), kGerman);
    EXPECT_EQ(languages.loadRequested("en_GB", err), 1033);
    EXPECT_EQ(languages.loadRequested("C", err), 1033);
    EXPECT_TRUE(errors.isEmpty()) << errors.toStdString();
}

TEST_F(LanguageModulesTest, CommandLineWithoutARequestFollowsTheThreadLocaleQuietly)
{
    putGerman();
    QString errors;
    QTextStream err(&errors);
    {
        const LocaleGuard locale("de_DE");
        LanguageModules languages({folder_.path()});
        EXPECT_EQ(languages.loadRequested(QString(), err), kGerman);
    }
    {
        const LocaleGuard locale("fr_FR");
        LanguageModules languages({folder_.path()});
        EXPECT_EQ(languages.loadRequested(QString(), err), 1033);
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.toStdString();
}

TEST(LanguageRequest, NamesAnLcidByLocaleOrNumber)
{
    EXPECT_EQ(lcidOfRequest("de_DE"), 1031);
    EXPECT_EQ(lcidOfRequest("fr_CA"), 3084);
    EXPECT_EQ(lcidOfRequest("3084"), 3084);
    EXPECT_EQ(lcidOfRequest("0xC0C"), 3084);
    EXPECT_EQ(lcidOfRequest("C"), 1033);
    EXPECT_EQ(lcidOfRequest("POSIX"), 1033);
    EXPECT_EQ(lcidOfRequest("no such language"), 0);
    EXPECT_EQ(lcidOfRequest("-1031"), 0);
    EXPECT_EQ(lcidOfRequest("0x"), 0);
}
