#include "app/LocaleFormat.h"
#include "app/LocaleIds.h"
#include "app/PrintfFormat.h"
#include "app/StringIds.h"
#include "support/LocaleGuard.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(LocalNumber, EnglishFormatsWithGroupingAndPrecision)
{
    LocaleGuard locale("en_US");
    EXPECT_EQ(LocalNumber(u"%.2f", -3.456), "-3.46");
    EXPECT_EQ(LocalNumber(u"%d", 12345), "12,345");
    EXPECT_EQ(LocalNumber(u"%.0f", 984.25), "984");
    EXPECT_EQ(LocalNumber(u"%.2f", 1234567.891), "1,234,567.89");
    EXPECT_EQ(LocalNumber(u"%.1f", 0.04f), "0.0");
    // Padding is not a plain number, so the printf text stays as it is.
    EXPECT_EQ(LocalNumber(u"%5.1f", 72.0f), " 72.0");
    EXPECT_EQ(DecimalSeparator(), ".");
    EXPECT_EQ(ThousandsSeparator(), ",");
}

TEST(LocalNumber, GermanUsesDecimalCommas)
{
    LocaleGuard locale("de_DE");
    EXPECT_EQ(FormatLocalNumber(StringId::ViewOverheadTemplate, StringId::ViewOverheadFormat, -3.456),
              "-3,46dB");
    EXPECT_EQ(LocalNumber(u"%.2f", 1234.5), "1.234,50");
    EXPECT_EQ(LocalNumber(u"%d", 1000000), "1.000.000");
    EXPECT_EQ(DecimalSeparator(), ",");
    EXPECT_EQ(ThousandsSeparator(), ".");
}

TEST(LocalNumber, IndianGroupingIsThreeThenTwo)
{
    LocaleGuard locale("en_IN");
    EXPECT_EQ(groupingTextFor(QLocale()), "3;2;0");
    EXPECT_EQ(numberFormatFor(QLocale()).grouping, 32);
    EXPECT_EQ(LocalNumber(u"%d", 1234567), "12,34,567");
    EXPECT_EQ(LocalNumber(u"%.2f", 1234567.5), "12,34,567.50");
    EXPECT_EQ(LocalNumber(u"%d", 999), "999");
}

TEST(LocalNumber, FormatLocalNumberTemplates)
{
    LocaleGuard locale("en_US");
    EXPECT_EQ(FormatLocalNumber(StringId::DetailReturnLossNegativeTemplate,
                                StringId::DetailReturnLossNegativeFormat, 3.5f),
              "3.50dB");
    EXPECT_EQ(FormatLocalNumber(StringId::ViewReturnLossNegativeTemplate,
                                StringId::ViewReturnLossNegativeFormat, -1.25f),
              "( -1.25dB )");
    EXPECT_EQ(FormatLocalNumber(StringId::DetailMarginPercentInvalidTemplate,
                                StringId::DetailMarginPercentInvalidFormat, 150.0f),
              "150.00%**");
    EXPECT_EQ(FormatLocalNumber(StringId::DetailMarginPercentTemplate, StringId::DetailMarginPercentFormat,
                                -2.3285f),
              "-2.33%");
    EXPECT_EQ(FormatLocalNumber(StringId::TemperatureTemplate, StringId::TemperatureFormat, 72.0f), "72.0 F");
    EXPECT_EQ(FormatLocalNumber(StringId::ViewConnectorPairsTemplate, StringId::ViewConnectorPairsFormat, 2),
              "2");
    EXPECT_EQ(FormatLocalNumber(StringId::ViewLengthFeetTemplate, StringId::ViewLengthFeetFormat,
                                0.30f * 3280.8399f),
              "984");
}

TEST(LocalNumber, NonFiniteNumbersStayAsPrintfWritesThem)
{
    LocaleGuard locale("de_DE");
    EXPECT_EQ(LocalNumber(u"%.2f", std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(LocalNumber(u"%.2f", -std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_TRUE(LocalNumber(u"%.2f", std::nan("")).contains("nan"));
}

TEST(GroupingText, ConvertsTheWindowsForms)
{
    EXPECT_EQ(groupingFromText(u"0"), 0);
    EXPECT_EQ(groupingFromText(u"3;0"), 3);
    EXPECT_EQ(groupingFromText(u"1;0"), 1);
    EXPECT_EQ(groupingFromText(u"9;0"), 9);
    EXPECT_EQ(groupingFromText(u"3;2;0"), 32);
    EXPECT_EQ(groupingFromText(u""), 0);
    EXPECT_EQ(groupingFromText(u"3"), 0);
    EXPECT_EQ(groupingFromText(u"0;0"), 0);
    EXPECT_EQ(groupingFromText(u"3;3;0"), 0);
    EXPECT_EQ(groupingTextFor(QLocale("de_DE")), "3;0");
}

TEST(NumberText, RoundsPadsAndPlacesTheSign)
{
    NumberFormat f;
    f.digits = 2;
    EXPECT_EQ(formatNumberText(u"1.005", f).value(), "1.01");
    EXPECT_EQ(formatNumberText(u"9.995", f).value(), "10.00");
    EXPECT_EQ(formatNumberText(u"999999.999", f).value(), "1,000,000.00");
    EXPECT_EQ(formatNumberText(u"-.5", f).value(), "-0.50");
    EXPECT_EQ(formatNumberText(u"007", f).value(), "7.00");
    f.leadingZero = false;
    EXPECT_EQ(formatNumberText(u"0.25", f).value(), ".25");
    f.digits = 0;
    f.negativeOrder = 0;
    EXPECT_EQ(formatNumberText(u"-1234.5", f).value(), "(1,235)");
    f.negativeOrder = 3;
    EXPECT_EQ(formatNumberText(u"-12", f).value(), "12-");
    f.grouping = 0;
    EXPECT_EQ(formatNumberText(u"123456", f).value(), "123456");
    for (const char16_t* bad : {u"", u"-", u".", u"1.2.3", u"12a", u"inf", u"+5", u" 5"})
        EXPECT_FALSE(formatNumberText(bad, f)) << QString::fromUtf16(bad).toStdString();
}

TEST(PrintfFormat, RefusesFormatsThatAreNotOneNumber)
{
    EXPECT_EQ(printfNumber(u"%.2f", 3.14159), "3.14");
    EXPECT_EQ(printfNumber(u"%d", 42LL), "42");
    EXPECT_EQ(printfNumber(u"%d", 42.9), "42"); // an integer conversion truncates a float value
    EXPECT_EQ(printfNumber(u"%.1f", 3LL), "3.0");
    EXPECT_EQ(printfNumber(u"%ld", 7LL), "7");
    EXPECT_EQ(printfNumber(u"%.2f km", 1.5), "1.50 km");
    EXPECT_EQ(printfNumber(u"%d%%", 50LL), "50%");
    // Dangerous or meaningless formats fall back to a plain number.
    EXPECT_EQ(printfNumber(u"%s", 1.5), "1.5");
    EXPECT_EQ(printfNumber(u"%n", 2LL), "2");
    EXPECT_EQ(printfNumber(u"%d %d", 3LL), "3");
    EXPECT_EQ(printfNumber(u"no conversion", 1.5), "1.5");
    EXPECT_EQ(printfNumber(u"%999999f", 1.5), "1.5");
    EXPECT_EQ(printfNumber(u"%.99f", 1.5), "1.5");
    EXPECT_EQ(printfPrecision(u"%.2f"), 2);
    EXPECT_EQ(printfPrecision(u"%d"), 0);
    EXPECT_EQ(printfPrecision(u"%5.1f"), 1);
}

TEST(DatesAndTimes, FollowTheLocaleWithFullYears)
{
    const QDateTime time(QDate(2000, 7, 28), QTime(13, 5, 42));
    {
        LocaleGuard locale("en_US");
        EXPECT_EQ(ShortDate(time), "7/28/2000");
        EXPECT_EQ(ShortTime(time), "1:05 PM");
        EXPECT_EQ(DateTime(time), "7/28/2000 1:05 PM");
    }
    {
        LocaleGuard locale("de_DE");
        EXPECT_EQ(ShortDate(time), "28.07.2000");
        EXPECT_EQ(ShortTime(time), "13:05");
    }
    {
        LocaleGuard locale("C");
        EXPECT_FALSE(ShortTime(time).contains("42")); // no seconds
    }
}

TEST(DatesAndTimes, InvalidTimesUseTheFallbackForms)
{
    EXPECT_EQ(fallbackShortDate(2000, 7, 28), "07/28/2000");
    EXPECT_EQ(fallbackShortTime(9, 5), "09:05");
    EXPECT_EQ(ShortDate(QDateTime()), "00/00/0000");
    EXPECT_EQ(ShortTime(QDateTime()), "00:00");
}

TEST(ThreadLocale, NamesAndTheBareCLocale)
{
    const QLocale before;
    EXPECT_TRUE(initThreadLocale("de_DE"));
    EXPECT_EQ(QLocale().name(), "de_DE");
    EXPECT_FALSE(initThreadLocale("xx_nonsense"));
    EXPECT_EQ(QLocale().name(), "de_DE");
    QLocale::setDefault(before);
}

TEST(LocaleIds, MapLcidsBothWays)
{
    EXPECT_EQ(localeForLcid(1031).name(), "de_DE");
    EXPECT_EQ(localeForLcid(3084).name(), "fr_CA");
    EXPECT_EQ(lcidForLocale(QLocale("en_US")), kLcidEnglishUnitedStates);
    EXPECT_EQ(lcidForLocale(QLocale("fr_FR")), 1036);
    EXPECT_EQ(localeForLcid(99999).language(), QLocale::C);
    EXPECT_EQ(primaryLanguageOf(3084), primaryLanguageOf(1036)); // both French
}
