#include "database/SchemaVersions.h"
#include "database/CKAVFiberSet2.h"
#include "database/CKAVSiteSet2_1.h"
#include "database/Database.h"
#include "database/TestDatabaseSchema.h"
#include "support/Schema1Builder.h"
#include "support/TestFiles.h"

#include <sqlcipher/sqlite3.h>

#include <gtest/gtest.h>

#include <QList>

namespace {

class SchemaVersionsTest : public TempDirTest
{
};

struct ConvertedSite
{
    int fiberType;
    int wizard;
    int standard;
    std::array<float, 5> references;
    std::array<QString, 5> wavelengths;
    int fibers;
};

// The sites made from one source link, in the order written: fiber type
// codes g = 0..3 of the conversion.
QList<ConvertedSite> convertedSites(const QString& file, const QString& linkName)
{
    Database db;
    db.open(file, true, false, kConnectString);
    CKAVSiteSet2_1 sites(db);
    CKAVFiberSet2 fibers(db);
    sites.open();
    fibers.open();
    QList<ConvertedSite> out;
    for (; !sites.isEOF(); sites.moveNext()) {
        if (sites.siteName != linkName)
            continue;
        fibers.setFilter("SiteNumber=" + sites.siteNumber);
        fibers.requery();
        int count = 0;
        for (; !fibers.isEOF(); fibers.moveNext())
            ++count;
        out.append(
            {sites.fiberType, sites.wizard, sites.standard, sites.references, sites.wavelengths, count});
    }
    return out;
}

} // namespace

TEST_F(SchemaVersionsTest, DetectsEachVersionAndRefusesForeignFiles)
{
    ASSERT_TRUE(createTestDatabase(path("v1.mdb"), kSchemaVersion1));
    ASSERT_TRUE(createTestDatabase(path("v2.mdb"), kSchemaVersion2));
    ASSERT_TRUE(createTestDatabase(path("v21.mdb"), kCurrentSchemaVersion));
    EXPECT_EQ(SchemaVersions::detectVersion(path("v1.mdb")), 1.0f);
    EXPECT_EQ(SchemaVersions::detectVersion(path("v2.mdb")), 2.0f);
    EXPECT_EQ(SchemaVersions::detectVersion(path("v21.mdb")), 2.1f);

    writeFile(path("text.mdb"), "Fibrolog\n");
    writeFile(path("empty.mdb"), QByteArray());
    sqlite3* plain = nullptr;
    sqlite3_open(QFile::encodeName(path("plain.mdb")).constData(), &plain);
    sqlite3_exec(plain, "CREATE TABLE Site (x)", nullptr, nullptr, nullptr);
    sqlite3_close(plain);
    ASSERT_TRUE(createSharedStandardsFile(path("shared.mdb")));
    for (const char* name : {"text.mdb", "empty.mdb", "plain.mdb", "shared.mdb", "missing.mdb"})
        EXPECT_EQ(SchemaVersions::detectVersion(path(name)), 0.0f) << name;

    Database holder;
    holder.open(path("v21.mdb"), true, false, kConnectString);
    EXPECT_EQ(SchemaVersions::detectVersion(path("v21.mdb")), 0.0f); // in use
}

TEST_F(SchemaVersionsTest, UpgradeAddsTheLinkComment)
{
    const QString file = path("old.mdb");
    ASSERT_TRUE(createTestDatabase(file, kSchemaVersion2));
    EXPECT_TRUE(SchemaVersions::upgradeToCurrent(file).ok());
    EXPECT_EQ(SchemaVersions::detectVersion(file), 2.1f);
    EXPECT_FALSE(SchemaVersions::upgradeToCurrent(file).message().isEmpty()) << "the column exists already";
    EXPECT_TRUE(SchemaVersions::upgradeToCurrent(path("missing.mdb")).message().contains("missing.mdb"));
}

TEST_F(SchemaVersionsTest, MeterVersionNumbersCountTheFractionInHundredths)
{
    EXPECT_EQ(SchemaVersions::meterVersionNumber("1.30"), 1.3f);
    EXPECT_EQ(SchemaVersions::meterVersionNumber("1.3"), 1.03f);
    EXPECT_EQ(SchemaVersions::meterVersionNumber("2.05"), 2.05f);
    EXPECT_EQ(SchemaVersions::meterVersionNumber("V2.10 beta"), 2.1f);
    EXPECT_EQ(SchemaVersions::meterVersionNumber("1.2.7"), 1.27f);
    EXPECT_EQ(SchemaVersions::meterVersionNumber("-3"), 3.0f);
    EXPECT_FALSE(SchemaVersions::meterVersionNumber("unknown"));
    EXPECT_FALSE(SchemaVersions::meterVersionNumber(""));
    EXPECT_TRUE(SchemaVersions::meterVersionNumber(QString(400, '9'))); // clamped, no overflow
}

TEST_F(SchemaVersionsTest, ConvertsEverySiteIntoFourSitesOneForEachFiberType)
{
    const QString source = path("v1.mdb");
    const QString target = path("converted.mdb");
    {
        Schema1Builder v1(source);
        const RecordId oldMeter = v1.addCompany("Old Meter Co", "1.30");
        const RecordId newMeter = v1.addCompany("New Meter Co", "2.10");
        const RecordId riser = v1.addSite(oldMeter, "Riser", 0x23, 1000.0f, 2, 1, -25.6f, -22.0f, -19.5f);
        v1.addFiber(riser, "01", 2, -30.0f, -24.0f, -21.0f);
        v1.addFiber(riser, "02", 2, -31.0f, -24.5f, -21.5f);
        v1.addFiber(riser, "03", 0, -29.0f, -25.0f, 0.0f);
        v1.addFiber(riser, "04", 9, -29.0f, -25.0f, 0.0f); // no such fiber type: not converted
        const RecordId campus = v1.addSite(newMeter, "Campus", 0x01, 1000.0f, 2, 1, -25.3f, -20.0f, -20.0f);
        v1.addFiber(campus, "01", 0, -28.0f, 0.0f, 0.0f);
    }
    const QByteArray before = fileBytes(source);
    ASSERT_TRUE(SchemaVersions::convertSchema1(source, target).ok());
    EXPECT_EQ(fileBytes(source), before);
    EXPECT_EQ(SchemaVersions::detectVersion(target), 2.1f);

    const QList<ConvertedSite> riser = convertedSites(target, "Riser");
    ASSERT_EQ(riser.size(), 4);
    QStringList slot2Names;
    for (const ConvertedSite& site : riser) {
        EXPECT_EQ(site.fiberType, 2); // every new site keeps the source's fiber type
        EXPECT_EQ(site.wizard, 5);    // 850 and 1300 nm flags: slots 0 and 2
        EXPECT_EQ(site.standard, 2);  // firmware 1.30: the old table
        slot2Names << site.wavelengths[2];
    }
    EXPECT_EQ(slot2Names, (QStringList{"1300nm", "1300nm", "1310nm", "1310nm"}));
    // The fibers go to the site of their own fiber type.
    EXPECT_EQ(riser[0].fibers, 1);
    EXPECT_EQ(riser[1].fibers, 0);
    EXPECT_EQ(riser[2].fibers, 2);
    EXPECT_EQ(riser[3].fibers, 0);
    EXPECT_EQ(convertedSites(target, "Campus").size(), 4);
}

TEST_F(SchemaVersionsTest, ConversionRestoresBudgetModeReferences)
{
    const QString source = path("v1.mdb");
    const QString target = path("converted.mdb");
    {
        Schema1Builder v1(source);
        const RecordId company = v1.addCompany("Old Meter Co", "1.30");
        const RecordId site = v1.addSite(company, "Link", 0x05, 1000.0f, 2, 1, -25.6f, -22.0f, -19.5f);
        v1.addFiber(site, "01", 0, -30.0f, -24.0f, -21.0f);
        const RecordId newer = v1.addCompany("New Meter Co", "1.2");
        const RecordId other = v1.addSite(newer, "Other", 0x01, 1000.0f, 2, 1, -25.3f, 0, 0);
        v1.addFiber(other, "01", 0, -28.0f, 0, 0);
        // A damaged length gives no budget: nothing is added to the references.
        const RecordId endless = v1.addSite(company, "Endless", 0x05, 1e30f, 2, 1, -25.6f, -22.0f, -19.5f);
        v1.addFiber(endless, "01", 0, -30.0f, -24.0f, -21.0f);
    }
    ASSERT_TRUE(SchemaVersions::convertSchema1(source, target).ok());
    const ConvertedSite link = convertedSites(target, "Link").value(0); // g = 0: 62.5 um
    EXPECT_EQ(link.wizard, 1 + 16);
    EXPECT_NEAR(link.references[0], -20.0f, 1e-5f); // -25.6 + 3.8 + 1.5 + 0.3
    EXPECT_EQ(link.references[1], 0.0f);
    EXPECT_EQ(link.references[2], -22.0f); // no wizard flag for 1300 nm: unchanged
    EXPECT_NEAR(link.references[4], -19.5f + 1.0f + 1.5f + 0.3f, 1e-5f);
    EXPECT_EQ(link.wavelengths[0], "850nm");
    EXPECT_EQ(link.wavelengths[1], "980nm");
    EXPECT_EQ(link.wavelengths[4], "1550nm");

    // Firmware "1.2" reads as 1.02: the later table and standard 12.
    const ConvertedSite other = convertedSites(target, "Other").value(0);
    EXPECT_NEAR(convertedSites(target, "Other").value(3).references[0], -25.3f + 0.5f + 1.5f + 0.3f, 1e-5f);
    EXPECT_EQ(other.standard, 12);
    EXPECT_NEAR(other.references[0], -20.0f, 1e-5f); // -25.3 + 3.5 + 1.5 + 0.3

    const ConvertedSite endless = convertedSites(target, "Endless").value(0);
    EXPECT_EQ(endless.wizard, 0);
    EXPECT_EQ(endless.references[0], -25.6f);
    EXPECT_EQ(endless.references[4], -19.5f);
}

TEST_F(SchemaVersionsTest, FailedConversionLeavesNoTargetBehind)
{
    const QString source = path("v2.mdb");
    ASSERT_TRUE(createTestDatabase(source, kSchemaVersion2)); // not schema 1: the sources do not open
    const QString target = path("converted.mdb");
    EXPECT_FALSE(SchemaVersions::convertSchema1(source, target).ok());
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_FALSE(SchemaVersions::convertSchema1(path("missing.mdb"), target).ok());
    EXPECT_FALSE(QFile::exists(target));
}
