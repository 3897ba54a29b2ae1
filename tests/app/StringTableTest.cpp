#include "app/StringTable.h"
#include "app/EnglishStrings.h"
#include "app/StringIds.h"

#include <gtest/gtest.h>

#include <QSet>

TEST(StringTable, EnglishIdsAreUniqueAndTextsNonEmpty)
{
    QSet<int> ids;
    for (const EnglishString& s : englishStrings()) {
        EXPECT_FALSE(ids.contains(s.id)) << "duplicate id " << s.id;
        ids.insert(s.id);
        EXPECT_GT(std::strlen(s.text), 0u) << s.id;
    }
    EXPECT_GT(ids.size(), 300);
}

TEST(StringTable, TextsAreExactIncludingBlanksAndLineBreaks)
{
    const StringTable& table = StringTable::current();
    EXPECT_EQ(table.text(StringId::SearchingForDevice), "Searching for KAV device");
    EXPECT_TRUE(table.text(StringId::UnableToFindDevice).contains("device.  Please make sure"));
    EXPECT_EQ(table.text(StringId::ConvertVersion2Question),
              "Old Database Version Detected.\nYou must convert the database in order to open it.\n"
              "Do you want to convert to the New version?");
    EXPECT_EQ(table.text(StringId::SummaryRowCaption), "%1   :   %2");
    EXPECT_EQ(table.text(StringId::DetailRowMinimumRequiredPower), "\t\t\tMinimum Required Power");
    EXPECT_EQ(table.text(StringId::DetailMarginPercentInvalidTemplate), "%1%%**");
    EXPECT_EQ(table.text(StringId::ViewResultsTitle), "Passive Cable System Attentuation");
    EXPECT_EQ(table.text(StringId::PromptFirst), "Move to the First Record\nFirst");
    EXPECT_EQ(table.text(StringId::ReportFontFace), "Arial");
    EXPECT_EQ(table.text(StringId::ErrorOccurred), "An error occurred:\n");
    EXPECT_EQ(table.text(123456), QString());
}

TEST(StringTable, LanguageModuleTextReplacesSomeIdsAndKeepsTheRest)
{
    StringTable table;
    QString error;
    const auto texts = StringTable::parse("# German\n37062\tKeine Daten vom Gerät\n\n38009\tLiberation "
                                          "Sans\r\n36001\t%1 dB\\nneu\n",
                                          &error);
    ASSERT_TRUE(texts) << error.toStdString();
    table.setOverrides(*texts);
    EXPECT_EQ(table.text(StringId::CouldNotGetData), QString::fromUtf8("Keine Daten vom Gerät"));
    EXPECT_EQ(table.text(StringId::ReportFontFace), "Liberation Sans");
    EXPECT_EQ(table.text(StringId::ViewAllowedLossTemplate), "%1 dB\nneu");
    EXPECT_EQ(table.text(StringId::DownloadSuccessful), "Download successful");
    table.clearOverrides();
    EXPECT_EQ(table.text(StringId::CouldNotGetData), "Could not get data from device");
}

TEST(StringTable, MalformedModuleTextIsRefusedWithTheLine)
{
    QString error;
    EXPECT_FALSE(StringTable::parse("100\tok\nnot a line\n", &error));
    EXPECT_TRUE(error.contains("line 2")) << error.toStdString();
    EXPECT_FALSE(StringTable::parse("100\tbad escape \\q\n", &error));
    EXPECT_FALSE(StringTable::parse("-5\tnegative\n", &error));
}

TEST(StringTable, EnglishTextFormRoundTrips)
{
    QString error;
    const auto texts = StringTable::parse(StringTable::englishAsText(), &error);
    ASSERT_TRUE(texts) << error.toStdString();
    EXPECT_EQ(texts->size(), static_cast<qsizetype>(englishStrings().size()));
    for (const EnglishString& s : englishStrings())
        EXPECT_EQ(texts->value(s.id), QString::fromUtf8(s.text)) << s.id;
}

TEST(MessageTemplate, InsertsArgumentsAndPercentSigns)
{
    EXPECT_EQ(Strings::formatMessage("%1dB", {"-3.46"}), "-3.46dB");
    EXPECT_EQ(Strings::formatMessage("( %1dB )", {"1.25"}), "( 1.25dB )");
    EXPECT_EQ(Strings::formatMessage("%1%%**", {"150.00"}), "150.00%**");
    EXPECT_EQ(Strings::formatMessage("%1   :   %2", {"Main", "07"}), "Main   :   07");
    EXPECT_EQ(Strings::formatMessage("%2-%1", {"a", "b"}), "b-a");
    EXPECT_EQ(Strings::formatMessage("%3 left", {"a"}), "%3 left");
    EXPECT_EQ(Strings::formatMessage("100%", {}), "100%");
    EXPECT_EQ(Strings::formatMessage("%x %0", {"a"}), "%x %0");
    // An argument holding "%1" is not expanded again.
    EXPECT_EQ(Strings::formatMessage("%1", {"%1%%"}), "%1%%");
}
