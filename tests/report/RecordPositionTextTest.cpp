#include "app/RecordPositionText.h"
#include "ViewPagesFixture.h"
#include "app/StringIds.h"

#include <gtest/gtest.h>

namespace {

QString withTemplate(const QString& templ, int position, int count)
{
    const StringOverrides module({{StringId::RecordPosition, templ}});
    return recordPositionText(position, count);
}

} // namespace

TEST(RecordPositionText, WritesBothNumbersIntoTheLanguageModulesTemplate)
{
    EXPECT_EQ(recordPositionText(3, 12), "Record 3 of 12");
    EXPECT_EQ(recordPositionText(0, 0), "Record 0 of 0");
    // Numbers in the status bar are not grouped.
    EXPECT_EQ(recordPositionText(1, 12000), "Record 1 of 12000");

    EXPECT_EQ(withTemplate("Datensatz %d von %d", 3, 12), "Datensatz 3 von 12");
    EXPECT_EQ(withTemplate("%i/%u", 3, 12), "3/12");
    EXPECT_EQ(withTemplate("[%3d] of [%-4d] %%", 3, 12), "[  3] of [12  ] %");
    EXPECT_EQ(withTemplate("%%%05d%% %+d", 3, 12), "%00003% +12");
}

TEST(RecordPositionText, AnyOtherConversionFallsBackToEnglish)
{
    const QStringList refused = {
        "Record %s of %d",      // a string read from an integer
        "Record %d of %d (%d)", // a third number
        "Record %2$d of %1$d",  // reordering
        "Record %d",            // one number only
        "Record %d of %d %",    // a lone percent sign
        "Record %x of %d",      // not a decimal integer
        "Record %ld of %d",     // a length modifier
        "Record %d of %99d",    // wider than any field written
        "Record %n of %d",      // writes to memory
        "Record %'d of %d",     // grouping flag
        "Record %*d of %d",     // width taken from the arguments
    };
    for (const QString& templ : refused) {
        EXPECT_FALSE(isRecordPositionTemplate(templ)) << templ.toStdString();
        EXPECT_EQ(withTemplate(templ, 3, 12), "Record 3 of 12") << templ.toStdString();
    }
    EXPECT_TRUE(isRecordPositionTemplate(QStringLiteral("%d%d")));
    EXPECT_TRUE(isRecordPositionTemplate(QStringLiteral("Record %.3d of %64d")));
}
