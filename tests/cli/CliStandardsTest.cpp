#include "cli/CliRun.h"
#include "database/CKAVStandardsSet2.h"
#include "database/Database.h"
#include "database/TestDatabaseSchema.h"
#include "support/TestDatabaseBuilder.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

CliRun run(const QStringList& arguments)
{
    return runCliCaptured(arguments);
}

} // namespace

TEST(CliStandards, ListsTheNinetyEntriesTabSeparated)
{
    const CliRun r = run({"standards"});
    ASSERT_EQ(r.status, ExitOk) << r.err.toStdString();
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 90);
    for (const QString& line : lines)
        EXPECT_EQ(line.count('\t'), 9) << line.toStdString();
    EXPECT_TRUE(lines.contains("2\tEIA/TIA 568-A / CAN-T529\t\t0\t850nm\t2000.00\t0.00\t3.75\t0.75\t0.30"));
    EXPECT_TRUE(lines.contains("9\tATM 622\t\t2\t1300nm\t15000.00\t7.00\t0.00\t0.00\t0.00"));
}

TEST(CliStandards, MachineReadableNumbersIgnoreTheLocale)
{
    const CliRun r = run({"--locale", "de_DE", "standards"});
    ASSERT_EQ(r.status, ExitOk);
    EXPECT_TRUE(r.out.contains("\t2000.00\t"));
    EXPECT_FALSE(r.out.contains("2000,00"));
}

TEST(CliBudget, PrintsTheAllowedLossPerWavelength)
{
    const CliRun r = run({"budget", "--standard", "2", "--fiber-type", "0", "--length-km", "2",
                          "--connectors", "2", "--splices", "1"});
    ASSERT_EQ(r.status, ExitOk) << r.err.toStdString();
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines.contains("850nm\t9.30"));
    EXPECT_TRUE(lines.contains("1300nm\t4.80"));
}

TEST(CliBudget, FixedBudgetAndInlineOptionValues)
{
    const CliRun r = run({"budget", "--standard=20", "--fiber-type=3", "--length-km=12.5", "--connectors=4",
                          "--splices=10", "--locale=de_DE"});
    ASSERT_EQ(r.status, ExitOk) << r.err.toStdString();
    EXPECT_EQ(r.out.split('\n', Qt::SkipEmptyParts).size(), 3);
    EXPECT_TRUE(r.out.contains("1490nm\t20.00"));
}

TEST(CliBudget, NoEntriesIsAnError)
{
    const CliRun r = run({"budget", "--standard", "20", "--fiber-type", "0", "--length-km", "1",
                          "--connectors", "0", "--splices", "0"});
    EXPECT_EQ(r.status, ExitError);
    EXPECT_TRUE(r.out.isEmpty());
    // What the standard covers instead, so that the next call can be right.
    EXPECT_TRUE(
        r.err.contains("20 FTTH Class A covers no fiber type 0; it covers 2 (INDOOR SM), 3 (OUTDOOR SM)."))
        << r.err.toStdString();
}

TEST(CliUsage, BadCallsExitTwoWithUsage)
{
    const QList<QStringList> bad = {
        {},
        {"frobnicate"},
        {"standards", "extra"},
        {"standards", "--bogus"},
        {"budget"},
        {"budget", "--standard"},
        {"budget", "--standard", "2", "--fiber-type", "0", "--length-km", "two", "--connectors", "2",
         "--splices", "1"},
        {"budget", "--standard", "2", "--fiber-type", "7", "--length-km", "2", "--connectors", "2",
         "--splices", "1"},
        {"budget", "--standard", "2", "--fiber-type", "0", "--length-km", "nan", "--connectors", "2",
         "--splices", "1"},
        {"budget", "--standard", "2", "--fiber-type", "0", "--length-km", "501", "--connectors", "2",
         "--splices", "1"},
        {"budget", "--standard", "2", "--fiber-type", "0", "--length-km", "2", "--connectors", "-1",
         "--splices", "1"},
        {"budget", "--standard", "2", "--standard", "3"},
        {"budget", "--standard", "2", "--custom-id", "nonsense", "--fiber-type", "0", "--length-km", "2",
         "--connectors", "2", "--splices", "1"},
        {"--locale"},
        {"--locale", "xx_nowhere", "standards"},
    };
    for (const QStringList& args : bad) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, ExitUsage) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("Usage: fibrolog-cli")) << args.join(' ').toStdString();
    }
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, ExitOk);
    EXPECT_TRUE(help.out.contains("budget"));
}

namespace {

class CliCustomStandardsTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        qputenv("FIBROLOG_SHARED_STANDARDS", QFile::encodeName(path("shareddata.mdb")));
        ASSERT_TRUE(createSharedStandardsFile(path("shareddata.mdb")));
        Database shared;
        shared.open(path("shareddata.mdb"), true, false, kConnectString);
        addEntry(shared, sharedId_, "Campus Ring", "1310nm", 0.4f);

        TestDatabaseBuilder project(path("project.mdb"));
        project.addStandard(0, "Plant Backbone", projectId_, 1, "850nm", 0.0f, 3.0f, 0.5f, 0.2f);
        project.addStandard(0, "Plant Backbone", projectId_, 1, "1300nm", 0.0f, 1.0f, 0.5f, 0.2f);
    }
    void TearDown() override { qunsetenv("FIBROLOG_SHARED_STANDARDS"); }

    static void addEntry(Database& db, const RecordId& id, const QString& name, const QString& wavelength,
                         float attenuation)
    {
        CKAVStandardsSet2 set(db);
        set.open();
        set.addNew();
        StandardEntry e;
        e.standardName = name;
        e.customStandardId = id;
        e.fiberType = 2;
        e.wavelength = wavelength;
        e.attenuation = attenuation;
        e.connectorLoss = 0.5f;
        set.setEntry(e);
        set.update();
    }

    RecordId sharedId_ = newRecordId();
    RecordId projectId_ = newRecordId();
};

} // namespace

TEST_F(CliCustomStandardsTest, TheSharedFileAndWithDbTheTestDatabaseJoinTheCatalogue)
{
    const CliRun shared = runCliCaptured({"standards"});
    ASSERT_EQ(shared.status, ExitOk) << shared.err.toStdString();
    EXPECT_EQ(shared.out.split('\n', Qt::SkipEmptyParts).size(), 91);
    EXPECT_TRUE(shared.out.contains("0\tCampus Ring\t" + sharedId_ + "\t2\t1310nm\t"));

    const CliRun both = runCliCaptured({"standards", "--db", path("project.mdb")});
    ASSERT_EQ(both.status, ExitOk) << both.err.toStdString();
    EXPECT_EQ(both.out.split('\n', Qt::SkipEmptyParts).size(), 93);
    EXPECT_TRUE(both.out.contains("0\tPlant Backbone\t" + projectId_ + "\t1\t1300nm\t"));

    // 2 km, 2 connector pairs, 1 splice of 50 um against the project's own standard:
    // 850 nm: 3.0 x 2 + 2 x 0.5 + 0.2 = 7.20; 1300 nm: 1.0 x 2 + 1.0 + 0.2 = 3.20.
    const QStringList budget = {"budget", "--standard",  "0", "--custom-id",  projectId_, "--fiber-type",
                                "1",      "--length-km", "2", "--connectors", "2",        "--splices",
                                "1"};
    const CliRun withDb = runCliCaptured(QStringList(budget) << "--db" << path("project.mdb"));
    ASSERT_EQ(withDb.status, ExitOk) << withDb.err.toStdString();
    QStringList lines = withDb.out.split('\n', Qt::SkipEmptyParts);
    lines.sort();
    EXPECT_EQ(lines, (QStringList{"1300nm\t3.20", "850nm\t7.20"}));
    EXPECT_EQ(runCliCaptured(budget).status, ExitError) << "without --db the project's standard is unknown";

    const CliRun sharedBudget =
        runCliCaptured({"budget", "--standard", "0", "--custom-id", sharedId_, "--fiber-type", "2",
                        "--length-km", "10", "--connectors", "2", "--splices", "0"});
    ASSERT_EQ(sharedBudget.status, ExitOk) << sharedBudget.err.toStdString();
    EXPECT_EQ(sharedBudget.out, "1310nm\t5.00\n");
}

TEST_F(CliCustomStandardsTest, AnUnreadableSharedFileIsSaidAndTheRestStillWorks)
{
    writeFile(path("shareddata.mdb"), "not a database");
    const CliRun r = runCliCaptured({"standards", "--db", path("project.mdb")});
    EXPECT_EQ(r.status, ExitOk);
    EXPECT_EQ(r.out.split('\n', Qt::SkipEmptyParts).size(), 92);
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.startsWith("fibrolog-cli: The shared standards file ")) << r.err.toStdString();

    const CliRun notADatabase = runCliCaptured({"standards", "--db", path("shareddata.mdb")});
    EXPECT_EQ(notADatabase.status, ExitError);
    EXPECT_TRUE(notADatabase.out.isEmpty());
}
