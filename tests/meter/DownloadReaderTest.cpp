#include "meter/DownloadReader.h"
#include "meter/DownloadFields.h"

#include <gtest/gtest.h>

#include <QBuffer>

namespace {

// A reader over bytes in memory.
struct ReaderOver
{
    explicit ReaderOver(const QByteArray& bytes) : data(bytes)
    {
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
    }
    QByteArray data;
    QBuffer buffer;
    DownloadReader reader{buffer};
};

} // namespace

TEST(DownloadReader, StringsSkipOrInsistOnTheOpeningQuote)
{
    ReaderOver r("x,\n'one' 'two'x'three");
    QString text;
    EXPECT_TRUE(r.reader.readString(text, true));
    EXPECT_EQ(text, "one");
    EXPECT_FALSE(r.reader.readString(text, false)) << "a blank before the quote";
    EXPECT_TRUE(text.isEmpty());
    EXPECT_TRUE(r.reader.readString(text, false)) << "the failed read consumed the blank";
    EXPECT_EQ(text, "two");
    EXPECT_FALSE(r.reader.readString(text, false));
    EXPECT_FALSE(r.reader.readString(text, true)) << "no closing quote before the end";
    EXPECT_TRUE(r.reader.atEnd());
}

TEST(DownloadReader, IntegersFollowTheMetersLenientRules)
{
    ReaderOver r("  -12,3-4+.5\r\n,x\n7 a8\n\n\n9");
    int value = -1;
    bool lineEnd = false;
    EXPECT_TRUE(r.reader.readInteger(value, false, &lineEnd));
    EXPECT_EQ(value, -12);
    EXPECT_FALSE(lineEnd);
    EXPECT_TRUE(r.reader.readInteger(value, false, &lineEnd));
    EXPECT_EQ(value, 34) << "later signs are ignored, the CR too; digits after the point are no part of it";
    EXPECT_TRUE(lineEnd);
    lineEnd = false;
    EXPECT_FALSE(r.reader.readInteger(value, false, &lineEnd)) << "an empty field";
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(lineEnd);
    EXPECT_FALSE(r.reader.readInteger(value, false, &lineEnd)) << "x is passed over, then the line ends";
    EXPECT_TRUE(lineEnd);
    lineEnd = false;
    EXPECT_TRUE(r.reader.readInteger(value, false, &lineEnd));
    EXPECT_EQ(value, 78) << "other characters inside a number are passed over";
    EXPECT_TRUE(r.reader.readInteger(value, true, &lineEnd)) << "blank lines skipped";
    EXPECT_EQ(value, 9);
    lineEnd = false;
    EXPECT_FALSE(r.reader.readInteger(value, true, &lineEnd));
    EXPECT_TRUE(lineEnd) << "the end of the data raises the flag";
}

TEST(DownloadReader, DecimalsAccumulateTheFractionInSinglePrecision)
{
    ReaderOver r("-21.35,.5,3.1.4,+7,99999999999999999999999999999999999999999999,1e5\n");
    float value = 0;
    const float expected[] = {-21.35f, 0.5f, 3.14f, 7.0f};
    for (float e : expected) {
        ASSERT_TRUE(r.reader.readDecimal(value, false));
        EXPECT_NEAR(value, e, 1e-5f);
    }
    ASSERT_TRUE(r.reader.readDecimal(value, false));
    EXPECT_TRUE(std::isinf(value)) << "a huge number overflows to infinity, harmlessly";
    bool lineEnd = false;
    ASSERT_TRUE(r.reader.readDecimal(value, false, &lineEnd));
    EXPECT_EQ(value, 15.0f) << "no exponents: the e is passed over";
    EXPECT_TRUE(lineEnd);
}

TEST(DownloadReader, AWholeNumberEndsAtItsDecimalPoint)
{
    // A link length of 1500.5 m must not become 15005 m: the fraction is no
    // part of a whole number, and a decimal read keeps it.
    ReaderOver r("1500.5,72.5,-3.99,1500.5\n");
    int value = 0;
    ASSERT_TRUE(r.reader.readInteger(value, false));
    EXPECT_EQ(value, 1500);
    ASSERT_TRUE(r.reader.readInteger(value, false));
    EXPECT_EQ(value, 72);
    ASSERT_TRUE(r.reader.readInteger(value, false));
    EXPECT_EQ(value, -3);
    float decimal = 0;
    ASSERT_TRUE(r.reader.readDecimal(decimal, false));
    EXPECT_FLOAT_EQ(decimal, 1500.5f);
}

TEST(DownloadReader, HugeIntegersWrapInsteadOfOverflowing)
{
    ReaderOver r("4294967297,-2147483648,99999999999999999999999\n");
    int value = 0;
    ASSERT_TRUE(r.reader.readInteger(value, false));
    EXPECT_EQ(value, 1);
    ASSERT_TRUE(r.reader.readInteger(value, false));
    EXPECT_EQ(value, INT32_MIN);
    EXPECT_TRUE(r.reader.readInteger(value, false));
}

TEST(DownloadReader, SkipsAndPeeksNeverReadPastTheEnd)
{
    ReaderOver r("a\nb,c");
    EXPECT_FALSE(r.reader.skipToCommaOrLineEnd()) << "stopped at the line feed";
    char c = 0;
    EXPECT_TRUE(r.reader.peekChar(c));
    EXPECT_EQ(c, 'b');
    EXPECT_TRUE(r.reader.skipToCommaOrLineEnd());
    EXPECT_FALSE(r.reader.skipToComma());
    EXPECT_TRUE(r.reader.atEnd());
    EXPECT_FALSE(r.reader.nextChar(c));
    EXPECT_FALSE(r.reader.peekChar(c));
}

TEST(DownloadReader, VeryLongStringsAreReadWholeButKeptBounded)
{
    QByteArray data = "'" + QByteArray(1 << 20, 'x') + "','after'";
    ReaderOver r(data);
    QString text;
    ASSERT_TRUE(r.reader.readString(text, true));
    EXPECT_EQ(text.size(), DownloadReader::kMaxStringLength);
    ASSERT_TRUE(r.reader.readString(text, true));
    EXPECT_EQ(text, "after");
}

TEST(DownloadFields, DatesAreMonthDayYearWithTwoDigitYearsPivotedAt69)
{
    EXPECT_EQ(parseDownloadDate(u"02/14/05"), QDate(2005, 2, 14));
    EXPECT_EQ(parseDownloadDate(u"12-31-1999"), QDate(1999, 12, 31));
    EXPECT_EQ(parseDownloadDate(u"12/31/99"), QDate(1999, 12, 31));
    EXPECT_EQ(parseDownloadDate(u"1.2.69"), QDate(1969, 1, 2));
    EXPECT_EQ(parseDownloadDate(u"1.2.68"), QDate(2068, 1, 2));
    EXPECT_EQ(parseDownloadDate(u"03/07/"), QDate(2000, 3, 7)) << "an empty year is year 0";
    EXPECT_FALSE(parseDownloadDate(u"03/07").isValid()) << "ends inside the day";
    EXPECT_FALSE(parseDownloadDate(u"").isValid());
    EXPECT_FALSE(parseDownloadDate(u"13/01/05").isValid());
    EXPECT_FALSE(parseDownloadDate(u"99999999999999999999/1/1").isValid());
}

TEST(DownloadFields, VersionFractionsCountInHundredths)
{
    EXPECT_FLOAT_EQ(*downloadVersionValue(u"1.15"), 1.15f);
    EXPECT_FLOAT_EQ(*downloadVersionValue(u"2.00"), 2.0f);
    EXPECT_FLOAT_EQ(*downloadVersionValue(u"2.0"), 2.0f);
    EXPECT_FLOAT_EQ(*downloadVersionValue(u"2.5"), 2.05f);
    EXPECT_FLOAT_EQ(*downloadVersionValue(u"1.9"), 1.09f);
    EXPECT_FLOAT_EQ(*downloadVersionValue(u"V3.12b7"), 3.12f);
    EXPECT_FALSE(downloadVersionValue(u"none").has_value());
    EXPECT_GE(*downloadVersionValue(u"1.15"), 1.15f) << "the generation boundary itself";
}
