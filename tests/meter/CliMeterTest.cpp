// fibrolog-cli find-meter and download against simulated meters, with the
// program's real timing (a meter's answer ends after about 2 s of silence).
#include "MeterSimProcess.h"
#include "support/TempFolderGuard.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "cli/CliRun.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kData = QStringLiteral(FIBROLOG_TEST_DATA_DIR);

CliRun run(const QString& ports, const QStringList& arguments)
{
    qputenv("FIBROLOG_SERIAL_PORTS", ports.toLocal8Bit());
    const CliRun result = runCliCaptured(arguments);
    qunsetenv("FIBROLOG_SERIAL_PORTS");
    return result;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(CliMeter, FindMeterPrintsTheHigherPortAndItsFamily)
{
    MeterSimProcess com3({"--fast", "--id", "MKAV"});
    MeterSimProcess com7({"--fast", "--id", "LN33807"});
    const CliRun r = run(MeterSimProcess::portList({{3, &com3}, {7, &com7}}), {"find-meter"});
    EXPECT_EQ(r.status, ExitOk) << r.err.toStdString();
    EXPECT_EQ(r.out, "COM7\tLintel\n");
}

TEST(CliMeter, NoMeterExplainsAndFails)
{
    const CliRun find = run(",,", {"find-meter"});
    EXPECT_EQ(find.status, ExitError);
    EXPECT_TRUE(find.out.isEmpty());
    EXPECT_TRUE(find.err.contains(Strings::loadString(StringId::UnableToFindDevice)));

    QTemporaryDir dir;
    const CliRun download = run(QString(), {"download", dir.filePath("out.kav")});
    EXPECT_EQ(download.status, ExitError);
    EXPECT_TRUE(download.err.contains(Strings::loadString(StringId::CouldNotGetData)))
        << download.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("out.kav")));
}

TEST(CliMeter, DownloadSurvivesMoreThanTenPausesByteForByte)
{
    TempFolderGuard temp;
    const QString sample = kData + "/pendra-v2_10.kav";
    // Twelve pauses of 300 ms, each longer than one read's time-out.
    MeterSimProcess sim(
        {"--fast", "--id", "PX20731", "--file", sample, "--pause-every", "128", "--pause-ms", "300"});
    QTemporaryDir dir;
    const QString target = dir.filePath("out.kav");
    const CliRun r = run(sim.path(), {"download", target, "--port", "1"});
    ASSERT_EQ(r.status, ExitOk) << r.err.toStdString();
    EXPECT_EQ(readFile(target), readFile(sample));
    EXPECT_TRUE(temp.files().isEmpty()) << "the data file was moved, nothing left behind";
}

TEST(CliMeter, AHangUpGivesExitOneAndNoFile)
{
    TempFolderGuard temp;
    MeterSimProcess sim(
        {"--fast", "--id", "PN1", "--file", kData + "/pendra-v2_10.kav", "--hang-up-after", "500"});
    QTemporaryDir dir;
    const QString target = dir.filePath("out.kav");
    const CliRun r = run(sim.path(), {"download", target});
    EXPECT_EQ(r.status, ExitError);
    EXPECT_TRUE(r.err.startsWith(Strings::loadString(StringId::CouldNotGetData) + "\n"))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_TRUE(temp.files().isEmpty());
}

TEST(CliMeter, BadPortIsAUsageError)
{
    const CliRun r = run(QString(), {"download", "out.kav", "--port", "21"});
    EXPECT_EQ(r.status, ExitUsage);
}

TEST(CliMeter, ADownloadCutShortIsRefusedAndItsDataKept)
{
    TempFolderGuard temp;
    // The meter pauses for three seconds after 200 bytes: the transfer ends
    // after two seconds of silence, in the middle of a record.
    MeterSimProcess sim({"--fast", "--id", "PX20731", "--file", kData + "/pendra-v2_10.kav", "--pause-every",
                         "200", "--pause-ms", "3000"});
    QTemporaryDir dir;
    const QString target = dir.filePath("cut.mdb");
    const CliRun r = run(sim.path(), {"download", "--into", target, "--port", "1"});
    EXPECT_EQ(r.status, ExitError);
    EXPECT_TRUE(r.err.contains("The download is incomplete")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(target));
    const QStringList kept = QDir(temp.path()).entryList({"_kavcurrent*.kav"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1) << temp.files().join(' ').toStdString();
    EXPECT_TRUE(r.err.contains(QDir(temp.path()).filePath(kept.first())))
        << "the message names the kept file";
    EXPECT_EQ(readFile(QDir(temp.path()).filePath(kept.first())),
              readFile(kData + "/pendra-v2_10.kav").left(200));
}

TEST(CliMeter, AMeterWithNothingToSendHasNoData)
{
    TempFolderGuard temp;
    QTemporaryDir dir;
    const QString empty = dir.filePath("empty.kav");
    QFile(empty).open(QIODevice::WriteOnly);
    MeterSimProcess sim({"--fast", "--id", "PN1", "--file", empty});
    const CliRun r = run(sim.path(), {"download", dir.filePath("out.kav"), "--port", "1"});
    EXPECT_EQ(r.status, ExitError);
    EXPECT_TRUE(r.err.contains("The meter sent no data.")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("out.kav")));
    EXPECT_TRUE(temp.files().isEmpty());
}

TEST(CliMeter, AnOutputThatCannotBeWrittenIsNoFailureOfTheMeter)
{
    TempFolderGuard temp;
    MeterSimProcess sim({"--fast", "--id", "PN1", "--file", kData + "/pendra-v2_10.kav"});
    QTemporaryDir dir;
    const QString target = dir.filePath("missing/folder/out.kav");
    const CliRun r = run(sim.path(), {"download", target, "--port", "1"});
    EXPECT_EQ(r.status, ExitError);
    EXPECT_FALSE(r.err.contains(Strings::loadString(StringId::CouldNotGetData))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("No such file or directory")) << r.err.toStdString();
    const QStringList kept = QDir(temp.path()).entryList({"_kavcurrent*.kav"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(r.err.contains(kept.first()));
}
