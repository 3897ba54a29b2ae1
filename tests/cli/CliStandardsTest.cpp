#include "app/StringIds.h"
#include "app/StringTable.h"
#include "cli/CliRun.h"
#include "database/CKAVStandardsSet2.h"
#include "database/Database.h"
#include "database/TestDatabaseSchema.h"
#include "support/TestDatabaseBuilder.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

struct Outcome
{
    int status = -1;
    QString out;
    QString err;
};

// Runs the real program with this shared standards file as a user who is
// not its owner would: as nobody where the test runs as root, else as the
// test's own user.
Outcome runAsAnotherUser(const QString& sharedFile, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("FIBROLOG_SHARED_STANDARDS", sharedFile);
    environment.insert("HOME", "/nonexistent");
    process.setProcessEnvironment(environment);
    if (::geteuid() == 0) {
        const passwd* nobody = ::getpwnam("nobody");
        process.start("setpriv", QStringList{"--reuid=" + QString::number(nobody->pw_uid),
                                             "--regid=" + QString::number(nobody->pw_gid), "--clear-groups",
                                             FIBROLOG_CLI_PATH} +
                                     arguments);
    } else {
        process.start(FIBROLOG_CLI_PATH, arguments);
    }
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

void setMode(const QString& file, mode_t mode)
{
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), mode), 0) << file.toStdString();
}

} // namespace

TEST_F(CliCustomStandardsTest, ASharedFileTheUserMayOnlyReadServesItsStandards)
{
    const bool root = ::geteuid() == 0;
    setMode(path(""), 0755);
    const QString folder = path("shared");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = folder + "/shareddata.mdb";
    ASSERT_TRUE(QFile::copy(path("shareddata.mdb"), file));
    const QByteArray before = fileBytes(file);
    const QString readOnlyFile = Strings::formatMessage(
        Strings::loadString(StringId::CustomStandardFileReadOnly), {QDir::toNativeSeparators(file)});
    const QString readOnlyFolder = Strings::formatMessage(
        Strings::loadString(StringId::CustomStandardFileReadOnly), {QDir::toNativeSeparators(folder)});

    const struct
    {
        const char* what;
        mode_t folderMode;
        mode_t fileMode;
        bool owned; // by the user who runs the program
        QString saveRefusal;
    } cases[] = {
        {"a 0444 file of the user's own", 0777, 0444, true, readOnlyFile},
        {"another user's file the user may read, in a folder the user may not write", 0755, 0644, false,
         readOnlyFile},
        {"a file everyone may write, in a folder the user may not write", 0755, 0666, false, readOnlyFolder},
    };
    for (const auto& c : cases) {
        if (!c.owned && !root)
            continue; // needs another user
        if (root) {
            const uid_t owner = c.owned ? ::getpwnam("nobody")->pw_uid : 0;
            ASSERT_EQ(::chown(QFile::encodeName(file).constData(), owner, 0), 0);
        }
        setMode(folder, c.folderMode);
        setMode(file, c.fileMode);

        const Outcome listed = runAsAnotherUser(file, {"standards"});
        EXPECT_EQ(listed.status, ExitOk) << c.what;
        EXPECT_EQ(listed.err, "") << c.what;
        EXPECT_TRUE(listed.out.contains("0\tCampus Ring\t" + sharedId_ + "\t2\t1310nm\t")) << c.what;
        // 10 km and 2 connector pairs: 10 x 0.4 + 2 x 0.5.
        const Outcome budget =
            runAsAnotherUser(file, {"budget", "--standard", "0", "--custom-id", sharedId_, "--fiber-type",
                                    "2", "--length-km", "10", "--connectors", "2", "--splices", "0"});
        EXPECT_EQ(budget.out, "1310nm\t5.00\n") << c.what << ": " << budget.err.toStdString();

        // Saving needs leave to change the file and its folder, and says so.
        const Outcome saved =
            runAsAnotherUser(file, {"add-standard", "Mine", "--entry", "2,1310nm,0,0,0.4,0.5,0"});
        EXPECT_EQ(saved.status, ExitError) << c.what;
        EXPECT_EQ(saved.err, "fibrolog-cli: " + c.saveRefusal + "\n") << c.what;
        EXPECT_EQ(fileBytes(file), before) << c.what;
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{"shareddata.mdb"})
            << c.what;
    }

    // A file the user may not read at all: said in the user's words, and the
    // rest of the catalogue still serves.
    setMode(file, root ? 0600 : 0);
    if (root) {
        ASSERT_EQ(::chown(QFile::encodeName(file).constData(), 0, 0), 0);
    }
    const Outcome unreadable = runAsAnotherUser(file, {"standards"});
    EXPECT_EQ(unreadable.status, ExitOk);
    EXPECT_EQ(unreadable.out.count('\n'), 90);
    EXPECT_EQ(unreadable.err,
              "fibrolog-cli: " +
                  Strings::formatMessage(Strings::loadString(StringId::SharedStandardsNotRead),
                                         {QDir::toNativeSeparators(file),
                                          Strings::loadString(StringId::SharedStandardsNoPermission)}) +
                  "\n");
    setMode(folder, 0755);
    setMode(file, 0600);
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
