#include "database/CKAVCompanySet2.h"
#include "database/CKAVStandardsSet2.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/TestDatabaseSchema.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

class SchemaTest : public TempDirTest
{
protected:
    QStringList columnsOf(Database& db, const QString& table)
    {
        QStringList out;
        for (const ColumnDef& c : db.tableDef(table).columns) {
            QString type;
            switch (c.type) {
            case ColumnType::Guid:
                type = "GUID";
                break;
            case ColumnType::Text:
                type = QString(c.fixedWidth ? "FixedText(%1)" : "Text(%1)").arg(c.size);
                break;
            case ColumnType::Date:
                type = "Date";
                break;
            case ColumnType::Single:
                type = "Single";
                break;
            case ColumnType::Integer:
                type = "Integer";
                break;
            case ColumnType::Byte:
                type = "Byte";
                break;
            case ColumnType::Other:
                type = "?";
                break;
            }
            out << c.name + " " + type;
        }
        return out;
    }

    QStringList indexesOf(Database& db, const QString& table)
    {
        QStringList out;
        for (const IndexDef& i : db.indexes(table)) {
            QStringList fields;
            for (const IndexField& f : i.fields)
                fields << f.name;
            out << QString("%1(%2)%3%4%5")
                       .arg(i.name, fields.join(','), i.primary ? " primary" : "", i.unique ? " unique" : "",
                            i.required ? " required" : "");
        }
        return out;
    }

    StandardEntry standard(const RecordId& id, std::int16_t number, std::uint8_t fiberType, const QString& wl)
    {
        StandardEntry e;
        e.standardNumber = number;
        e.standardName = "Plant";
        e.customStandardId = id;
        e.fiberType = fiberType;
        e.wavelength = wl;
        e.maxLoss = 3.0f;
        return e;
    }
};

} // namespace

TEST_F(SchemaTest, CurrentSchemaHasEveryColumnAndIndexInOrder)
{
    const QString file = path("current.mdb");
    ASSERT_TRUE(createTestDatabase(file, kCurrentSchemaVersion));
    Database db;
    db.open(file, true, false, kConnectString);
    EXPECT_EQ(db.tableNames(), (QStringList{"Company", "Fiber", "Site", "Standards"}));
    EXPECT_EQ(columnsOf(db, "Site"), (QStringList{"SiteNumber GUID",          "CompanyNumber GUID",
                                                  "SiteName Text(50)",        "Date Date",
                                                  "UploadDate Date",          "CalibrationDate Date",
                                                  "FiberLength Single",       "Connections Integer",
                                                  "Splices Integer",          "Temperature Single",
                                                  "FiberType Integer",        "Wizard Integer",
                                                  "Standard Integer",         "850Reference Single",
                                                  "980Reference Single",      "1300Reference Single",
                                                  "1480Reference Single",     "1550Reference Single",
                                                  "Wavelength1 FixedText(6)", "Wavelength2 FixedText(6)",
                                                  "Wavelength3 FixedText(6)", "Wavelength4 FixedText(6)",
                                                  "Wavelength5 FixedText(6)", "CustomStandardID GUID",
                                                  "SiteComment Text(128)"}));
    EXPECT_EQ(columnsOf(db, "Fiber"),
              (QStringList{"FiberNumber GUID", "SiteNumber GUID", "FiberName Text(50)", "850Power Single",
                           "980Power Single", "1300Power Single", "1480Power Single", "1550Power Single",
                           "FiberType Integer"}));
    EXPECT_EQ(columnsOf(db, "Company"),
              (QStringList{"CompanyNumber GUID", "CompanyPhone FixedText(13)", "CompanyName Text(50)",
                           "SerialNo Text(20)", "Version Text(20)"}));
    EXPECT_EQ(columnsOf(db, "Standards"),
              (QStringList{"StandardNumber Integer", "StandardName Text(50)", "CustomStandardID GUID",
                           "FiberType Byte", "Wavelength Text(7)", "MaxDistance Single", "MaxLoss Single",
                           "Attenuation Single", "ConnectorLoss Single", "SpliceLoss Single"}));
    EXPECT_EQ(indexesOf(db, "Site"),
              (QStringList{"SiteNumber(SiteNumber) primary unique required", "SiteName(SiteName)",
                           "CompanyNumber(CompanyNumber) required"}));
    EXPECT_EQ(indexesOf(db, "Fiber"),
              (QStringList{"FiberNumber(FiberNumber) primary unique required",
                           "SiteNumber(SiteNumber) required", "FiberName(FiberName)"}));
    EXPECT_EQ(indexesOf(db, "Company"), (QStringList{"CompanyNumber(CompanyNumber) primary unique required",
                                                     "CompanyName(CompanyName)"}));
    EXPECT_EQ(indexesOf(db, "Standards"),
              QStringList{"StandardIndex(CustomStandardID,FiberType,Wavelength) primary required"});
}

TEST_F(SchemaTest, OlderSchemasAsEarlierReleasesMadeThem)
{
    const QString v1 = path("v1.mdb");
    const QString v2 = path("v2.mdb");
    ASSERT_TRUE(createTestDatabase(v1, kSchemaVersion1));
    ASSERT_TRUE(createTestDatabase(v2, kSchemaVersion2));
    EXPECT_FALSE(createTestDatabase(path("v3.mdb"), 3.0f));
    EXPECT_FALSE(QFile::exists(path("v3.mdb")));

    Database db;
    db.open(v1, true, false, kConnectString);
    EXPECT_EQ(db.tableNames(), (QStringList{"Company", "Fiber", "Site"}));
    EXPECT_EQ(columnsOf(db, "Fiber"),
              (QStringList{"FiberNumber GUID", "SiteNumber GUID", "FiberName Text(50)", "850Power Single",
                           "1300Power Single", "1500Power Single", "FiberType Integer"}));
    EXPECT_EQ(columnsOf(db, "Site").mid(10), (QStringList{"FiberType Integer", "850Reference Single",
                                                          "1300Reference Single", "1500Reference Single"}));
    db.close();
    db.open(v2, true, false, kConnectString);
    EXPECT_EQ(db.tableDef("Site").columns.size(), 24u);
    EXPECT_EQ(db.tableDef("Site").column("SiteComment"), nullptr);
}

TEST_F(SchemaTest, BuildingTwiceKeepsTablesIndexesAndRows)
{
    const QString file = path("twice.mdb");
    ASSERT_TRUE(createTestDatabase(file, kCurrentSchemaVersion));
    {
        Database db;
        db.open(file, true, false, kConnectString);
        CKAVCompanySet2 companies(db);
        companies.open();
        RecordId id;
        ASSERT_TRUE(companies.addCompany("Northwind Cabling", "555-0199", "SN:P77", "2.10", id));
    }
    ASSERT_TRUE(createTestDatabase(file, kCurrentSchemaVersion));
    Database db;
    db.open(file, true, false, kConnectString);
    EXPECT_EQ(db.tableNames().size(), 4);
    EXPECT_EQ(db.indexNames("Site").size(), 3);
    EXPECT_EQ(db.countRows("Company"), 1);
}

TEST_F(SchemaTest, BuildingOnAFileOfAnotherPasswordRaises)
{
    const QString file = path("foreign.mdb");
    writeFile(file, "not a database at all, but some text");
    EXPECT_THROW(createTestDatabase(file, kCurrentSchemaVersion), DatabaseException);
    EXPECT_EQ(fileBytes(file), QByteArray("not a database at all, but some text"));
}

TEST_F(SchemaTest, StandardIndexRefusesASecondRowForTheSameIdFiberTypeAndWavelength)
{
    const QString file = path("standards.mdb");
    ASSERT_TRUE(createSharedStandardsFile(file));
    Database db;
    db.open(file, true, false, kConnectString);
    EXPECT_EQ(db.tableNames(), QStringList{"Standards"});
    CKAVStandardsSet2 set(db);
    set.open();
    const RecordId id = newRecordId();
    auto add = [&](const StandardEntry& e) {
        set.addNew();
        set.setEntry(e);
        set.update();
    };
    add(standard(id, 0, 2, "1310nm"));
    add(standard(id, 0, 2, "1550nm"));
    add(standard(id, 0, 3, "1310nm"));
    add(standard(newRecordId(), 0, 2, "1310nm"));
    try {
        add(standard(id, 0, 2, "1310nm"));
        ADD_FAILURE() << "duplicate stored";
    } catch (const DatabaseException& e) {
        EXPECT_TRUE(e.description().contains("StandardIndex")) << e.description().toStdString();
    }
    set.cancelUpdate();
    EXPECT_THROW(add(standard(id, 7, 2, "1310nm")), DatabaseException); // differs only in the number
    set.cancelUpdate();
    EXPECT_EQ(db.countRows("Standards"), 4);
}

TEST_F(SchemaTest, CompanyNamesAreListedOnceInNameOrder)
{
    const QString file = path("companies.mdb");
    ASSERT_TRUE(createTestDatabase(file, kCurrentSchemaVersion));
    Database db;
    db.open(file, true, false, kConnectString);
    CKAVCompanySet2 companies(db);
    companies.open();
    RecordId b, a1, a2;
    ASSERT_TRUE(companies.addCompany("B Fiber", "555-0102", "SN:L9", "2.00", b));
    ASSERT_TRUE(companies.addCompany("A Cabling", "555-0100", "SN:P1", "1.30", a1));
    ASSERT_TRUE(companies.addCompany("A Cabling", "555-0101", "", "", a2));

    companies.listCompanyNames();
    ASSERT_EQ(companies.pairCount(), 2);
    EXPECT_EQ(companies.pairAt(0).first, "A Cabling");
    EXPECT_EQ(companies.pairAt(0).second, a1);
    EXPECT_EQ(companies.pairAt(1).first, "B Fiber");
    EXPECT_EQ(companies.pairAt(1).second, b);
    EXPECT_TRUE(companies.filter().isEmpty());
    EXPECT_TRUE(companies.sort().isEmpty());

    companies.setFilter("[CompanyNumber] = " + a2);
    companies.requery();
    EXPECT_EQ(companies.serialNo, "unknown");
    EXPECT_EQ(companies.version, "unknown");
    EXPECT_EQ(companies.companyPhone, "555-0101     "); // fixed width 13

    RecordId kept = "unchanged";
    EXPECT_FALSE(companies.addCompany(QString(51, 'x'), "555", "", "", kept)); // longer than the column
    EXPECT_EQ(kept, "unchanged");
    EXPECT_EQ(db.countRows("Company"), 3);
}
