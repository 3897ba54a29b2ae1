// A Corvina meter on the line: the simulator answers as one, and
// "download --into" stores its readings with the link options.
#include "MeterSimProcess.h"
#include "support/TempFolderGuard.h"

#include "cli/CliRun.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

const QStringList kLinkOptions = {
    "--standard", "2", "--fiber-type", "0",       "--length-km", "0.5",          "--connectors", "2",
    "--splices",  "1", "--link-name",  "RISER A", "--company",   "North Cabling"};

} // namespace

TEST(CliCorvinaRoad, ACorvinaMetersReadingsAreStoredWithTheLinkOptions)
{
    TempFolderGuard temp;
    MeterSimProcess sim({"--fast", "--corvina"});
    ASSERT_FALSE(sim.path().isEmpty());
    QTemporaryDir dir;
    const QString database = dir.filePath("corvina.mdb");
    const QString raw = dir.filePath("raw.kavw");

    qputenv("FIBROLOG_SERIAL_PORTS", MeterSimProcess::portList({{5, &sim}}).toLocal8Bit());
    const CliRun download = runCliCaptured(QStringList{"download", raw, "--into", database} + kLinkOptions);
    ASSERT_EQ(download.status, ExitOk) << download.err.toStdString();
    EXPECT_TRUE(download.out.isEmpty()) << download.out.toStdString(); // standard output is for data
    EXPECT_EQ(download.err.trimmed(), "stored 1 link and 3 circuits in " + database);
    QFile copy(raw);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_TRUE(copy.readAll().startsWith("'CX30118','1.02','05/17/07'\r\n"));
    EXPECT_TRUE(temp.files().isEmpty()); // no working copy or data file left behind
    EXPECT_EQ(runCliCaptured({"info", database}).out,
              "schema 2.1\nCompany 1\nSite 1\nFiber 3\nStandards 0\n");

    // Without link options the readings cannot be stored; they are kept.
    const CliRun bare = runCliCaptured({"download", "--into", dir.filePath("bare.mdb")});
    qunsetenv("FIBROLOG_SERIAL_PORTS");
    EXPECT_EQ(bare.status, ExitError);
    EXPECT_TRUE(bare.err.contains("A Corvina download needs the link data")) << bare.err.toStdString();
    EXPECT_TRUE(bare.err.contains("The downloaded data are kept in")) << bare.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("bare.mdb")));
}

TEST(CliCorvinaRoad, LinkOptionsAreCheckedBeforeTheMeterIsAsked)
{
    QTemporaryDir dir;
    QStringList options = kLinkOptions;
    options[options.indexOf("--splices") + 1] = "-1";
    // No port is configured: a usage error must come before any search.
    qputenv("FIBROLOG_SERIAL_PORTS", ",");
    const CliRun run = runCliCaptured(QStringList{"download", "--into", dir.filePath("x.mdb")} + options);
    const CliRun plain = runCliCaptured({"download", dir.filePath("raw.kavw"), "--company", "X"});
    qunsetenv("FIBROLOG_SERIAL_PORTS");
    EXPECT_EQ(run.status, ExitUsage);
    EXPECT_TRUE(run.err.contains("option --splices needs a whole number")) << run.err.toStdString();
    EXPECT_EQ(plain.status, ExitUsage);
}
