#include "standards/StandardsCatalog.h"
#include "standards/BuiltInStandards.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

StandardEntry customEntry(const RecordId& id, std::uint8_t fiberType, const QString& wavelength,
                          float maxLoss)
{
    StandardEntry entry;
    entry.standardNumber = 0;
    entry.standardName = "Campus backbone";
    entry.customStandardId = id;
    entry.fiberType = fiberType;
    entry.wavelength = wavelength;
    entry.maxLoss = maxLoss;
    return entry;
}

struct Walked
{
    std::int16_t number;
    std::uint8_t fiberType;
    QString wavelength;
    bool custom;
};

std::vector<Walked> walk(const StandardsCatalog& catalog)
{
    std::vector<Walked> out;
    CatalogPosition position;
    StandardKey key;
    StandardEntry entry;
    while (catalog.iterate(position, key, entry)) {
        EXPECT_EQ(key, StandardKey::fromEntry(entry));
        out.push_back({entry.standardNumber, entry.fiberType, entry.wavelength, entry.isCustom()});
    }
    return out;
}

} // namespace

TEST(BuiltInTable, HoldsNinetyEntriesInTwentyStandards)
{
    const std::vector<StandardEntry> entries = builtInStandards();
    ASSERT_EQ(entries.size(), 90u);
    QSet<int> numbers;
    for (const StandardEntry& e : entries) {
        numbers.insert(e.standardNumber);
        EXPECT_TRUE(e.customStandardId.isEmpty());
        // A fixed budget replaces the per-km, connector and splice allowances.
        if (e.maxLoss > 0) {
            EXPECT_TRUE(e.attenuation == 0 && e.connectorLoss == 0 && e.spliceLoss == 0)
                << e.standardName.toStdString();
        }
    }
    EXPECT_EQ(numbers.size(), 20);
    EXPECT_FALSE(numbers.contains(13));
    EXPECT_FALSE(numbers.contains(14));
    EXPECT_EQ(entries.front().standardName, "EIA/TIA 568-A / CAN-T529");
    EXPECT_EQ(entries.back().standardName, "10GBase-L / 10GBase-E");
    EXPECT_EQ(entries.back().fiberType, 2);
    EXPECT_FLOAT_EQ(entries.back().maxLoss, 11.4f);
}

TEST(StandardsCatalog, LooksUpBuiltInEntries)
{
    const StandardsCatalog catalog;
    EXPECT_EQ(catalog.count(), 90);

    const auto tia = catalog.lookup(2, "", 0, "850nm");
    ASSERT_TRUE(tia);
    EXPECT_FLOAT_EQ(tia->attenuation, 3.75f);
    EXPECT_FLOAT_EQ(tia->connectorLoss, 0.75f);
    EXPECT_FLOAT_EQ(tia->spliceLoss, 0.3f);
    EXPECT_FLOAT_EQ(tia->maxLoss, 0.0f);
    EXPECT_FLOAT_EQ(tia->maxDistance, 2000.0f);

    // The singlemode ATM 622 entries really are "1300nm".
    EXPECT_FALSE(catalog.lookup(9, "", 2, "1310nm"));
    const auto atm = catalog.lookup(9, "", 2, "1300nm");
    ASSERT_TRUE(atm);
    EXPECT_FLOAT_EQ(atm->maxDistance, 15000.0f);
    EXPECT_FLOAT_EQ(atm->maxLoss, 7.0f);

    EXPECT_FALSE(catalog.lookup(25, "", 0, "850nm"));
    EXPECT_TRUE(catalog.lookup(25, "", 1, "850nm"));
    // Wavelengths match by number.
    EXPECT_TRUE(catalog.lookup(2, "", 0, "1300"));
    EXPECT_FALSE(catalog.lookup(2, "", 0, "ANY"));
}

TEST(StandardsCatalog, CustomEntriesLoseLeadingBlanksAndAreFoundById)
{
    StandardsCatalog catalog;
    const RecordId id = newRecordId();
    StandardEntry entry = customEntry(id, 2, "  1310nm", 4.5f);
    catalog.add(entry);
    EXPECT_EQ(entry.wavelength, "1310nm"); // the caller's entry is trimmed too
    EXPECT_EQ(catalog.customCount(), 1);

    const auto found = catalog.lookup(0, id, 2, "1310nm");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->wavelength, "1310nm");
    EXPECT_FLOAT_EQ(found->maxLoss, 4.5f);
    EXPECT_FALSE(catalog.lookup(0, newRecordId(), 2, "1310nm"));
    EXPECT_FALSE(catalog.lookup(0, id, 3, "1310nm"));
}

TEST(StandardsCatalog, AddingAnEqualKeyReplacesTheEntry)
{
    StandardsCatalog catalog;
    const RecordId id = newRecordId();
    StandardEntry first = customEntry(id, 0, "850nm", 3.0f);
    StandardEntry second = customEntry(id, 0, "850nm", 5.0f);
    catalog.add(first);
    catalog.add(second);
    EXPECT_EQ(catalog.customCount(), 1);
    EXPECT_FLOAT_EQ(catalog.lookup(0, id, 0, "850nm")->maxLoss, 5.0f);

    // Built-in entries are replaced the same way.
    StandardEntry override = *catalog.lookup(2, "", 0, "850nm");
    override.attenuation = 3.0f;
    catalog.add(override);
    EXPECT_EQ(catalog.builtInCount(), 90);
    EXPECT_FLOAT_EQ(catalog.lookup(2, "", 0, "850nm")->attenuation, 3.0f);

    catalog.resetToBuiltIn();
    EXPECT_EQ(catalog.count(), 90);
    EXPECT_FLOAT_EQ(catalog.lookup(2, "", 0, "850nm")->attenuation, 3.75f);
}

TEST(StandardsCatalog, CustomEntryWithMalformedIdStillGoesToTheCustomMap)
{
    StandardsCatalog catalog;
    StandardEntry entry = customEntry("not-a-guid", 1, "850nm", 2.0f);
    catalog.add(entry);
    EXPECT_EQ(catalog.customCount(), 1);
    EXPECT_EQ(catalog.builtInCount(), 90);
    // Its key carries the zero GUID, so any malformed id finds it.
    EXPECT_TRUE(catalog.lookup(0, "also-not-a-guid", 1, "850nm"));
}

TEST(StandardsCatalog, IteratesInBucketOrderNewestFirstBuiltInBeforeCustom)
{
    StandardsCatalog catalog;
    for (std::uint8_t ft = 0; ft < 4; ++ft) {
        StandardEntry entry = customEntry(newRecordId(), ft, "850nm", 1.0f);
        catalog.add(entry);
    }
    const std::vector<Walked> order = walk(catalog);
    ASSERT_EQ(order.size(), 94u);
    for (std::size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(order[i].custom, i >= 90) << i;

    // Expected order worked out from the bucket hash by hand.
    EXPECT_EQ(order[0].number, 22);
    EXPECT_EQ(order[0].fiberType, 3);
    EXPECT_EQ(order[0].wavelength, "1490nm");
    EXPECT_EQ(order[1].number, 20);
    EXPECT_EQ(order[1].wavelength, "1550nm");
    EXPECT_EQ(order[2].number, 12);
    EXPECT_EQ(order[2].wavelength, "1310nm");
    EXPECT_EQ(order[89].number, 3);
    EXPECT_EQ(order[89].fiberType, 1);
    EXPECT_EQ(order[89].wavelength, "1300nm");
}

TEST(StandardsCatalog, FindNextWalksEveryPassingEntryOnce)
{
    const StandardsCatalog catalog;
    StandardKey filter;
    filter.standardNumber = 20;
    filter.fiberType = StandardKey::kAnyFiberType;
    filter.wavelengthNumber = -1;

    CatalogPosition position;
    StandardEntry entry;
    QStringList seen;
    while (catalog.findNext(filter, position, entry)) {
        EXPECT_EQ(entry.standardName, "FTTH Class A");
        seen << QString::number(entry.fiberType) + "/" + entry.wavelength;
    }
    EXPECT_EQ(seen, (QStringList{"2/1550nm", "3/1490nm", "3/1550nm", "2/1310nm", "3/1310nm", "2/1490nm"}));
    EXPECT_FALSE(catalog.findNext(filter, position, entry)); // stays at the end

    // The FTTH classes have only singlemode entries.
    filter.fiberType = 0;
    CatalogPosition fresh;
    EXPECT_FALSE(catalog.findNext(filter, fresh, entry));
}

TEST(StandardsCatalog, FindNextFiltersByGuidAndWavelength)
{
    StandardsCatalog catalog;
    const RecordId mine = newRecordId();
    for (const char* wl : {"850nm", "1300nm"}) {
        StandardEntry a = customEntry(mine, 0, wl, 2.0f);
        StandardEntry b = customEntry(newRecordId(), 0, wl, 2.0f);
        catalog.add(a);
        catalog.add(b);
    }
    StandardKey filter;
    filter.customGuid = guidFromRecordId(mine);
    filter.fiberType = StandardKey::kAnyFiberType;
    CatalogPosition position;
    StandardEntry entry;
    int count = 0;
    while (catalog.findNext(filter, position, entry)) {
        EXPECT_EQ(entry.customStandardId, mine);
        ++count;
    }
    EXPECT_EQ(count, 2);

    StandardKey byWavelength;
    byWavelength.standardNumber = 2;
    byWavelength.fiberType = StandardKey::kAnyFiberType;
    byWavelength.wavelengthNumber = 1550;
    CatalogPosition second;
    count = 0;
    while (catalog.findNext(byWavelength, second, entry)) {
        EXPECT_EQ(entry.wavelength, "1550nm");
        EXPECT_GE(entry.fiberType, 2);
        ++count;
    }
    EXPECT_EQ(count, 2);
}
