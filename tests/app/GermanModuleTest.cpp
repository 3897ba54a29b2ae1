// The German module as the build compiled it: every English text is there,
// nothing else is, and every translation keeps the placeholders, blanks and
// line structure the program relies on.
#include "app/EnglishStrings.h"
#include "app/LanguageModule.h"
#include "app/StringIds.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <memory>

namespace {

const QString kModule = QDir(QStringLiteral(FIBROLOG_LANGUAGE_MODULE_DIR)).filePath("KavLangDll_407.qm");
const QString kSource = QDir(QStringLiteral(FIBROLOG_LANGUAGE_SOURCE_DIR)).filePath("KavLangDll_407.ts");

QHash<int, QString> englishTexts()
{
    QHash<int, QString> texts;
    for (const EnglishString& s : englishStrings())
        texts.insert(s.id, QString::fromUtf8(s.text));
    return texts;
}

// What a message template holds: its arguments "%1".."%99", each as often as
// it occurs, and its "%%". Read the way Strings::formatMessage reads them.
struct TemplateMarks
{
    QMap<int, int> arguments;
    int percentSigns = 0;
    bool operator==(const TemplateMarks&) const = default;
};

TemplateMarks templateMarks(const QString& text)
{
    TemplateMarks marks;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('%'))
            continue;
        const QChar next = text.at(i + 1);
        if (next == QLatin1Char('%')) {
            ++marks.percentSigns;
            ++i;
        } else if (next >= QLatin1Char('1') && next <= QLatin1Char('9')) {
            int number = next.digitValue();
            ++i;
            if (i + 1 < text.size() && text.at(i + 1).isDigit()) {
                number = number * 10 + text.at(i + 1).digitValue();
                ++i;
            }
            ++marks.arguments[number];
        }
    }
    return marks;
}

// The printf conversions of a format, in order ("%.2f", "%d", "%s").
QStringList printfConversions(QString text)
{
    text.replace(QLatin1String("%%"), QString());
    static const QRegularExpression conversion(
        QStringLiteral("%[-+ #0]*[0-9]*(?:\\.[0-9]*)?(?:hh|h|ll|l|L|q|j|z|t)?[diuoxXfFeEgGaAcsp]"));
    QStringList found;
    for (const QRegularExpressionMatch& m : conversion.globalMatch(text))
        found << m.captured();
    return found;
}

QString leadingBlanks(const QString& text)
{
    qsizetype n = 0;
    while (n < text.size() && text.at(n).isSpace())
        ++n;
    return text.left(n);
}

QString trailingBlanks(const QString& text)
{
    qsizetype n = 0;
    while (n < text.size() && text.at(text.size() - 1 - n).isSpace())
        ++n;
    return text.right(n);
}

// A menu or button mnemonic: "&" before a letter.
bool hasMnemonic(const QString& text)
{
    static const QRegularExpression mnemonic(QStringLiteral("&\\w"),
                                             QRegularExpression::UseUnicodePropertiesOption);
    return text.contains(mnemonic);
}

class GermanModuleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString error;
        module_ = LanguageModule::open(kModule, &error);
        ASSERT_NE(module_, nullptr) << error.toStdString();
    }

    std::unique_ptr<LanguageModule> module_;
};

} // namespace

TEST_F(GermanModuleTest, TranslatesEveryEnglishText)
{
    const QHash<int, QString> english = englishTexts();
    const QHash<int, QString> german = module_->texts(english.keys());
    for (auto it = english.cbegin(); it != english.cend(); ++it)
        EXPECT_TRUE(german.contains(it.key())) << "no German for " << it.key() << " " << it->toStdString();
    EXPECT_EQ(german.size(), english.size());
}

TEST_F(GermanModuleTest, CarriesNoIdTheProgramDoesNotHave)
{
    // String ids are 16-bit numbers; every one that is not English must be
    // absent from the compiled module.
    const QHash<int, QString> english = englishTexts();
    QList<int> unknown;
    for (int id = 0; id <= 0xFFFF; ++id) {
        if (!english.contains(id) && module_->text(id))
            unknown << id;
    }
    EXPECT_TRUE(unknown.isEmpty()) << "unknown ids, first " << unknown.value(0);
}

TEST_F(GermanModuleTest, SourceFileListsExactlyTheEnglishTextsAndIsFinished)
{
    QFile file(kSource);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << kSource.toStdString();
    QXmlStreamReader xml(&file);
    const QHash<int, QString> english = englishTexts();
    QSet<int> seen;
    int currentId = -1;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("message")) {
            bool ok = false;
            currentId = xml.attributes().value("id").toInt(&ok);
            ASSERT_TRUE(ok) << "message without a numeric id at line " << xml.lineNumber();
            EXPECT_FALSE(seen.contains(currentId)) << "twice: " << currentId;
            seen.insert(currentId);
        } else if (xml.name() == QLatin1String("source")) {
            EXPECT_EQ(xml.readElementText(), english.value(currentId)) << "English changed for " << currentId;
        } else if (xml.name() == QLatin1String("translation")) {
            EXPECT_TRUE(xml.attributes().value("type").isEmpty()) << currentId << " is not finished";
            EXPECT_EQ(module_->text(currentId).value_or(QString()), xml.readElementText()) << currentId;
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(seen, QSet<int>(english.keyBegin(), english.keyEnd()));
}

TEST_F(GermanModuleTest, KeepsEveryPlaceholderAndConversion)
{
    const QHash<int, QString> english = englishTexts();
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        const QString german = module_->text(it.key()).value_or(QString());
        const TemplateMarks marks = templateMarks(*it);
        EXPECT_EQ(templateMarks(german), marks) << it.key() << ": " << german.toStdString();
        // A text with template arguments is formatted by the message-template
        // rules, any other by printf: there the conversions must match in order.
        if (marks.arguments.isEmpty()) {
            EXPECT_EQ(printfConversions(german), printfConversions(*it))
                << it.key() << ": " << german.toStdString();
        }
        EXPECT_EQ(german.count(QLatin1Char('%')), it->count(QLatin1Char('%'))) << it.key();
    }
}

TEST_F(GermanModuleTest, KeepsBlanksLinesAndMnemonics)
{
    const QHash<int, QString> english = englishTexts();
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
        const QString german = module_->text(it.key()).value_or(QString());
        EXPECT_EQ(leadingBlanks(german), leadingBlanks(*it)) << it.key();
        EXPECT_EQ(trailingBlanks(german), trailingBlanks(*it)) << it.key();
        EXPECT_EQ(german.count(QLatin1Char('\n')), it->count(QLatin1Char('\n'))) << it.key();
        EXPECT_EQ(german.count(QLatin1Char('\t')), it->count(QLatin1Char('\t'))) << it.key();
        EXPECT_EQ(hasMnemonic(german), hasMnemonic(*it)) << it.key() << ": " << german.toStdString();
        EXPECT_EQ(german.contains(QLatin1String("  ")), it->contains(QLatin1String("  "))) << it.key();
    }
}

TEST_F(GermanModuleTest, IsGerman)
{
    // A sample of texts that must read differently from the English (and
    // so prove that the module is not a copy of it), and of names and
    // formats that must not change.
    EXPECT_EQ(module_->text(StringId::RecordPosition), QString("Datensatz %d von %d"));
    EXPECT_EQ(module_->text(StringId::Ready), QString("Bereit"));
    EXPECT_EQ(module_->text(StringId::MenuFile), QString("&Datei"));
    int differing = 0;
    const QHash<int, QString> english = englishTexts();
    for (auto it = english.cbegin(); it != english.cend(); ++it)
        differing += module_->text(it.key()).value_or(*it) != *it ? 1 : 0;
    EXPECT_GT(differing, english.size() / 2);
    EXPECT_EQ(module_->text(StringId::AppTitle), QString("Fibrolog"));
    EXPECT_EQ(module_->text(StringId::ReportFontFace), QString("Arial"));
}
