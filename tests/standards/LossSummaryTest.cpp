#include "standards/LossSummary.h"
#include "standards/StandardsCatalog.h"
#include "support/LocaleGuard.h"

#include <gtest/gtest.h>

namespace {

StandardKey filterFor(std::int16_t standardNumber, const RecordId& customId, std::uint8_t fiberType)
{
    StandardKey key;
    key.standardNumber = standardNumber;
    key.customGuid = guidFromRecordId(customId);
    key.fiberType = fiberType;
    key.wavelengthNumber = -1;
    return key;
}

StandardEntry customRow(const RecordId& id, const QString& name, const QString& wavelength, float maxLoss)
{
    StandardEntry entry;
    entry.standardName = name;
    entry.customStandardId = id;
    entry.fiberType = 2;
    entry.wavelength = wavelength;
    entry.maxLoss = maxLoss;
    return entry;
}

} // namespace

TEST(LossSummary, TwoKilometreLinkShowsTheBudgetAsANegativeFigure)
{
    const StandardsCatalog catalog;
    const LossSummary summary = computeLossSummary(catalog, filterFor(2, {}, 0), 2.0f, 2, 1);
    EXPECT_EQ(summary.lengthText, "2.000000 km");
    EXPECT_EQ(summary.connectorText, "2");
    EXPECT_EQ(summary.spliceText, "1");
    EXPECT_EQ(summary.cableTypeText, "62.5uM MM");
    EXPECT_EQ(summary.standardText, "EIA/TIA 568-A / CAN-T529");
    ASSERT_EQ(summary.lines.size(), 2);
    // 2 km x 3.75 + 2 x 0.75 + 1 x 0.3 at 850 nm; 2 x 1.5 + 1.5 + 0.3 at 1300 nm.
    QStringList lines;
    for (const LossSummaryLine& line : summary.lines)
        lines << line.wavelength + "=" + line.loss;
    lines.sort();
    EXPECT_EQ(lines, (QStringList{"1300nm=-4.800000 db", "850nm=-9.300000 db"}));
}

TEST(LossSummary, FiguresKeepThePointInEveryLocale)
{
    const LocaleGuard german("de_DE");
    const StandardsCatalog catalog;
    const LossSummary summary = computeLossSummary(catalog, filterFor(2, {}, 0), 0.3048f, 2, 1);
    EXPECT_EQ(summary.lengthText, "0.304800 km");
    ASSERT_FALSE(summary.lines.isEmpty());
    for (const LossSummaryLine& line : summary.lines)
        EXPECT_FALSE(line.loss.contains(',')) << line.loss.toStdString();
}

TEST(LossSummary, OneLinePerMatchingEntryInWalkOrderWithTheWavelengthAsHeld)
{
    StandardsCatalog catalog;
    const RecordId id = newRecordId();
    // Fixed budgets, so each line's figure tells which entry it came from.
    const QList<QPair<QString, float>> rows = {
        {"1310nm", 1.5f}, {"1550nm", 2.5f}, {"1625nm", 3.5f}, {"  1490nm", 4.5f}, {"ANY", 5.5f}};
    for (const auto& [wavelength, loss] : rows) {
        StandardEntry entry = customRow(id, "Metro Ring", wavelength, loss);
        catalog.add(entry);
    }
    // Another fiber type of the same standard and another standard stay out.
    StandardEntry otherType = customRow(id, "Metro Ring", "1310nm", 9.0f);
    otherType.fiberType = 3;
    catalog.add(otherType);
    StandardEntry otherStandard = customRow(newRecordId(), "Other", "1310nm", 8.0f);
    catalog.add(otherStandard);

    // The order the catalogue walks them in, read through its plain iteration.
    QStringList expected;
    CatalogPosition position;
    StandardKey key;
    StandardEntry entry;
    while (catalog.iterate(position, key, entry)) {
        if (entry.customStandardId == id && entry.fiberType == 2)
            expected << entry.wavelength + "|" +
                            QString::asprintf("%f db", static_cast<double>(-entry.maxLoss));
    }
    ASSERT_EQ(expected.size(), 5);

    const LossSummary summary = computeLossSummary(catalog, filterFor(0, id, 2), 10.0f, 4, 2);
    QStringList shown;
    for (const LossSummaryLine& line : summary.lines)
        shown << line.wavelength + "|" + line.loss;
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(shown.contains("1490nm|-4.500000 db")) << "the catalogue holds it without the blanks";
    EXPECT_TRUE(shown.contains("ANY|-5.500000 db"));
    EXPECT_EQ(summary.standardText, "Metro Ring");
    EXPECT_EQ(summary.cableTypeText, "INDOOR SM");
}

TEST(LossSummary, AKeyWithoutEntriesGivesNoLinesAndNoStandardName)
{
    const StandardsCatalog catalog;
    // The FTTH classes have singlemode entries only.
    const LossSummary summary = computeLossSummary(catalog, filterFor(20, {}, 0), 1.0f, 0, 0);
    EXPECT_TRUE(summary.lines.isEmpty());
    EXPECT_TRUE(summary.standardText.isEmpty());
    EXPECT_EQ(summary.cableTypeText, "62.5uM MM");
    EXPECT_EQ(summary.lengthText, "1.000000 km");
}
