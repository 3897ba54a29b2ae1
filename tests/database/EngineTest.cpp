#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/DerivedKeys.h"
#include "database/TableRecordset.h"
#include "database/TestDatabaseSchema.h"
#include "support/TestFiles.h"

#include <sqlcipher/sqlite3.h>

#include <gtest/gtest.h>

namespace {

class EngineTest : public TempDirTest
{
protected:
    // A keyed database with one table of every column type.
    QString makeSample()
    {
        const QString file = path("sample.mdb");
        Database db;
        db.create(file, kCreationLocale, Database::kEncrypt);
        db.setPassword(QString(), kDatabasePassword);
        TableDef t;
        t.name = "Sample";
        t.columns = {ColumnDef::guid("Id"),   ColumnDef::text("Name", 10), ColumnDef::fixedText("Code", 6),
                     ColumnDef::date("When"), ColumnDef::single("Power"),  ColumnDef::integer("Count"),
                     ColumnDef::byte("Type")};
        db.createTable(t);
        return file;
    }

    static void expectRefused(const std::function<void()>& action, const char* fragment)
    {
        try {
            action();
            ADD_FAILURE() << "expected an exception containing " << fragment;
        } catch (const DatabaseException& e) {
            EXPECT_TRUE(e.description().contains(QLatin1String(fragment))) << e.description().toStdString();
        }
    }

    // What any SQLCipher program does: key the connection with the password.
    static int runWithPassword(const QString& file, const char* sql)
    {
        sqlite3* db = nullptr;
        int rc = sqlite3_open(QFile::encodeName(file).constData(), &db);
        const QByteArray key = kDatabasePassword.toUtf8();
        if (rc == SQLITE_OK)
            rc = sqlite3_key(db, key.constData(), static_cast<int>(key.size()));
        if (rc == SQLITE_OK)
            rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return rc;
    }

    static void makePlainSqlite(const QString& file)
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(file).constData(), &db), SQLITE_OK);
        sqlite3_exec(db, "CREATE TABLE Site (SiteNumber BLOB)", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
};

} // namespace

TEST_F(EngineTest, NewFileOpensOnlyWithItsPasswordAndIsEncrypted)
{
    const QString file = makeSample();
    EXPECT_FALSE(fileBytes(file).contains("Sample")); // encrypted: no schema text in the clear

    Database db;
    db.open(file, true, false, kConnectString);
    EXPECT_EQ(db.tableNames(), QStringList{"Sample"});
    db.close();

    const QByteArray before = fileBytes(file);
    expectRefused(
        [&] {
            Database d;
            d.open(file, true, false, QString());
        },
        "Not a valid password");
    expectRefused(
        [&] {
            Database d;
            d.open(file, true, false, ";PWD=wrong");
        },
        "Not a valid password");
    EXPECT_EQ(fileBytes(file), before);
}

TEST_F(EngineTest, KeysAreDerivedOncePerFileAndEveryFileOpensWithThePasswordAlone)
{
    const QString foreign = path("foreign.mdb");
    ASSERT_EQ(runWithPassword(foreign, "CREATE TABLE Written (A INTEGER)"), SQLITE_OK);
    const QString own = makeSample();
    const QString copy = path("copy.mdb");
    ASSERT_TRUE(QFile::copy(own, copy));

    struct Case
    {
        QString file;
        QString table;
        int keysDerived;
    };
    // A copy shares its original's salt, and so its key.
    const Case cases[] = {
        {foreign, "Written", 1}, {foreign, "Written", 0}, {own, "Sample", 0}, {copy, "Sample", 0}};
    for (const Case& c : cases) {
        const int before = DerivedKeys::derivationCount();
        Database db;
        db.open(c.file, true, false, kConnectString);
        EXPECT_EQ(db.tableNames(), QStringList{c.table}) << c.file.toStdString();
        EXPECT_EQ(DerivedKeys::derivationCount() - before, c.keysDerived) << c.file.toStdString();
    }

    Database db;
    db.open(foreign, true, false, kConnectString);
    db.attachDatabase(copy, "other", kDatabasePassword);
    db.execute("INSERT INTO other.Sample (Name) VALUES ('attached')");
    db.detachDatabase("other");
    db.close();
    db.open(copy, true, true, kConnectString);
    EXPECT_EQ(db.countRows("Sample"), 1);
    db.close();
    for (const QString& file : {own, copy})
        EXPECT_EQ(runWithPassword(file, "SELECT count(*) FROM Sample"), SQLITE_OK) << file.toStdString();
}

TEST_F(EngineTest, FilesThatAreNotTestDatabasesAreRefusedUnchanged)
{
    const QString text = path("notes.txt");
    writeFile(text, "Link A passed.\n");
    const QString empty = path("empty.mdb");
    writeFile(empty, QByteArray());
    const QString plain = path("plain.mdb");
    makePlainSqlite(plain);
    const QString garbage = path("garbage.mdb");
    writeFile(garbage, QByteArray(8192, '\xA5'));

    for (const QString& file : {text, empty, plain, garbage}) {
        const QByteArray before = fileBytes(file);
        try {
            Database db;
            db.open(file, true, false, kConnectString);
            ADD_FAILURE() << file.toStdString() << " opened";
        } catch (const DatabaseException& e) {
            EXPECT_FALSE(e.description().isEmpty());
        }
        EXPECT_EQ(fileBytes(file), before) << file.toStdString();
    }
    expectRefused(
        [&] {
            Database d;
            d.open(path("missing.mdb"), true, false, kConnectString);
        },
        "Could not find");
}

TEST_F(EngineTest, ExclusiveOpenLocksOutASecondOpener)
{
    const QString file = makeSample();
    Database first;
    first.open(file, true, false, kConnectString);
    expectRefused(
        [&] {
            Database second;
            second.open(file, true, false, kConnectString);
        },
        "in use");
    expectRefused(
        [&] {
            Database reader;
            reader.open(file, false, true, kConnectString);
        },
        "in use");
    first.close();
    Database again;
    again.open(file, true, false, kConnectString);
    EXPECT_TRUE(again.isOpen());
}

TEST_F(EngineTest, CreatingOverAnExistingFileFails)
{
    const QString file = makeSample();
    expectRefused(
        [&] {
            Database d;
            d.create(file, kCreationLocale, Database::kEncrypt);
        },
        "already exists");
}

TEST_F(EngineTest, TableAndIndexDefinitions)
{
    const QString file = makeSample();
    Database db;
    db.open(file, true, false, kConnectString);
    const TableDef& t = db.tableDef("Sample");
    ASSERT_EQ(t.columns.size(), 7u);
    EXPECT_EQ(t.columns[1].type, ColumnType::Text);
    EXPECT_EQ(t.columns[1].size, 10);
    EXPECT_FALSE(t.columns[1].fixedWidth);
    EXPECT_TRUE(t.columns[2].fixedWidth);
    EXPECT_EQ(t.columns[6].type, ColumnType::Byte);

    TableDef again;
    again.name = "Sample";
    again.columns = {ColumnDef::integer("X")};
    expectRefused([&] { db.createTable(again); }, "already exists");

    IndexDef primary;
    primary.name = "Id";
    primary.fields = {{"Id", false}};
    primary.primary = true;
    db.createIndex("Sample", primary);
    IndexDef secondPrimary = primary;
    secondPrimary.name = "Other";
    expectRefused([&] { db.createIndex("Sample", secondPrimary); }, "primary key");
    expectRefused([&] { db.createIndex("Sample", primary); }, "already exists");
    IndexDef missing;
    missing.name = "Nope";
    missing.fields = {{"NoSuchField", false}};
    expectRefused([&] { db.createIndex("Sample", missing); }, "NoSuchField");

    const std::vector<IndexDef> indexes = db.indexes("Sample");
    ASSERT_EQ(indexes.size(), 1u);
    EXPECT_TRUE(indexes[0].primary);
    EXPECT_EQ(db.indexNames("Sample"), QStringList{"Id"});
    EXPECT_EQ(db.tableNames(), QStringList{"Sample"}); // the index catalogue stays hidden

    db.deleteTable("Sample");
    EXPECT_TRUE(db.tableNames().isEmpty());
    expectRefused([&] { db.deleteTable("Sample"); }, "not found");
    expectRefused([&] { db.tableDef("Sample"); }, "not found");
}

TEST_F(EngineTest, IndexOverDuplicateValuesCannotBeMade)
{
    const QString file = makeSample();
    Database db;
    db.open(file, true, false, kConnectString);
    TableRecordset rows(db, "Sample");
    rows.open();
    for (int i = 0; i < 2; ++i) {
        rows.addNew();
        rows.setValue("Name", "same");
        rows.update();
    }
    IndexDef unique;
    unique.name = "Name";
    unique.fields = {{"Name", false}};
    unique.unique = true;
    expectRefused([&] { db.createIndex("Sample", unique); }, "Cannot create index");
    EXPECT_TRUE(db.indexNames("Sample").isEmpty());

    IndexDef required;
    required.name = "Code";
    required.fields = {{"Code", false}};
    required.required = true;
    expectRefused([&] { db.createIndex("Sample", required); }, "empty value");
}

TEST_F(EngineTest, ExecuteRunsOneStatement)
{
    const QString file = makeSample();
    Database db;
    db.open(file, true, false, kConnectString);
    db.execute("ALTER TABLE Sample ADD COLUMN Comment VARCHAR(128) NULL;");
    const ColumnDef* comment = db.tableDef("Sample").column("Comment");
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(comment->type, ColumnType::Text);
    EXPECT_EQ(comment->size, 128);
    expectRefused([&] { db.execute("ALTER TABLE Sample ADD COLUMN Comment VARCHAR(128) NULL;"); },
                  "duplicate");
    expectRefused([&] { db.execute("DELETE FROM Sample; DROP TABLE Sample"); }, "after end");
    EXPECT_TRUE(db.hasTable("Sample"));
    expectRefused([&] { db.execute("SELEKT nothing"); }, "syntax");
}

TEST_F(EngineTest, TransactionRollsBackUnlessCommitted)
{
    const QString file = makeSample();
    Database db;
    db.open(file, true, false, kConnectString);
    {
        Transaction transaction(db);
        TableRecordset rows(db, "Sample");
        rows.open();
        rows.addNew();
        rows.setValue("Name", "lost");
        rows.update();
        EXPECT_EQ(db.countRows("Sample"), 1);
    }
    EXPECT_EQ(db.countRows("Sample"), 0);
    {
        Transaction transaction(db);
        TableRecordset rows(db, "Sample");
        rows.open();
        rows.addNew();
        rows.setValue("Name", "kept");
        rows.update();
        transaction.commit();
    }
    EXPECT_EQ(db.countRows("Sample"), 1);
    db.beginTransaction();
    expectRefused([&] { db.beginTransaction(); }, "already");
    db.rollback();
}

TEST_F(EngineTest, ColumnRulesOnWrite)
{
    const QString file = makeSample();
    Database db;
    db.open(file, true, false, kConnectString);
    TableRecordset rows(db, "Sample");
    rows.open();

    auto write = [&](const QString& column, const QVariant& value) {
        rows.addNew();
        rows.setValue(column, value);
        rows.update();
    };
    expectRefused([&] { write("Name", QString("")); }, "zero-length");
    rows.cancelUpdate();
    expectRefused([&] { write("Name", QString("eleven char")); }, "too long");
    rows.cancelUpdate();
    expectRefused([&] { write("Count", 32768); }, "out of range");
    rows.cancelUpdate();
    expectRefused([&] { write("Count", -32769); }, "out of range");
    rows.cancelUpdate();
    expectRefused([&] { write("Type", 256); }, "out of range");
    rows.cancelUpdate();
    expectRefused([&] { write("Type", -1); }, "out of range");
    rows.cancelUpdate();
    expectRefused([&] { write("Id", QString("{guid {not-a-guid}}")); }, "GUID");
    rows.cancelUpdate();
    EXPECT_EQ(db.countRows("Sample"), 0);

    const RecordId id = newRecordId();
    const QDateTime when(QDate(2024, 2, 29), QTime(23, 59, 58));
    rows.addNew();
    rows.setValue("Id", id);
    rows.setValue("Name", " ");
    rows.setValue("Code", "850nm");
    rows.setValue("When", when);
    rows.setValue("Power", 0.1f);
    rows.setValue("Count", -32768);
    rows.setValue("Type", 255);
    rows.update();

    rows.requery();
    ASSERT_FALSE(rows.isEOF());
    EXPECT_EQ(rows.value("Id").toString(), id);
    EXPECT_EQ(rows.value("Name").toString(), " ");
    EXPECT_EQ(rows.value("Code").toString(), "850nm "); // fixed width reads back padded
    EXPECT_EQ(rows.value("When").toDateTime(), when);
    EXPECT_EQ(rows.value("Power").toFloat(), 0.1f); // a single rounds trip exactly
    EXPECT_EQ(rows.value("Count").toInt(), -32768);
    EXPECT_EQ(rows.value("Type").toInt(), 255);
}
