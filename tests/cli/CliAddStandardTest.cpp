#include "app/StringIds.h"
#include "app/StringTable.h"
#include "cli/CliRun.h"
#include "database/CKAVStandardsSet2.h"
#include "database/Database.h"
#include "database/TestDatabaseSchema.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <array>

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

    static QString allowsNoLoss(const QString& fiberType, const QString& wavelength)
    {
        return Strings::formatMessage(Strings::loadString(StringId::CustomStandardAllowsNoLoss),
                                      {fiberType, wavelength});
    }
    static QString tooLarge(const QString& fiberType, const QString& wavelength, int quantity,
                            const QString& given, const QString& bound)
    {
        return Strings::formatMessage(Strings::loadString(StringId::CustomStandardValueTooLarge),
                                      {fiberType, wavelength, Strings::loadString(quantity), given, bound});
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

    // The same name again, in other letters, would be a second "Campus SM" in every list.
    const CliRun again = add({" campus sm", "--entry", "2,1310nm,0,0,0.5,0,0"});
    EXPECT_EQ(again.status, ExitError);
    EXPECT_EQ(again.err, "fibrolog-cli: " +
                             Strings::formatMessage(Strings::loadString(StringId::CustomStandardNameTaken),
                                                    {"Campus SM"}) +
                             "\n");
    EXPECT_EQ(storedRows(), 3);
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
        // Entries under which every fiber fails, and values no real link has.
        {{"Plant", "--entry", "0,850nm,0,0,0,0,0"}, allowsNoLoss("62.5uM Multimode", "850nm")},
        {{"Plant", "--entry", "2,1310nm,2000,0,0,0,0.3"}, allowsNoLoss("Indoor Singlemode", "1310nm")},
        {{"Plant", "--entry", "0,850nm,0,3e38,0,0,0"},
         tooLarge("62.5uM Multimode", "850nm", StringId::CustomStandardQuantityMaxLoss, "3e+38 dB", "70 dB")},
        {{"Plant", "--entry", "3,1550nm,500001,0,0.4,0.75,0.3"},
         tooLarge("Outdoor Singlemode", "1550nm", StringId::CustomStandardQuantityMaxLength, "500.001 km",
                  "500 km")},
        {{"Plant", "--entry", "0,850nm,2000,0,10.5,0.75,0.3"},
         tooLarge("62.5uM Multimode", "850nm", StringId::CustomStandardQuantityAttenuation, "10.5 dB/km",
                  "10 dB/km")},
        {{"Plant", "--entry", "0,850nm,2000,0,3.5,3.01,0.3"},
         tooLarge("62.5uM Multimode", "850nm", StringId::CustomStandardQuantityConnectorLoss, "3.01 dB",
                  "3 dB")},
        {{"Plant", "--entry", "0,850nm,2000,0,3.5,0.75,4"},
         tooLarge("62.5uM Multimode", "850nm", StringId::CustomStandardQuantitySpliceLoss, "4 dB", "3 dB")},
        {{"Plant", "--entry", "0,850nm,2000,0,3.5,0.75,inf"},
         Strings::formatMessage(Strings::loadString(StringId::CustomStandardBadValue),
                                {"62.5uM Multimode", "850nm"})},
        // A built-in standard's name, in any letters.
        {{"iso 11801", "--entry", "0,850nm,2000,0,3.5,0.75,0.3"},
         Strings::formatMessage(Strings::loadString(StringId::CustomStandardNameTaken), {"ISO 11801"})},
    };
    for (const auto& c : cases) {
        const CliRun r = add(c.arguments);
        const std::string what = c.arguments.join(' ').toStdString();
        EXPECT_EQ(r.status, ExitError) << what;
        EXPECT_EQ(r.err, "fibrolog-cli: " + c.message + "\n") << what;
        EXPECT_TRUE(r.out.isEmpty()) << what;
        EXPECT_FALSE(QFile::exists(shared())) << what;
    }

    // The bounds themselves, and an entry that allows loss through its connectors only.
    const CliRun atTheBounds =
        add({"Bounds", "--entry", "0,850nm,500000,70,10,3,3", "--entry", "1,850nm,0,0,0,0.75,0"});
    EXPECT_EQ(atTheBounds.status, ExitOk) << atTheBounds.err.toStdString();
    QFile::remove(shared());

    // A shared file that is no database: the engine's words, and the file as it was.
    writeFile(shared(), "not a database");
    const CliRun broken = add({"Plant", "--entry", "0,850nm,2000,0,3.5,0.75,0.3"});
    EXPECT_EQ(broken.status, ExitError);
    EXPECT_TRUE(broken.err.startsWith("fibrolog-cli: An error occurred:\n")) << broken.err.toStdString();
    EXPECT_EQ(fileBytes(shared()), "not a database");
}

TEST_F(CliAddStandardTest, ProgramsSavingAtOnceTakeTurns)
{
    // Three real programs at once, into a file that is not there yet and
    // then into one that is: each waits for the others, as imports do.
    int saved = 0;
    for (int round = 0; round < 4; ++round) {
        if (round % 2 == 0)
            QFile::remove(shared());
        std::array<QProcess, 3> programs;
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const QString name = QStringLiteral("Round %1 program %2").arg(round).arg(k);
            programs[k].start(FIBROLOG_CLI_PATH,
                              {"add-standard", name, "--entry", "2,1310nm,0,0,0.5,0.75,0"});
        }
        for (QProcess& program : programs) {
            ASSERT_TRUE(program.waitForFinished(60000));
            EXPECT_EQ(program.exitCode(), ExitOk)
                << round << ": " << program.readAllStandardError().toStdString();
        }
        saved = round % 2 == 0 ? 3 : saved + 3;
        EXPECT_EQ(storedRows(), saved) << round;
    }

    // The same name from two programs at once: one lands, the other is told.
    std::array<QProcess, 2> twins;
    for (QProcess& program : twins)
        program.start(FIBROLOG_CLI_PATH, {"add-standard", "Twin", "--entry", "2,1310nm,0,0,0.5,0.75,0"});
    int landed = 0;
    QString refusal;
    for (QProcess& program : twins) {
        ASSERT_TRUE(program.waitForFinished(60000));
        const bool ok = program.exitCode() == ExitOk;
        landed += ok ? 1 : 0;
        if (!ok) // the other one says on standard error what it saved
            refusal += QString::fromLocal8Bit(program.readAllStandardError());
    }
    EXPECT_EQ(landed, 1);
    EXPECT_EQ(refusal,
              "fibrolog-cli: " +
                  Strings::formatMessage(Strings::loadString(StringId::CustomStandardNameTaken), {"Twin"}) +
                  "\n");
    EXPECT_EQ(storedRows(), saved + 1);
    EXPECT_TRUE(QDir(path("")).entryList({".fibrolog-*"}, QDir::Hidden | QDir::Files).isEmpty());
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
