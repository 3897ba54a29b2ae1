#include "standards/FiberTypes.h"
#include "standards/RecordId.h"

#include <gtest/gtest.h>

#include <QSet>

TEST(FiberTypes, NamesUseOnlyTheTwoLowBits)
{
    EXPECT_EQ(fiberTypeShortName(0), "62.5uM MM");
    EXPECT_EQ(fiberTypeShortName(1), "50.0uM MM");
    EXPECT_EQ(fiberTypeShortName(2), "INDOOR SM");
    EXPECT_EQ(fiberTypeShortName(3), "OUTDOOR SM");
    EXPECT_EQ(fiberTypeShortName(6), "INDOOR SM");
    EXPECT_EQ(fiberTypeLongName(0x23), "Outdoor Singlemode");
    EXPECT_TRUE(isMultimodeFiberType(1));
    EXPECT_FALSE(isMultimodeFiberType(2));
}

TEST(FiberTypes, WavelengthNumberReadsLeadingDigits)
{
    EXPECT_EQ(wavelengthNumber(u"ANY"), -1);
    EXPECT_EQ(wavelengthNumber(u"any"), 0);
    EXPECT_EQ(wavelengthNumber(u""), 0);
    EXPECT_EQ(wavelengthNumber(u"1310nm"), 1310);
    EXPECT_EQ(wavelengthNumber(u"850nm"), 850);
    EXPECT_EQ(wavelengthNumber(u"13x45"), 13);
    EXPECT_EQ(wavelengthNumber(u" 1310nm"), 0);
    // Accumulated in 16 bits like the key field that holds it.
    EXPECT_EQ(wavelengthNumber(u"70000nm"), static_cast<std::int16_t>(70000));
}

TEST(FiberTypes, ConversionNamesFollowTheFiberType)
{
    EXPECT_EQ(conversionWavelengthName(2, 0), "1300nm");
    EXPECT_EQ(conversionWavelengthName(2, 1), "1300nm");
    EXPECT_EQ(conversionWavelengthName(2, 2), "1310nm");
    EXPECT_EQ(conversionWavelengthName(2, 3), "1310nm");
    EXPECT_EQ(conversionWavelengthName(4, 3), "1550nm");
    EXPECT_STREQ(slotColumns(1).referenceColumn, "980Reference");
    EXPECT_STREQ(slotColumns(4).powerColumn, "1550Power");
}

TEST(FiberTypes, UnitConversions)
{
    EXPECT_FLOAT_EQ(metresToKilometres(2000.0f), 2.0f);
    EXPECT_FLOAT_EQ(kilometresToMetres(0.0762f), 76.2f);
    EXPECT_NEAR(kilometresToFeet(0.30f), 984.25f, 0.01f);
}

TEST(RecordIdText, NewIdsAreUniqueLowerCaseAndRoundTrip)
{
    QSet<QString> seen;
    for (int i = 0; i < 100; ++i) {
        const RecordId id = newRecordId();
        ASSERT_EQ(id.size(), kRecordIdLength);
        ASSERT_TRUE(id.startsWith("{guid {"));
        ASSERT_TRUE(id.endsWith("}}"));
        ASSERT_EQ(id, id.toLower());
        const Guid guid = guidFromRecordId(id);
        ASSERT_FALSE(isNullGuid(guid));
        ASSERT_EQ(recordIdFromGuid(guid), id);
        seen.insert(id);
    }
    EXPECT_EQ(seen.size(), 100);
}

TEST(RecordIdText, WrongLengthOrGarbageGivesTheZeroGuid)
{
    const RecordId id = newRecordId();
    EXPECT_TRUE(isNullGuid(guidFromRecordId(id.left(44))));
    EXPECT_TRUE(isNullGuid(guidFromRecordId(id + "x")));
    EXPECT_TRUE(isNullGuid(guidFromRecordId(QString(45, QLatin1Char('z')))));
    EXPECT_TRUE(isNullGuid(guidFromRecordId(u"")));
    EXPECT_EQ(recordIdFromGuid(Guid{}), "{guid {00000000-0000-0000-0000-000000000000}}");
}

TEST(RecordIdText, UpperCaseGuidTextParsesToTheSameBytes)
{
    const RecordId id = newRecordId();
    QString upper = id;
    upper.replace(7, 36, id.mid(7, 36).toUpper());
    EXPECT_EQ(guidFromRecordId(upper), guidFromRecordId(id));
}
