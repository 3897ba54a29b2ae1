#include "database/CKAVStandardsSet2.h"
#include "database/CustomStandardsLoader.h"
#include "database/Database.h"
#include "database/TestDatabaseSchema.h"
#include "standards/StandardsCatalog.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

class CustomStandardsTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        previous_ = qgetenv("FIBROLOG_SHARED_STANDARDS");
        qputenv("FIBROLOG_SHARED_STANDARDS", QFile::encodeName(path("shareddata.mdb")));
    }
    void TearDown() override { qputenv("FIBROLOG_SHARED_STANDARDS", previous_); }

    static void addRow(Database& db, const RecordId& id, std::uint8_t fiberType, const QString& wl,
                       float maxLoss)
    {
        CKAVStandardsSet2 set(db);
        set.open();
        set.addNew();
        StandardEntry e;
        e.standardName = "Plant backbone";
        e.customStandardId = id;
        e.fiberType = fiberType;
        e.wavelength = wl;
        e.maxLoss = maxLoss;
        set.setEntry(e);
        set.update();
    }

    QByteArray previous_;
};

} // namespace

TEST_F(CustomStandardsTest, TestDatabaseRowsJoinTheBuiltInTable)
{
    ASSERT_TRUE(createTestDatabase(path("test.mdb"), kCurrentSchemaVersion));
    Database db;
    db.open(path("test.mdb"), true, false, kConnectString);
    const RecordId id = newRecordId();
    addRow(db, id, 1, "850nm", 4.0f);
    addRow(db, id, 1, " 1300nm", 2.5f);

    StandardsCatalog catalog;
    StandardEntry stale;
    stale.customStandardId = newRecordId();
    stale.wavelength = "850nm";
    catalog.add(stale);

    CKAVStandardsSet2 standards(db);
    standards.open();
    standards.setFilter("[FiberType]=7");
    CustomStandards::reload(catalog, standards);
    EXPECT_EQ(catalog.builtInCount(), 90);
    EXPECT_EQ(catalog.customCount(), 2); // the stale entry is gone, the filter was cleared
    ASSERT_TRUE(catalog.lookup(0, id, 1, "1300nm"));
    EXPECT_FLOAT_EQ(catalog.lookup(0, id, 1, "850nm")->maxLoss, 4.0f);
}

TEST_F(CustomStandardsTest, SharedFileEntriesReplaceTheTestDatabases)
{
    const RecordId id = newRecordId();
    ASSERT_TRUE(createTestDatabase(path("test.mdb"), kCurrentSchemaVersion));
    ASSERT_TRUE(createSharedStandardsFile(path("shareddata.mdb")));
    Database db;
    db.open(path("test.mdb"), true, false, kConnectString);
    addRow(db, id, 2, "1310nm", 4.0f);
    {
        Database shared;
        shared.open(path("shareddata.mdb"), true, false, kConnectString);
        addRow(shared, id, 2, "1310nm", 6.5f);
        addRow(shared, newRecordId(), 3, "1550nm", 9.0f);
    }
    StandardsCatalog catalog;
    CKAVStandardsSet2 standards(db);
    standards.open();
    CustomStandards::reload(catalog, standards);
    EXPECT_EQ(catalog.customCount(), 2);
    EXPECT_FLOAT_EQ(catalog.lookup(0, id, 2, "1310nm")->maxLoss, 6.5f);
}

TEST_F(CustomStandardsTest, UnusableSharedFilesAddNothingAndSayWhy)
{
    StandardsCatalog catalog;
    EXPECT_TRUE(CustomStandards::loadSharedStandards(catalog).isEmpty()) << "no file is no problem";
    EXPECT_EQ(catalog.count(), 90);

    writeFile(path("shareddata.mdb"), "this is not a database");
    const QString problem = CustomStandards::loadSharedStandards(catalog);
    EXPECT_TRUE(
        problem.startsWith("The shared standards file " + path("shareddata.mdb") + " could not be read: "))
        << problem.toStdString();
    EXPECT_GT(problem.size(), 70) << "the engine's reason follows";
    EXPECT_EQ(catalog.count(), 90);
    EXPECT_EQ(fileBytes(path("shareddata.mdb")), QByteArray("this is not a database"));

    QFile::remove(path("shareddata.mdb"));
    ASSERT_TRUE(createTestDatabase(path("shareddata.mdb"), kSchemaVersion1)); // no Standards table
    EXPECT_FALSE(CustomStandards::loadSharedStandards(catalog).isEmpty());
    EXPECT_EQ(catalog.count(), 90);
}

TEST_F(CustomStandardsTest, SharedFileIsTheNamedOneElseThePerUserOneNeverTheWorkingFolders)
{
    qunsetenv("FIBROLOG_SHARED_STANDARDS");
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(path("data")));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(path(""));
    writeFile(path("shareddata.mdb"), "here");
    EXPECT_EQ(CustomStandards::sharedStandardsPath(), path("data/fibrolog/shareddata.mdb"));
    qputenv("FIBROLOG_SHARED_STANDARDS", "/somewhere/else.mdb");
    EXPECT_EQ(CustomStandards::sharedStandardsPath(), "/somewhere/else.mdb");
    QDir::setCurrent(previous);
    qputenv("XDG_DATA_HOME", dataHome);
}
