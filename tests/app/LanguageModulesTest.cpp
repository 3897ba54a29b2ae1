#include "app/LanguageModules.h"

#include "app/EnglishStrings.h"
#include "app/LanguageModule.h"
#include "app/LocaleFormat.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "support/LocaleGuard.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QXmlStreamWriter>
#include <QtEndian>

#include <functional>

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

void writeFile(const QString& path, const QByteArray& bytes)
{
    // A new file rather than one cut short: ext4 writes a truncated file
    // out to the disk at once, which makes a loop of writes slow.
    QFile::remove(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A module compiled by lrelease, as the build compiles one, from messages
// by string id.
QByteArray compileModule(const QList<QPair<int, QString>>& messages)
{
    QTemporaryDir work;
    QFile source(work.filePath("module.ts"));
    if (!source.open(QIODevice::WriteOnly))
        return {};
    QXmlStreamWriter ts(&source);
    ts.writeStartDocument();
    ts.writeDTD("<!DOCTYPE TS>");
    ts.writeStartElement("TS");
    ts.writeAttribute("version", "2.1");
    ts.writeAttribute("language", "fr_FR");
    ts.writeStartElement("context");
    ts.writeTextElement("name", QString());
    for (const auto& [id, translation] : messages) {
        ts.writeStartElement("message");
        ts.writeAttribute("id", QString::number(id));
        ts.writeTextElement("source", StringTable().text(id));
        ts.writeTextElement("translation", translation);
        ts.writeEndElement();
    }
    ts.writeEndElement();
    ts.writeEndElement();
    ts.writeEndDocument();
    source.close();
    QProcess lrelease;
    lrelease.start(QStringLiteral(FIBROLOG_LRELEASE_PATH),
                   {"-idbased", "-silent", source.fileName(), "-qm", work.filePath("module.qm")});
    if (!lrelease.waitForFinished(30000) || lrelease.exitCode() != 0)
        return {};
    return bytesOf(work.filePath("module.qm"));
}

// Where the messages of a compiled module begin: after the magic number,
// blocks of a tag byte, a 32-bit big-endian length and the data.
qsizetype messagesBlockOffset(const QByteArray& module)
{
    qsizetype at = 16;
    while (at + 5 <= module.size()) {
        const auto tag = static_cast<unsigned char>(module.at(at));
        const quint32 length = qFromBigEndian<quint32>(module.constData() + at + 1);
        if (tag == 0x69)
            return at + 5;
        at += 5 + qsizetype(length);
    }
    return -1;
}

// A module folder of its own per test, and English again afterwards
// whatever the test left loaded.
class LanguageModulesTest : public ::testing::Test
{
protected:
    ~LanguageModulesTest() override { StringTable::current().clearOverrides(); }

    // Writes a module and lists it with its checksum, as the build does.
    void put(const QString& name, const QByteArray& bytes)
    {
        putUnlisted(name, bytes);
        QByteArray list;
        for (const QString& module : QDir(folder_.path()).entryList({"*.qm"}, QDir::Files, QDir::Name)) {
            list += QCryptographicHash::hash(bytesOf(folder_.filePath(module)), QCryptographicHash::Sha256)
                        .toHex() +
                    "  " + QFile::encodeName(module) + "\n";
        }
        writeFile(folder_.filePath("KavLangDll.sha256"), list);
    }
    void putUnlisted(const QString& name, const QByteArray& bytes)
    {
        writeFile(folder_.filePath(name), bytes);
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
    EXPECT_TRUE(languages.lastError().contains("damaged or is no compiled language module"))
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
    // A real compiled translation, but of Qt's own texts (by context and
    // source text, not by id), and a module whose only id the program lacks.
    const QString qtbase = QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath("qtbase_fr.qm");
    const QByteArray bytes = bytesOf(qtbase);
    ASSERT_FALSE(bytes.isEmpty()) << qtbase.toStdString();
    put("KavLangDll_40c.qm", bytes);
    LanguageModules languages({folder_.path()});
    EXPECT_FALSE(languages.load(kFrench));
    EXPECT_TRUE(languages.lastError().contains("no compiled language module"))
        << languages.lastError().toStdString();

    put("KavLangDll_40c.qm", compileModule({{99999, "Pas un texte du programme"}}));
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
    EXPECT_TRUE(error.startsWith("it cannot be read")) << error.toStdString();
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

TEST_F(LanguageModulesTest, ADamagedOrUnlistedModuleIsRefusedInOneLineAndEnglishIsUsed)
{
    const QByteArray german = bytesOf(kGermanModule);
    ASSERT_GT(german.size(), 1000);
    QByteArray oneByteChanged = german;
    oneByteChanged[german.size() / 2] = static_cast<char>(oneByteChanged.at(german.size() / 2) ^ 0x20);
    const struct
    {
        const char* name;
        std::function<void()> setUp;
        const char* reason;
    } cases[] = {
        {"one byte changed after the build",
         [&, this] {
             putGerman();
             putUnlisted("KavLangDll_407.qm", oneByteChanged);
         },
         "it is damaged (its checksum is not the one in "},
        {"no list of checksums", [&, this] { putUnlisted("KavLangDll_407.qm", german); },
         "there is no list of checksums "},
        {"a list that does not name it",
         [&, this] {
             put("KavLangDll_40c.qm", german);
             putUnlisted("KavLangDll_407.qm", german);
         },
         "does not name it"},
        // Listed with its own checksum, so the check of the structure is
        // what refuses it.
        {"a cut-off module with a matching checksum",
         [&, this] { put("KavLangDll_407.qm", german.left(german.size() - 3)); },
         "it is damaged or is no compiled language module"},
    };
    for (const auto& c : cases) {
        const QString module = folder_.filePath("KavLangDll_407.qm");
        QFile::remove(module);
        QFile::remove(folder_.filePath("KavLangDll_40c.qm"));
        QFile::remove(folder_.filePath("KavLangDll.sha256"));
        c.setUp();
        const LocaleGuard locale("de_DE");
        LanguageModules languages({folder_.path()});
        QString errors;
        QTextStream err(&errors);
        EXPECT_EQ(languages.loadRequested(QString(), err), 1033) << c.name;
        EXPECT_EQ(recordPosition(), "Record %d of %d") << c.name;
        EXPECT_FALSE(languages.available().contains(kGerman)) << c.name;
        EXPECT_EQ(errors.count('\n'), 1) << c.name << ": " << errors.toStdString();
        EXPECT_TRUE(errors.startsWith(QString("The language module %1 was refused: ").arg(module)))
            << c.name << ": " << errors.toStdString();
        EXPECT_TRUE(errors.contains(c.reason)) << c.name << ": " << errors.toStdString();
        EXPECT_TRUE(errors.contains("English")) << c.name << ": " << errors.toStdString();
    }
}

TEST_F(LanguageModulesTest, NoDamagedByteOfAListedModuleCrashesTheLoad)
{
    // Each damaged copy is listed with its own checksum, as a module that
    // was damaged before the build listed it would be: the check of the
    // structure alone stands between it and the program.
    const QByteArray german = bytesOf(kGermanModule);
    ASSERT_GT(german.size(), 4096);
    int refused = 0;
    int opened = 0;
    for (qsizetype i = 0; i < german.size(); i += (i < 1024 ? 1 : 97)) {
        for (const char change : {'\xff', '\x01'}) {
            QByteArray damaged = german;
            damaged[i] = static_cast<char>(damaged.at(i) ^ change);
            put("KavLangDll_407.qm", damaged);
            QString error;
            if (LanguageModule::open(folder_.filePath("KavLangDll_407.qm"), &error)) {
                ++opened;
            } else {
                ++refused;
                EXPECT_EQ(error, "it is damaged or is no compiled language module") << i;
            }
        }
    }
    EXPECT_GT(refused, 1000);
    // A changed letter inside a translation leaves a sound module.
    EXPECT_GT(opened, 0);
}

TEST_F(LanguageModulesTest, NumberFormatsAreTakenOnlyWhenTheyAreTheEnglishOnes)
{
    const struct
    {
        int id;
        const char* translation;
        const char* used;
    } cases[] = {
        {StringId::ViewOpticalLossFormat, "9%.0f", "%.2f"},
        {StringId::DetailOpticalLossFormat, "%.3f", "%.2f"},
        {StringId::ViewLengthKmFormat, "%.2f km", "%.2f"},
        {StringId::TemperatureFormat, "%.1f", "%.1f"},
        {StringId::RecordPosition, "Enregistrement %d sur %d", "Enregistrement %d sur %d"},
        {StringId::RecordPositionInitial, "Enregistrement %d", "Record x of n"},
        {StringId::ViewOpticalLossTemplate, "%1 dB", "%1 dB"},
        {StringId::Ready, "Pr\u00eat %s", "Ready"},
    };
    QList<QPair<int, QString>> messages;
    for (const auto& c : cases)
        messages.append({c.id, QString::fromUtf8(c.translation)});
    put("KavLangDll_40c.qm", compileModule(messages));
    const LocaleGuard locale("en_US");
    LanguageModules languages({folder_.path()});
    ASSERT_TRUE(languages.load(kFrench)) << languages.lastError().toStdString();
    for (const auto& c : cases)
        EXPECT_EQ(Strings::loadString(c.id), QString::fromUtf8(c.used)) << c.id << " " << c.translation;
    // What the report view writes for a loss of 6.30 dB.
    EXPECT_EQ(FormatLocalNumber(StringId::ViewOpticalLossTemplate, StringId::ViewOpticalLossFormat, 6.3),
              "6.30 dB");
}

TEST(LanguageModulesOfTheProgram, ComeFromItsFolderCheckedAndNeverFromTheCurrentFolder)
{
    // fibrolog-cli copied into a folder of its own, as an installation
    // beside its modules, and run as a user runs it.
    const QString modules = QStringLiteral(FIBROLOG_LANGUAGE_MODULE_DIR);
    const QByteArray german = bytesOf(QDir(modules).filePath("KavLangDll_407.qm"));
    const QByteArray list = bytesOf(QDir(modules).filePath("KavLangDll.sha256"));
    ASSERT_FALSE(german.isEmpty());
    ASSERT_FALSE(list.isEmpty());
    // One byte changed: the top byte of the length of the first translation,
    // which sends a reader that trusts it far past the end of the file.
    QByteArray damaged = german;
    const qsizetype lengthByte = messagesBlockOffset(german) + 1;
    ASSERT_EQ(damaged.at(lengthByte - 1), '\x03') << "a translation's tag";
    damaged[lengthByte] = static_cast<char>(damaged.at(lengthByte) ^ 0xff);
    const struct
    {
        const char* name;
        QByteArray programFolderModule;
        QByteArray currentFolderModule;
        const char* message;
    } cases[] = {
        {"a module damaged by one byte", damaged, {}, "was refused: it is damaged"},
        {"a module in the current folder only", {}, german, "No language module for de_DE was found"},
    };
    auto environment = [](const QTemporaryDir& current) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("FIBROLOG_SHARED_STANDARDS", current.filePath("none.mdb"));
        return environment;
    };
    QTemporaryDir plain;
    QProcess inEnglish;
    inEnglish.setProcessEnvironment(environment(plain));
    inEnglish.start(QStringLiteral(FIBROLOG_CLI_PATH), {"--locale", "en_US", "standards"});
    ASSERT_TRUE(inEnglish.waitForFinished(60000));
    const QString english = QString::fromUtf8(inEnglish.readAllStandardOutput());
    ASSERT_TRUE(english.contains("ISO 11801")) << english.toStdString();
    for (const auto& c : cases) {
        QTemporaryDir program;
        QTemporaryDir current;
        const QString cli = program.filePath("fibrolog-cli");
        ASSERT_TRUE(QFile::copy(QStringLiteral(FIBROLOG_CLI_PATH), cli));
        auto place = [&list](const QTemporaryDir& folder, const QByteArray& module) {
            if (module.isEmpty())
                return;
            writeFile(folder.filePath("KavLangDll_407.qm"), module);
            writeFile(folder.filePath("KavLangDll.sha256"), list);
        };
        place(program, c.programFolderModule);
        place(current, c.currentFolderModule);
        QProcess run;
        run.setWorkingDirectory(current.path());
        run.setProcessEnvironment(environment(current));
        run.start(cli, {"--locale", "de_DE", "standards"});
        ASSERT_TRUE(run.waitForFinished(60000)) << c.name;
        const QString out = QString::fromUtf8(run.readAllStandardOutput());
        const QString err = QString::fromUtf8(run.readAllStandardError());
        EXPECT_EQ(run.exitStatus(), QProcess::NormalExit) << c.name;
        EXPECT_EQ(run.exitCode(), 0) << c.name << ": " << err.toStdString();
        EXPECT_EQ(err.count('\n'), 1) << c.name << ": " << err.toStdString();
        EXPECT_TRUE(err.contains(c.message)) << c.name << ": " << err.toStdString();
        EXPECT_TRUE(err.contains("English")) << c.name << ": " << err.toStdString();
        EXPECT_EQ(out, english) << c.name;
    }
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
