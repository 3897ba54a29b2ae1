#include "app/StringIds.h"
#include "app/StringTable.h"
#include "cli/CliRun.h"
#include "database/CKAVStandardsSet2.h"
#include "database/Database.h"
#include "database/TestDatabaseSchema.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

class CliAddStandardTest : public TempDirTest
{
protected:
    void SetUp() override { qputenv("FIBROLOG_SHARED_STANDARDS", QFile::encodeName(shared())); }
    void TearDown() override { qunsetenv("FIBROLOG_SHARED_STANDARDS"); }

    QString shared() const { return path("shareddata.mdb"); }

    static CliRun add(const QStringList& arguments)
    {
        return runCliCaptured(QStringList("add-standard") + arguments);
    }

    // The id a successful run printed last.
    static QString printedId(const CliRun& run)
    {
        const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
        return lines.isEmpty() ? QString() : lines.last();
    }

    std::int64_t storedRows() const
    {
        Database db;
        db.open(shared(), true, false, kConnectString);
        return db.countRows("Standards");
    }
};

} // namespace

TEST_F(CliAddStandardTest, SavedThenListedThenUsedForABudget)
{
    const CliRun saved =
        add({"Campus SM", "--entry", "2,1310nm,10000,0,0.5,0.75,0.3", "--entry=2,1550nm,10000,0,0.4,0.75,0.3",
             "--entry", "3,1310nm,40000,12.5,0,0,0"});
    ASSERT_EQ(saved.status, ExitOk) << saved.err.toStdString();
    const QString id = printedId(saved);
    EXPECT_EQ(id.size(), 45);
    EXPECT_TRUE(id.startsWith("{guid {")) << id.toStdString();
    EXPECT_EQ(storedRows(), 3);

    const CliRun listed = runCliCaptured({"standards"});
    ASSERT_EQ(listed.status, ExitOk) << listed.err.toStdString();
    EXPECT_EQ(listed.out.split('\n', Qt::SkipEmptyParts).size(), 93);
    EXPECT_TRUE(
        listed.out.contains("0\tCampus SM\t" + id + "\t2\t1310nm\t10000.00\t0.00\t0.50\t0.75\t0.30\n"));
    EXPECT_TRUE(
        listed.out.contains("0\tCampus SM\t" + id + "\t3\t1310nm\t40000.00\t12.50\t0.00\t0.00\t0.00\n"));

    // 2 km, 2 pairs, 1 splice: 1310 nm 1.0 + 1.5 + 0.3; 1550 nm 0.8 + 1.5 + 0.3.
    const CliRun budget = runCliCaptured({"budget", "--standard", "0", "--custom-id", id, "--fiber-type", "2",
                                          "--length-km", "2", "--connectors", "2", "--splices", "1"});
    ASSERT_EQ(budget.status, ExitOk) << budget.err.toStdString();
    QStringList lines = budget.out.split('\n', Qt::SkipEmptyParts);
    lines.sort();
    EXPECT_EQ(lines, (QStringList{"1310nm\t2.80", "1550nm\t2.60"}));
    // The fixed budget of the outdoor entry holds whatever the length.
    const CliRun fixed = runCliCaptured({"budget", "--standard", "0", "--custom-id", id, "--fiber-type", "3",
                                         "--length-km", "30", "--connectors", "4", "--splices", "8"});
    EXPECT_EQ(fixed.out, "1310nm\t12.50\n");

    // The same name again is a standard of its own.
    const CliRun again = add({"Campus SM", "--entry", "2,1310nm,0,0,0.5,0,0"});
    ASSERT_EQ(again.status, ExitOk) << again.err.toStdString();
    EXPECT_NE(printedId(again), id);
    EXPECT_EQ(storedRows(), 4);
}

TEST_F(CliAddStandardTest, RefusedStandardsExitOneAndWriteNothing)
{
    const struct
    {
        QStringList arguments;
        QString message;
    } cases[] = {
        {{"", "--entry", "0,850nm,2000,0,3.5,0.75,0.3"},
         Strings::loadString(StringId::CustomStandardNameEmpty)},
        {{QString(51, 'x'), "--entry", "0,850nm,2000,0,3.5,0.75,0.3"},
         Strings::formatMessage(Strings::loadString(StringId::CustomStandardNameTooLong), {"50"})},
        {{"Plant", "--entry", "0,850,2000,0,3.5,0.75,0.3"},
         Strings::formatMessage(Strings::loadString(StringId::CustomStandardBadWavelength),
                                {"850", "62.5uM Multimode"})},
        {{"Plant", "--entry", "0,850nm,2000,0,-3.5,0.75,0.3"},
         Strings::formatMessage(Strings::loadString(StringId::CustomStandardBadValue),
                                {"62.5uM Multimode", "850nm"})},
        {{"Plant", "--entry", "0,850nm,2000,0,3.5,0.75,0.3", "--entry", "0,850nm,1000,0,3.0,0.75,0.3"},
         Strings::formatMessage(Strings::loadString(StringId::CustomStandardWavelengthTwice),
                                {"62.5uM Multimode", "850nm"})},
        {{"Plant", "--entry", "5,850nm,2000,0,3.5,0.75,0.3"},
         Strings::formatMessage(Strings::loadString(StringId::CustomStandardBadFiberType), {"5"})},
    };
    for (const auto& c : cases) {
        const CliRun r = add(c.arguments);
        const std::string what = c.arguments.join(' ').toStdString();
        EXPECT_EQ(r.status, ExitError) << what;
        EXPECT_EQ(r.err, "fibrolog-cli: " + c.message + "\n") << what;
        EXPECT_TRUE(r.out.isEmpty()) << what;
        EXPECT_FALSE(QFile::exists(shared())) << what;
    }

    // A shared file that is no database: the engine's words, and the file as it was.
    writeFile(shared(), "not a database");
    const CliRun broken = add({"Plant", "--entry", "0,850nm,2000,0,3.5,0.75,0.3"});
    EXPECT_EQ(broken.status, ExitError);
    EXPECT_TRUE(broken.err.startsWith("fibrolog-cli: An error occurred:\n")) << broken.err.toStdString();
    EXPECT_EQ(fileBytes(shared()), "not a database");
}

TEST_F(CliAddStandardTest, MalformedCallsAreUsageErrors)
{
    const QList<QStringList> bad = {
        {},
        {"Plant"},
        {"Plant", "Other", "--entry", "0,850nm,2000,0,3.5,0.75,0.3"},
        {"Plant", "--entry"},
        {"Plant", "--entry", "0,850nm,2000,0,3.5,0.75"},
        {"Plant", "--entry", "0,850nm,2000,0,3.5,0.75,0.3,1"},
        {"Plant", "--entry", "0,850nm,2000,0,3.5,0.75,"},
        {"Plant", "--entry", "0,850nm,2000,0,3.5,0.75,three"},
        {"Plant", "--entry", "0,850nm,2000,0,3,5,0.75,0.3"},
        {"Plant", "--entry", "one,850nm,2000,0,3.5,0.75,0.3"},
        {"Plant", "--entry", "-1,850nm,2000,0,3.5,0.75,0.3"},
        {"Plant", "--entry", "0,850nm,2000,0,3.5,0.75,0.3", "--standard", "3"},
    };
    for (const QStringList& args : bad) {
        const CliRun r = add(args);
        EXPECT_EQ(r.status, ExitUsage) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("Usage: fibrolog-cli")) << args.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(shared()));
    const CliRun help = runCliCaptured({"--help"});
    EXPECT_TRUE(help.out.contains("add-standard NAME --entry"));
}
