// fibrolog-cli find-meter and download against simulated meters, with the
// program's real timing (a meter's answer ends after about 2 s of silence).
#include "MeterSimProcess.h"
#include "support/TempFolderGuard.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "cli/CliRun.h"
#include "meter/TermiosSerialPort.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

#include <unistd.h>

namespace {

const QString kData = QStringLiteral(FIBROLOG_TEST_DATA_DIR);

CliRun run(const QString& ports, const QStringList& arguments)
{
    qputenv("FIBROLOG_SERIAL_PORTS", ports.toLocal8Bit());
    const CliRun result = runCliCaptured(arguments);
    qunsetenv("FIBROLOG_SERIAL_PORTS");
    return result;
}

// The real program in a process of its own, as a shell starts it: its
// temporary folder and serial ports set, its status as the shell reports it
// (128 + the signal's number for a program a signal ended).
class CliProcess
{
public:
    CliProcess(const QString& temporaryFolder, const QString& ports, const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TMPDIR", temporaryFolder);
        environment.insert("XDG_STATE_HOME", temporaryFolder + "/state");
        environment.remove("XDG_RUNTIME_DIR");
        environment.insert("FIBROLOG_SERIAL_PORTS", ports);
        environment.insert("FIBROLOG_SHARED_STANDARDS", temporaryFolder + "/no-shared.mdb");
        process_.setProcessEnvironment(environment);
        process_.start(QStringLiteral(FIBROLOG_CLI_PATH), arguments);
        process_.waitForStarted(10000);
    }

    bool running() const { return process_.state() == QProcess::Running; }
    void signal(int number) { ::kill(static_cast<pid_t>(process_.processId()), number); }

    CliRun finish()
    {
        CliRun result;
        if (!process_.waitForFinished(60000))
            return result;
        result.status =
            process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : 128 + process_.exitCode();
        result.out = QString::fromLocal8Bit(process_.readAllStandardOutput());
        result.err = QString::fromLocal8Bit(process_.readAllStandardError());
        return result;
    }

private:
    QProcess process_;
};

} // namespace

TEST(CliMeter, FindMeterPrintsTheHigherPortAndItsFamily)
{
    MeterSimProcess com3({"--fast", "--id", "MKAV"});
    MeterSimProcess com7({"--fast", "--id", "LN33807"});
    const CliRun r = run(MeterSimProcess::portList({{3, &com3}, {7, &com7}}), {"find-meter"});
    EXPECT_EQ(r.status, ExitOk) << r.err.toStdString();
    EXPECT_EQ(r.out, "COM7\tLintel\t" + com7.path() + "\n");
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
    // The meter pauses for three seconds after 200 bytes: the transfer ends
    // after two seconds of silence, in the middle of a record. Whichever way
    // the download is asked for, the answer is the same: exit 1, no OUT and
    // no database, the bytes kept under a name that says they are incomplete.
    const QByteArray sent = readFile(kData + "/pendra-v2_10.kav");
    const QList<QStringList> commands = {
        {"download", "OUT"}, {"download", "--into", "DB"}, {"download", "OUT", "--into", "DB"}};
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.join(' ').toStdString());
        QTemporaryDir temp;
        QTemporaryDir dir;
        QStringList arguments = command;
        arguments.replaceInStrings(QRegularExpression("^OUT$"), dir.filePath("out.kav"));
        arguments.replaceInStrings(QRegularExpression("^DB$"), dir.filePath("cut.mdb"));
        MeterSimProcess sim({"--fast", "--id", "PX20731", "--file", kData + "/pendra-v2_10.kav",
                             "--pause-every", "200", "--pause-ms", "3000"});
        const CliRun r = CliProcess(temp.path(), sim.path(), arguments + QStringList{"--port", "1"}).finish();
        EXPECT_EQ(r.status, ExitError);
        EXPECT_TRUE(r.err.contains("The download is incomplete")) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains(Strings::loadString(StringId::CouldNotGetData))) << r.err.toStdString();
        EXPECT_TRUE(QDir(dir.path()).isEmpty()) << QDir(dir.path()).entryList().join(' ').toStdString();
        const QDir downloads(temp.filePath("state/fibrolog/downloads"));
        const QStringList kept = downloads.entryList({"_kavcurrent*-incomplete.kav"}, QDir::Files);
        ASSERT_EQ(kept.size(), 1) << downloads.entryList(QDir::Files).join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(downloads.filePath(kept.first()))) << "the message names the kept file";
        EXPECT_EQ(readFile(downloads.filePath(kept.first())), sent.left(200));
        EXPECT_TRUE(QDir(temp.path()).entryList(QDir::Files).isEmpty())
            << "nothing kept in the temporary folder";
    }
}

TEST(CliMeter, SignalsCancelWithTheirOwnStatus)
{
    // The meter sends slowly (a pause of half a second every 100 bytes, each
    // shorter than the silence that ends a transfer): the signal comes while
    // the data arrive, or while a large download is stored. Ctrl+C gives 130,
    // SIGTERM 143, as a shell reports them; the command says it was cancelled
    // and leaves nothing behind.
    QTemporaryDir data;
    QByteArray large = "'Big Cabling','555','SN:P7','2.10','01/02/07'\n'C',0,'',0,0,0,0,0,0\n"
                       "'C',0,'',0,0,0,0,0,0\n'C',1,'',0,0,0,0,0,0\n'C',1,'',0,0,0,0,0,0\n"
                       "1,'BIG LINK','01/02/07',900,2,0,21,3,2,-18.00,-19.00\n\n"
                       "1,0,'BIG LINK','01/02/07','850nm','1300nm'\n";
    for (int f = 1; f <= 200000; ++f)
        large += "'" + QByteArray::number(f) + "',-21.50,-20.40\n";
    QFile largeFile(data.filePath("large.kav"));
    ASSERT_TRUE(largeFile.open(QIODevice::WriteOnly) && largeFile.write(large) == large.size());
    largeFile.close();
    struct Case
    {
        QStringList command;
        int signal;
        int status;
        const char* workFile; // once it is there, the command is at its work
    };
    const QList<Case> cases = {
        {{"download", "OUT"}, SIGINT, ExitInterrupted, "_kavcurrent*.kav"},
        {{"download", "OUT"}, SIGTERM, ExitTerminated, "_kavcurrent*.kav"},
        {{"download", "--into", "DB"}, SIGTERM, ExitTerminated, "_kavcurrent*.kav"},
        {{"import", largeFile.fileName(), "DB"}, SIGTERM, ExitTerminated, "_kavcurrent*.mdb"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command.join(' ').toStdString() + " " + std::to_string(c.signal));
        QTemporaryDir temp;
        QTemporaryDir dir;
        QStringList arguments = c.command;
        arguments.replaceInStrings(QRegularExpression("^OUT$"), dir.filePath("out.kav"));
        arguments.replaceInStrings(QRegularExpression("^DB$"), dir.filePath("db.mdb"));
        if (c.command.first() == "download")
            arguments << "--port"
                      << "1";
        MeterSimProcess sim({"--fast", "--id", "PX20731", "--file", kData + "/pendra-v2_10.kav",
                             "--pause-every", "100", "--pause-ms", "500"});
        CliProcess cli(temp.path(), sim.path(), arguments);
        QElapsedTimer waiting;
        waiting.start();
        // Downloads arrive in the state folder, working copies in the temporary one.
        const QDir downloads(temp.filePath("state/fibrolog/downloads"));
        auto workFiles = [&] {
            return QDir(temp.path()).entryList({c.workFile}, QDir::Files) +
                   downloads.entryList({c.workFile}, QDir::Files);
        };
        while (workFiles().isEmpty() && cli.running() && waiting.elapsed() < 20000)
            QThread::msleep(10);
        ASSERT_TRUE(cli.running()) << "the command ended before the signal";
        QThread::msleep(200);
        cli.signal(c.signal);
        const CliRun r = cli.finish();
        EXPECT_EQ(r.status, c.status) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(Strings::loadString(StringId::OperationCancelled))) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains(Strings::loadString(StringId::CouldNotGetData))) << r.err.toStdString();
        EXPECT_TRUE(QDir(dir.path()).isEmpty());
        EXPECT_TRUE(QDir(temp.path()).entryList({"_kavcurrent*"}, QDir::Files).isEmpty());
        EXPECT_TRUE(downloads.entryList({"_kavcurrent*"}, QDir::Files).isEmpty());
    }
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
    const QStringList kept = QDir(temp.downloads()).entryList({"_kavcurrent*.kav"}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(r.err.contains(kept.first()));
}

// --port takes a device path as well as a number: the simulator's pty by its
// path downloads; what is no serial port, or not there, is refused with why.
TEST(CliMeter, DownloadTakesADevicePathAndRefusesWhatIsNoSerialPort)
{
    const QString sample = kData + "/pendra-v2_10.kav";
    MeterSimProcess sim({"--fast", "--id", "PX20731", "--file", sample});
    ASSERT_FALSE(sim.path().isEmpty());
    QTemporaryDir dir;
    const QString regular = dir.filePath("regular.kav");
    QFile(regular).open(QIODevice::WriteOnly);
    const struct
    {
        QString port;
        int status;
        QString error;
    } cases[] = {
        {sim.path(), ExitOk, QString()},
        {regular, ExitError, regular + " is not a serial port"},
        {"/dev/null", ExitError, "/dev/null is not a serial port"},
        {dir.filePath("ttyUSB7"), ExitError, dir.filePath("ttyUSB7") + ": no such file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.port.toStdString());
        const QString target = dir.filePath("out.kav");
        QFile::remove(target);
        // No port table: only the path can reach the meter.
        const CliRun r = run(",", {"download", target, "--port", c.port});
        EXPECT_EQ(r.status, c.status) << r.err.toStdString();
        if (c.status == ExitOk) {
            EXPECT_EQ(readFile(target), readFile(sample));
        } else {
            EXPECT_TRUE(r.err.contains("fibrolog-cli: " + c.error + "\n")) << r.err.toStdString();
            EXPECT_FALSE(QFile::exists(target));
        }
    }
}

// A port another program holds (its lock taken, as picocom and minicom take
// it) is said to be in use, by download and by the search alike.
TEST(CliMeter, APortAnotherProgramHoldsIsSaidToBeInUse)
{
    MeterSimProcess sim({"--fast", "--id", "PX20731"});
    ASSERT_FALSE(sim.path().isEmpty());
    QString error;
    const auto held = TermiosSerialPort::open(sim.path(), &error);
    ASSERT_TRUE(held) << error.toStdString();
    const QString busy = Strings::formatMessage(Strings::loadString(StringId::PortInUse), {sim.path()});
    QTemporaryDir dir;
    const CliRun download = run(",", {"download", dir.filePath("out.kav"), "--port", sim.path()});
    EXPECT_EQ(download.status, ExitError);
    EXPECT_TRUE(download.err.contains(busy)) << download.err.toStdString();
    const CliRun find = run(sim.path(), {"find-meter"});
    EXPECT_EQ(find.status, ExitError);
    EXPECT_TRUE(find.err.contains(busy)) << find.err.toStdString();
}

// A user outside the dialout group is told so, with the command that helps,
// when he names the port and when the search passes over it: a pty made by
// root is a port the user nobody may not open.
TEST(CliMeter, APortTheUserMayNotOpenNamesTheDialoutGroup)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root: the simulator's pty must belong to a user other than the one "
                        "fibrolog-cli runs as (setpriv --reuid=nobody)";
    MeterSimProcess sim({"--fast", "--id", "PX20731", "--file", kData + "/pendra-v2_10.kav"});
    ASSERT_FALSE(sim.path().isEmpty());
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::WriteOther | QFileDevice::ExeOther);
    const QString denied =
        Strings::formatMessage(Strings::loadString(StringId::PortPermissionDenied), {sim.path()});
    auto asNobody = [&](const QString& ports, const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("FIBROLOG_SERIAL_PORTS", ports);
        environment.insert("TMPDIR", dir.path());
        environment.insert("HOME", dir.path());
        process.setProcessEnvironment(environment);
        process.start("setpriv", QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups",
                                             QStringLiteral(FIBROLOG_CLI_PATH)} +
                                     arguments);
        process.waitForFinished(60000);
        return CliRun{process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                      QString::fromLocal8Bit(process.readAllStandardError())};
    };
    const CliRun download = asNobody(",", {"download", dir.filePath("out.kav"), "--port", sim.path()});
    EXPECT_EQ(download.status, ExitError);
    EXPECT_TRUE(download.err.contains(denied)) << download.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("out.kav")));
    const CliRun find = asNobody(sim.path(), {"find-meter"});
    EXPECT_EQ(find.status, ExitError);
    EXPECT_TRUE(find.err.contains(Strings::loadString(StringId::UnableToFindDevice)))
        << find.err.toStdString();
    EXPECT_TRUE(find.err.contains(denied)) << find.err.toStdString();
}
