// The command line under what a careful user does to it: two programs at
// once, signals, symbolic links, permissions, outputs that are no files, and
// names at the file system's limits. The real program runs in processes of
// its own here, as it would from a shell.
#include "cli/CliRun.h"
#include "database/Database.h"
#include "database/TestDatabaseSchema.h"
#include "support/RawArguments.h"
#include "support/TestDatabaseBuilder.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <grp.h>
#include <pwd.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Outcome
{
    int status = -1;
    QString out;
    QString err;
};

// A user of the system other than root, for the tests that run the program
// as several users (when they run as root).
struct OtherUser
{
    uid_t uid = 0;
    gid_t gid = 0;
};

OtherUser otherUser(const char* name)
{
    const passwd* user = ::getpwnam(name);
    if (!user)
        throw std::runtime_error(std::string("no user ") + name);
    return {user->pw_uid, user->pw_gid};
}

class CliSafetyTest : public TempDirTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(path("tmp")));
        environment_ = QProcessEnvironment::systemEnvironment();
        environment_.insert("TMPDIR", path("tmp"));
        environment_.insert("FIBROLOG_SHARED_STANDARDS", path("no-shared.mdb"));
        // Working copies in the temporary folder the tests watch, and no
        // kept download or log in the home folder of whoever runs them.
        environment_.remove("XDG_RUNTIME_DIR");
        environment_.insert("XDG_STATE_HOME", path("state"));
    }

    static QString sample(const char* name) { return QStringLiteral(FIBROLOG_TEST_DATA_DIR "/") + name; }

    void start(QProcess& process, const QStringList& arguments) const
    {
        process.setProcessEnvironment(environment_);
        process.start(FIBROLOG_CLI_PATH, arguments);
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    static Outcome finish(QProcess& process)
    {
        EXPECT_TRUE(process.waitForFinished(120000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -process.exitCode(),
                QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    Outcome cli(const QStringList& arguments) const
    {
        QProcess process;
        start(process, arguments);
        return finish(process);
    }

    QString info(const QString& file) const { return cli({"info", file}).out; }

    QStringList leftInTemporaryFolder() const
    {
        return QDir(path("tmp")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    static QStringList siblingsIn(const QString& folder)
    {
        return QDir(folder).entryList({".fibrolog-*"}, QDir::Files | QDir::Hidden);
    }

    // A download of `fibers` fibers on one link: big enough that storing it
    // takes a while.
    QString largeDownload(int fibers) const
    {
        QByteArray text = "'Big Cabling','555','SN:P7','2.10','01/02/07'\n'C',0,'',0,0,0,0,0,0\n"
                          "'C',0,'',0,0,0,0,0,0\n'C',1,'',0,0,0,0,0,0\n'C',1,'',0,0,0,0,0,0\n"
                          "1,'BIG LINK','01/02/07',900,2,0,21,3,2,-18.00,-19.00\n\n"
                          "1,0,'BIG LINK','01/02/07','850nm','1300nm'\n";
        for (int f = 1; f <= fibers; ++f)
            text += "'" + QByteArray::number(f) + "',-21.50,-20.40\n";
        const QString file = path("large.kav");
        writeFile(file, text);
        return file;
    }

    static mode_t modeOf(const QString& file)
    {
        struct stat info
        {
        };
        ::lstat(QFile::encodeName(file).constData(), &info);
        return info.st_mode;
    }

    // Lets other users into the test's folder and gives them a temporary
    // folder and a home of their own kind: sticky and open to all, like /tmp.
    void openToOtherUsers() const
    {
        ::chmod(QFile::encodeName(dir_.path()).constData(), 0755);
        ASSERT_TRUE(QDir().mkpath(path("everyone")));
        ::chmod(QFile::encodeName(path("everyone")).constData(), 01777);
    }

    // The program as another user, the way `setpriv` runs it from a root shell.
    void startAs(QProcess& process, const OtherUser& user, const QStringList& arguments) const
    {
        QProcessEnvironment environment = environment_;
        environment.insert("TMPDIR", path("everyone"));
        environment.insert("HOME", path("everyone"));
        environment.insert("XDG_DATA_HOME", path("everyone"));
        environment.insert("XDG_STATE_HOME", path("everyone"));
        environment.remove("XDG_RUNTIME_DIR");
        // No serial port to search: a download gets no further than its checks.
        environment.insert("FIBROLOG_SERIAL_PORTS", path("no-port"));
        process.setProcessEnvironment(environment);
        process.start("setpriv", QStringList{"--reuid=" + QString::number(user.uid),
                                             "--regid=" + QString::number(user.gid), "--clear-groups",
                                             FIBROLOG_CLI_PATH} +
                                     arguments);
        ASSERT_TRUE(process.waitForStarted(10000));
    }

    Outcome cliAs(const OtherUser& user, const QStringList& arguments) const
    {
        QProcess process;
        startAs(process, user, arguments);
        return finish(process);
    }

    static void giveTo(const QString& file, const OtherUser& user)
    {
        ASSERT_EQ(::lchown(QFile::encodeName(file).constData(), user.uid, user.gid), 0) << file.toStdString();
    }

    static void setMode(const QString& file, mode_t mode)
    {
        ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), mode), 0) << file.toStdString();
    }

    QProcessEnvironment environment_;
};

// The bytes of a file whose name may be no UTF-8, which QFile cannot open.
QByteArray rawFileBytes(const QByteArray& name)
{
    QByteArray bytes;
    if (FILE* file = std::fopen(name.constData(), "rb")) {
        char block[4096];
        size_t got = 0;
        while ((got = std::fread(block, 1, sizeof block, file)) > 0)
            bytes.append(block, static_cast<qsizetype>(got));
        std::fclose(file);
    }
    return bytes;
}

// The id of a process that has ended.
long goneProcessId()
{
    QProcess done;
    done.start("true", {});
    done.waitForStarted();
    const long id = static_cast<long>(done.processId());
    done.waitForFinished();
    return id;
}

} // namespace

TEST_F(CliSafetyTest, TwoImportsIntoOneTargetAtOnceKeepBoth)
{
    for (int round = 0; round < 3; ++round) {
        const QString target = path(QStringLiteral("shared-%1.mdb").arg(round));
        QProcess first;
        QProcess second;
        start(first, {"import", sample("pendra-v2_10.kav"), target});
        start(second, {"import", sample("lintel-v2_5.kav"), target});
        const Outcome a = finish(first);
        const Outcome b = finish(second);
        EXPECT_EQ(a.status, ExitOk) << a.err.toStdString();
        EXPECT_EQ(b.status, ExitOk) << b.err.toStdString();
        EXPECT_EQ(info(target), "schema 2.1\nCompany 2\nSite 10\nFiber 26\nStandards 10\n") << round;
        EXPECT_TRUE(siblingsIn(path("")).isEmpty()) << siblingsIn(path("")).join(' ').toStdString();
    }
}

TEST_F(CliSafetyTest, AnUpgradeAndAnImportAtOnceKeepBoth)
{
    const QString target = path("old.mdb");
    ASSERT_TRUE(createTestDatabase(target, kSchemaVersion2));
    QProcess upgrade;
    QProcess import;
    start(upgrade, {"upgrade", target});
    start(import, {"import", sample("lintel-v2_5.kav"), target});
    EXPECT_EQ(finish(upgrade).status, ExitOk);
    const Outcome imported = finish(import);
    EXPECT_EQ(imported.status, ExitOk) << imported.err.toStdString();
    EXPECT_EQ(info(target), "schema 2.1\nCompany 1\nSite 3\nFiber 7\nStandards 2\n");
    EXPECT_TRUE(QFile::exists(target + ".backup"));
}

TEST_F(CliSafetyTest, ImportingTheSameDownloadAgainReplacesItsLinks)
{
    const QString target = path("twice.mdb");
    ASSERT_EQ(cli({"import", sample("pendra-v2_10.kav"), target}).status, ExitOk);
    const Outcome again = cli({"import", sample("pendra-v2_10.kav"), target});
    ASSERT_EQ(again.status, ExitOk) << again.err.toStdString();
    EXPECT_TRUE(again.err.contains("replaced 7 links measured again")) << again.err.toStdString();
    EXPECT_EQ(info(target), "schema 2.1\nCompany 1\nSite 7\nFiber 19\nStandards 8\n");
}

TEST_F(CliSafetyTest, MergingIntoAnOlderFileKeepsItsBackup)
{
    const QString target = path("v2.mdb");
    ASSERT_TRUE(createTestDatabase(target, kSchemaVersion2));
    const QByteArray before = fileBytes(target);
    const Outcome r = cli({"import", sample("lintel-v2_5.kav"), target});
    ASSERT_EQ(r.status, ExitOk) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("the original is kept as " + target + ".backup")) << r.err.toStdString();
    EXPECT_EQ(fileBytes(target + ".backup"), before);
    EXPECT_TRUE(info(target).startsWith("schema 2.1\n"));
}

TEST_F(CliSafetyTest, RefusalsLeaveEveryFileAsItWas)
{
    writeFile(path("notes.mdb"), "my notes");
    const Outcome overwrite = cli({"import", sample("lintel-v2_5.kav"), path("notes.mdb"), "--overwrite"});
    EXPECT_EQ(overwrite.status, ExitError);
    EXPECT_TRUE(overwrite.err.contains("not a test database")) << overwrite.err.toStdString();
    EXPECT_EQ(fileBytes(path("notes.mdb")), QByteArray("my notes"));
    EXPECT_FALSE(QFile::exists(path("notes.mdb.backup")));

    ASSERT_EQ(cli({"import", sample("lintel-v2_5.kav"), path("db.mdb")}).status, ExitOk);
    const QByteArray database = fileBytes(path("db.mdb"));
    const Outcome create = cli({"create", path("db.mdb")});
    EXPECT_EQ(create.status, ExitError);
    EXPECT_TRUE(create.err.contains("exists already"));

    // An output that is its own input.
    const Outcome self = cli({"export-csv", path("db.mdb"), path("db.mdb")});
    EXPECT_EQ(self.status, ExitError);
    EXPECT_TRUE(self.err.contains(path("db.mdb"))) << self.err.toStdString();
    ASSERT_TRUE(QFile::link(path("db.mdb"), path("alias.pdf")));
    EXPECT_EQ(cli({"print", path("db.mdb"), path("alias.pdf")}).status, ExitError);
    EXPECT_EQ(fileBytes(path("db.mdb")), database);

    // Outputs that are no regular files: a FIFO and a device.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.csv")).constData(), 0600), 0);
    const Outcome fifo = cli({"export-csv", path("db.mdb"), path("pipe.csv")});
    EXPECT_EQ(fifo.status, ExitError);
    EXPECT_TRUE(fifo.err.contains("is not a regular file")) << fifo.err.toStdString();
    EXPECT_TRUE(S_ISFIFO(modeOf(path("pipe.csv"))));
    EXPECT_EQ(cli({"print", path("db.mdb"), "/dev/null"}).status, ExitError);
    EXPECT_TRUE(S_ISCHR(modeOf("/dev/null")));
    EXPECT_EQ(cli({"download", "/dev/null"}).status, ExitError);
    EXPECT_TRUE(S_ISCHR(modeOf("/dev/null")));

    // The target's extension is checked before the meter is asked.
    const Outcome into = cli({"download", "--into", path("results.txt")});
    EXPECT_EQ(into.status, ExitError);
    EXPECT_TRUE(into.err.contains("File extension needs to be .mdb")) << into.err.toStdString();
    EXPECT_FALSE(into.err.contains("Searching"));
}

TEST_F(CliSafetyTest, SavingThroughALinkKeepsTheLinkTheModeAndTheGroup)
{
    ASSERT_TRUE(QDir().mkpath(path("real")));
    const QString real = path("real/results.mdb");
    ASSERT_EQ(cli({"import", sample("lintel-v2_5.kav"), real}).status, ExitOk);
    EXPECT_EQ(modeOf(real) & 0777, 0600u) << "a new test database is the owner's alone";
    ::chmod(QFile::encodeName(real).constData(), 0640);
    const bool root = ::geteuid() == 0;
    const gid_t group = 65534; // nogroup
    if (root) {
        ASSERT_EQ(::chown(QFile::encodeName(real).constData(), static_cast<uid_t>(-1), group), 0);
    }
    ASSERT_TRUE(QFile::link(real, path("link.mdb")));

    const Outcome r = cli({"import", sample("pendra-v2_10.kav"), path("link.mdb")});
    ASSERT_EQ(r.status, ExitOk) << r.err.toStdString();
    EXPECT_TRUE(S_ISLNK(modeOf(path("link.mdb"))));
    EXPECT_EQ(info(real), "schema 2.1\nCompany 2\nSite 10\nFiber 26\nStandards 10\n");
    EXPECT_EQ(modeOf(real) & 0777, 0640u);
    if (root) {
        struct stat st
        {
        };
        ::stat(QFile::encodeName(real).constData(), &st);
        EXPECT_EQ(st.st_gid, group);
    }
    EXPECT_TRUE(siblingsIn(path("real")).isEmpty());
    EXPECT_TRUE(siblingsIn(path("")).isEmpty());
}

TEST_F(CliSafetyTest, ReadingNeedsNeitherWriteAccessNorTheOnlyLock)
{
    ASSERT_EQ(cli({"import", sample("lintel-v2_5.kav"), path("db.mdb")}).status, ExitOk);
    ::chmod(QFile::encodeName(path("db.mdb")).constData(), 0444);
    // Another reader holds the file: readers share it.
    Database reader;
    reader.open(path("db.mdb"), true, true, kConnectString);
    reader.countRows("Fiber");
    EXPECT_EQ(info(path("db.mdb")), "schema 2.1\nCompany 1\nSite 3\nFiber 7\nStandards 2\n");
    EXPECT_EQ(cli({"export-csv", path("db.mdb"), path("out.csv")}).status, ExitOk);
    reader.close();

    if (::geteuid() != 0)
        return; // the rest runs the program as another, unprivileged user
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    const QString open = path("open");
    ASSERT_TRUE(QDir().mkpath(open + "/tmp"));
    for (const QString& folder : {path(""), open})
        ::chmod(QFile::encodeName(folder).constData(), 0755);
    ::chmod(QFile::encodeName(open + "/tmp").constData(), 01777);
    ASSERT_TRUE(QFile::copy(path("db.mdb"), open + "/db.mdb"));
    ::chmod(QFile::encodeName(open + "/db.mdb").constData(), 0644);
    ::chmod(QFile::encodeName(open).constData(), 0777);
    for (const QStringList& command : {QStringList{"info", open + "/db.mdb"},
                                       QStringList{"export-csv", open + "/db.mdb", open + "/out.csv"}}) {
        QProcess process;
        QProcessEnvironment environment = environment_;
        environment.insert("TMPDIR", open + "/tmp");
        environment.insert("HOME", open);
        process.setProcessEnvironment(environment);
        process.start("setpriv", QStringList{"--reuid=" + QString::number(nobody->pw_uid),
                                             "--regid=" + QString::number(nobody->pw_gid), "--clear-groups",
                                             FIBROLOG_CLI_PATH} +
                                     command);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), ExitOk)
            << command.join(' ').toStdString() << ": " << process.readAllStandardError().toStdString();
    }
}

TEST_F(CliSafetyTest, SignalsTakeTheTemporaryFilesAlong)
{
    const QString download = largeDownload(60000);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        const QString target = path(QStringLiteral("signal-%1.mdb").arg(signal));
        QProcess process;
        start(process, {"import", download, target});
        // Wait until the working database exists, then stop the program.
        for (int i = 0; i < 400 && leftInTemporaryFolder().isEmpty(); ++i)
            QThread::msleep(5);
        ::kill(static_cast<pid_t>(process.processId()), signal);
        const Outcome r = finish(process);
        // 128 + the signal, whether the import's job was cancelled (SIGINT,
        // SIGTERM) or the program ended at once (SIGHUP).
        EXPECT_EQ(r.status, 128 + signal) << r.err.toStdString();
        EXPECT_TRUE(leftInTemporaryFolder().isEmpty())
            << signal << ": " << leftInTemporaryFolder().join(' ').toStdString();
        EXPECT_TRUE(siblingsIn(path("")).isEmpty()) << signal;
    }
}

TEST_F(CliSafetyTest, WhatAKilledRunLeftIsRemovedByTheNext)
{
    const long gone = goneProcessId();
    const QString working = path(QStringLiteral("tmp/_kavcurrent%1-abcdef.mdb").arg(gone));
    const QString sibling = path(QStringLiteral(".fibrolog-%1-abcdef.saving").arg(gone));
    const QString running = path(QStringLiteral("tmp/_kavcurrent%1-abcdef.mdb").arg(::getpid()));
    const QString data = path(QStringLiteral("tmp/_kavcurrent%1-abcdef.kav").arg(gone));
    for (const QString& file : {working, working + "-journal", sibling, running, data})
        writeFile(file, "left");
    ASSERT_EQ(cli({"import", sample("lintel-v2_5.kav"), path("next.mdb")}).status, ExitOk);
    EXPECT_FALSE(QFile::exists(working));
    EXPECT_FALSE(QFile::exists(working + "-journal"));
    EXPECT_FALSE(QFile::exists(sibling));
    EXPECT_TRUE(QFile::exists(running)) << "a running program's working copy stays";
    EXPECT_TRUE(QFile::exists(data)) << "downloaded data are never thrown away";
}

TEST_F(CliSafetyTest, FailuresNameTheirCause)
{
    ASSERT_EQ(cli({"import", sample("lintel-v2_5.kav"), path("db.mdb")}).status, ExitOk);
    // A file size limit stands in for a full disk: the write fails with the
    // system's reason, and an older output stays as it was.
    writeFile(path("old.csv"), "older export");
    QProcess limited;
    limited.setProcessEnvironment(environment_);
    limited.start("sh", {"-c", QStringLiteral("ulimit -f 1; exec '%1' export-csv '%2' '%3'")
                                   .arg(FIBROLOG_CLI_PATH, path("db.mdb"), path("old.csv"))});
    const Outcome full = finish(limited);
    EXPECT_EQ(full.status, ExitError);
    EXPECT_TRUE(full.err.contains("Cannot write " + path("old.csv") + ": File too large"))
        << full.err.toStdString();
    EXPECT_EQ(fileBytes(path("old.csv")), QByteArray("older export"));
    EXPECT_TRUE(siblingsIn(path("")).isEmpty());

    // A name near the file system's limit: what is built beside it has a short name.
    const QString longName = path(QString(250, QLatin1Char('n')) + ".mdb");
    const Outcome longTarget = cli({"import", sample("lintel-v2_5.kav"), longName});
    EXPECT_EQ(longTarget.status, ExitOk) << longTarget.err.toStdString();
    EXPECT_EQ(cli({"import", sample("lintel-v2_5.kav"), longName}).status, ExitOk);

    // "--" ends the options.
    const QString dashed = path("--feet.mdb");
    EXPECT_EQ(cli({"create", "--", dashed}).status, ExitOk);
    EXPECT_TRUE(QFile::exists(dashed));
}

TEST_F(CliSafetyTest, AFileAnotherProgramIsWritingIsNotReadBehindItsBack)
{
    ASSERT_EQ(cli({"import", sample("lintel-v2_5.kav"), path("db.mdb")}).status, ExitOk);
    Database writer;
    writer.open(path("db.mdb"), true, false, kConnectString);
    writer.beginTransaction();
    writer.execute("DELETE FROM Fiber");
    for (const QStringList& command :
         {QStringList{"export-csv", path("db.mdb"), path("out.csv")}, QStringList{"info", path("db.mdb")}}) {
        const Outcome r = cli(command);
        EXPECT_EQ(r.status, ExitError) << command.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("in use")) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("out.csv")));
    writer.rollback();
    writer.close();
    EXPECT_EQ(cli({"export-csv", path("db.mdb"), path("out.csv")}).status, ExitOk);
    EXPECT_EQ(fileBytes(path("out.csv")).count("\r\n"), 1 + 14);
}

TEST_F(CliSafetyTest, PrintingLeavesNothingInTheTemporaryFolder)
{
    ASSERT_EQ(cli({"import", sample("lintel-v2_5.kav"), path("db.mdb")}).status, ExitOk);
    environment_.remove("XDG_RUNTIME_DIR");
    const Outcome r = cli({"print", path("db.mdb"), path("out.pdf")});
    ASSERT_EQ(r.status, ExitOk) << r.err.toStdString();
    EXPECT_TRUE(leftInTemporaryFolder().isEmpty()) << leftInTemporaryFolder().join(' ').toStdString();
}

TEST_F(CliSafetyTest, CtrlCStopsALargeImportExportOrPrintInTheMiddle)
{
    // 200,000 fibers: long enough that the signal comes in the middle of the work.
    // How quickly each stops is measured by bench-ctrl-c.
    const QString download = largeDownload(200000);
    const QString database = path("large.mdb");
    ASSERT_EQ(cli({"import", download, database}).status, ExitOk);
    ASSERT_EQ(cli({"import", sample("lintel-v2_5.kav"), path("target.mdb")}).status, ExitOk);
    writeFile(path("old.csv"), "older export");
    const QByteArray targetBefore = fileBytes(path("target.mdb"));

    // Each command is stopped once it is at its work: its working database or
    // the output it builds beside the target has appeared.
    struct Job
    {
        QStringList command;
        QString folder;
        QString workFile;
    };
    const QList<Job> jobs = {{{"import", download, path("target.mdb")}, path("tmp"), "_kavcurrent*.mdb"},
                             {{"export-csv", database, path("old.csv")}, path(""), ".fibrolog-*.part"},
                             {{"print", database, path("new.pdf")}, path(""), ".fibrolog-*.part"}};
    for (const Job& job : jobs) {
        QProcess process;
        start(process, job.command);
        QElapsedTimer waiting;
        waiting.start();
        while (QDir(job.folder).entryList({job.workFile}, QDir::Files | QDir::Hidden).isEmpty() &&
               process.state() == QProcess::Running && waiting.elapsed() < 60000)
            QThread::msleep(10);
        ASSERT_EQ(process.state(), QProcess::Running)
            << job.command.first().toStdString() << " ended too soon";
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        const Outcome r = finish(process);
        EXPECT_EQ(r.status, ExitCancelled)
            << job.command.first().toStdString() << ": " << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("Cancelled; nothing was changed.")) << r.err.toStdString();
        EXPECT_TRUE(leftInTemporaryFolder().isEmpty()) << leftInTemporaryFolder().join(' ').toStdString();
        EXPECT_TRUE(siblingsIn(path("")).isEmpty()) << siblingsIn(path("")).join(' ').toStdString();
    }
    EXPECT_EQ(fileBytes(path("target.mdb")), targetBefore);
    EXPECT_EQ(fileBytes(path("old.csv")), QByteArray("older export"));
    EXPECT_FALSE(QFile::exists(path("new.pdf")));
}

TEST_F(CliSafetyTest, ANameThatIsNotUtf8IsRefusedAndReachesNoOtherFile)
{
    // "café.mdb" from an old USB stick (Latin-1), and the file that name
    // becomes once it is read as UTF-8 ("caf\uFFFD.mdb"): another file.
    const QByteArray folder = QFile::encodeName(dir_.path());
    const QByteArray latin1 = folder + "/caf\xe9.mdb";
    const QString misread = QFile::decodeName(latin1);
    // Qt cannot remove a file of such a name with the test's folder either.
    struct RemoveAtTheEnd
    {
        QByteArray name;
        ~RemoveAtTheEnd() { ::unlink(name.constData()); }
    } removeAtTheEnd{latin1};
    ASSERT_EQ(cli({"import", sample("lintel-v2_5.kav"), path("lintel.mdb")}).status, ExitOk);
    ASSERT_EQ(::rename(QFile::encodeName(path("lintel.mdb")).constData(), latin1.constData()), 0);
    ASSERT_EQ(cli({"import", sample("pendra-v2_10.kav"), path("pendra.mdb")}).status, ExitOk);
    ASSERT_TRUE(QFile::rename(path("pendra.mdb"), misread));
    const QByteArray mine = rawFileBytes(latin1);
    const QByteArray other = fileBytes(misread);
    const QStringList before = QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    struct Case
    {
        QList<QByteArray> arguments;
        QString shown; // the name as the message shows it
    };
    const QByteArray csv = QFile::encodeName(path("out.csv"));
    const QList<Case> cases = {
        {{"info", latin1}, "caf\\xE9.mdb"},
        {{"import", QFile::encodeName(sample("lintel-v2_5.kav")), latin1}, "caf\\xE9.mdb"},
        {{"export-csv", latin1, csv}, "caf\\xE9.mdb"},
        {{"upgrade", latin1}, "caf\\xE9.mdb"},
        {{"export-csv", QFile::encodeName(misread), folder + "/r\xe9sultats.csv"}, "r\\xE9sultats.csv"},
    };
    for (const Case& c : cases) {
        QProcess process;
        process.setProcessEnvironment(environment_);
        process.start("sh", {"-c", rawCommandLine(FIBROLOG_CLI_PATH, c.arguments)});
        ASSERT_TRUE(process.waitForStarted(10000));
        const Outcome r = finish(process);
        EXPECT_EQ(r.status, ExitError) << c.arguments.first().constData() << ": " << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(c.shown) && r.err.contains("is not valid UTF-8"))
            << c.arguments.first().constData() << ": " << r.err.toStdString();
    }
    EXPECT_EQ(rawFileBytes(latin1), mine);
    EXPECT_EQ(fileBytes(misread), other);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

TEST_F(CliSafetyTest, ALinkAStrangerPlantedInAStickyFolderIsNotFollowed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "acting as three users needs root";
    const OtherUser user = otherUser("daemon");
    const OtherUser stranger = otherUser("nobody");
    openToOtherUsers();
    ASSERT_EQ(cli({"import", sample("lintel-v2_5.kav"), path("db.mdb")}).status, ExitOk);
    setMode(path("db.mdb"), 0644);

    // The user's own files, in a folder of the user's, which the stranger's
    // links name; the links are in a sticky folder anyone may write to.
    const QString home = path("home");
    ASSERT_TRUE(QDir().mkpath(home));
    giveTo(home, user);
    writeFile(home + "/mine.csv", "the user's list");
    writeFile(home + "/mine.pdf", "the user's report");
    writeFile(home + "/mine.kav", "the user's download");
    ASSERT_TRUE(QFile::copy(path("db.mdb"), home + "/mine.mdb"));
    ASSERT_TRUE(createTestDatabase(home + "/old.mdb", kSchemaVersion2));
    const QString sticky = path("sticky");
    ASSERT_TRUE(QDir().mkpath(sticky));
    setMode(sticky, 01777);
    struct Case
    {
        QStringList command;
        QString file; // the user's file the link names
    };
    const QList<Case> cases = {
        {{"export-csv", path("db.mdb"), sticky + "/out.csv"}, home + "/mine.csv"},
        {{"print", path("db.mdb"), sticky + "/out.pdf"}, home + "/mine.pdf"},
        {{"download", sticky + "/out.kav"}, home + "/mine.kav"},
        {{"import", sample("pendra-v2_10.kav"), sticky + "/out.mdb"}, home + "/mine.mdb"},
        {{"upgrade", sticky + "/old.mdb"}, home + "/old.mdb"},
    };
    for (const Case& c : cases) {
        giveTo(c.file, user);
        const QString link = c.command.last();
        ASSERT_TRUE(QFile::link(c.file, link));
        giveTo(link, stranger);
        const QByteArray before = fileBytes(c.file);
        const Outcome r = cliAs(user, c.command);
        EXPECT_EQ(r.status, ExitError) << c.command.first().toStdString() << ": " << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(link + " is a symbolic link in " + sticky))
            << c.command.first().toStdString() << ": " << r.err.toStdString();
        EXPECT_EQ(fileBytes(c.file), before) << c.command.first().toStdString();
        EXPECT_FALSE(QFile::exists(c.file + ".backup"));
    }

    // The user's own link there, and the folder owner's, are followed.
    for (const OtherUser& owner : {user, OtherUser{0, 0}}) {
        const QString link = sticky + QStringLiteral("/list-of-%1.csv").arg(owner.uid);
        ASSERT_TRUE(QFile::link(home + "/mine.csv", link));
        giveTo(link, owner);
        writeFile(home + "/mine.csv", "the user's list");
        const Outcome r = cliAs(user, {"export-csv", path("db.mdb"), link});
        EXPECT_EQ(r.status, ExitOk) << r.err.toStdString();
        EXPECT_EQ(fileBytes(home + "/mine.csv").count("\r\n"), 1 + 14);
        EXPECT_TRUE(QFileInfo(link).isSymLink());
    }
}

TEST_F(CliSafetyTest, ALockAKilledSaveLeftInATeamFolderIsTakenByTheNextUser)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "acting as two users needs root";
    const OtherUser first = otherUser("nobody");
    const OtherUser second = otherUser("daemon");
    openToOtherUsers();
    // A folder the whole team writes to, with a test database all may write.
    const QString team = path("team");
    ASSERT_TRUE(QDir().mkpath(team));
    setMode(team, 0777);
    const QString target = team + "/site.mdb";
    ASSERT_EQ(cliAs(first, {"import", sample("lintel-v2_5.kav"), target}).status, ExitOk);
    setMode(target, 0666);
    const QString download = largeDownload(60000);

    // The first user's save is killed while it holds the lock.
    QProcess saving;
    startAs(saving, first, {"import", download, target});
    const QStringList lockFiles{".fibrolog-lock-*"};
    QElapsedTimer waiting;
    waiting.start();
    while (QDir(team).entryList(lockFiles, QDir::Files | QDir::Hidden).isEmpty() &&
           saving.state() == QProcess::Running && waiting.elapsed() < 120000)
        QThread::usleep(500);
    ASSERT_EQ(saving.state(), QProcess::Running) << "the save ended before it was killed";
    ::kill(static_cast<pid_t>(saving.processId()), SIGKILL);
    finish(saving);
    ASSERT_EQ(QDir(team).entryList(lockFiles, QDir::Files | QDir::Hidden).size(), 1);

    const Outcome next = cliAs(second, {"import", sample("pendra-v2_10.kav"), target});
    EXPECT_EQ(next.status, ExitOk) << next.err.toStdString();
    EXPECT_EQ(info(target), "schema 2.1\nCompany 2\nSite 10\nFiber 26\nStandards 10\n");
}

TEST_F(CliSafetyTest, AFileWithOtherNamesIsNotWrittenAnewAndKeepsThem)
{
    ASSERT_EQ(cli({"import", sample("lintel-v2_5.kav"), path("db.mdb")}).status, ExitOk);
    ASSERT_TRUE(createTestDatabase(path("old.mdb"), kSchemaVersion2));
    writeFile(path("out.csv"), "older export");
    struct Case
    {
        QStringList command;
        QString file;
    };
    const QList<Case> cases = {
        {{"import", sample("pendra-v2_10.kav"), path("db.mdb")}, path("db.mdb")},
        {{"upgrade", path("old.mdb")}, path("old.mdb")},
        {{"export-csv", path("db.mdb"), path("out.csv")}, path("out.csv")},
    };
    for (const Case& c : cases) {
        const QString otherName = c.file + ".other";
        ASSERT_EQ(::link(QFile::encodeName(c.file).constData(), QFile::encodeName(otherName).constData()), 0);
        const QByteArray before = fileBytes(c.file);
        const Outcome r = cli(c.command);
        EXPECT_EQ(r.status, ExitError) << c.command.first().toStdString();
        EXPECT_TRUE(r.err.contains(c.file + " has 2 names (hard links)")) << r.err.toStdString();
        EXPECT_EQ(fileBytes(c.file), before);
        struct stat info
        {
        };
        ASSERT_EQ(::stat(QFile::encodeName(c.file).constData(), &info), 0);
        EXPECT_EQ(info.st_nlink, 2u) << "the names still share one file";
    }
    EXPECT_FALSE(QFile::exists(path("old.mdb.backup")));
}

TEST_F(CliSafetyTest, UpgradeRefusesWhatASaveRefusesAndSaysWhy)
{
    // A read-only file: refused by both, left as it is.
    ASSERT_TRUE(createTestDatabase(path("old.mdb"), kSchemaVersion2));
    setMode(path("old.mdb"), 0444);
    const QByteArray before = fileBytes(path("old.mdb"));
    for (const QStringList& command : {QStringList{"upgrade", path("old.mdb")},
                                       QStringList{"import", sample("lintel-v2_5.kav"), path("old.mdb")}}) {
        const Outcome r = cli(command);
        EXPECT_EQ(r.status, ExitError) << command.first().toStdString();
        EXPECT_TRUE(r.err.contains("read-only")) << r.err.toStdString();
    }
    EXPECT_EQ(fileBytes(path("old.mdb")), before);
    EXPECT_FALSE(QFile::exists(path("old.mdb.backup")));

    if (::geteuid() != 0)
        return; // the rest runs the program as a user who may not lock the folder
    openToOtherUsers();
    const QString folder = path("theirs");
    ASSERT_TRUE(QDir().mkpath(folder));
    setMode(folder, 0755);
    ASSERT_TRUE(createTestDatabase(folder + "/old.mdb", kSchemaVersion2));
    setMode(folder + "/old.mdb", 0666);
    const Outcome r = cliAs(otherUser("nobody"), {"upgrade", folder + "/old.mdb"});
    EXPECT_EQ(r.status, ExitError);
    EXPECT_TRUE(r.err.contains("Cannot lock " + folder + "/old.mdb: Permission denied") &&
                r.err.contains("write permission for the folder"))
        << r.err.toStdString();
    EXPECT_TRUE(info(folder + "/old.mdb").startsWith("schema 2.0\n"));
}

TEST_F(CliSafetyTest, WhatAKilledPrintOrExportLeftIsRemovedByWhateverRunsNext)
{
    const QString download = largeDownload(200000);
    const QString database = path("large.mdb");
    ASSERT_EQ(cli({"import", download, database}).status, ExitOk);
    environment_.remove("XDG_RUNTIME_DIR");
    // Each in a folder of its own, as starting an output removes what killed
    // runs left beside it; printing last, as every run removes the runtime
    // folders of killed ones.
    const QStringList partial{".fibrolog-*.part"};
    const QStringList folders = {path("lists"), path("reports")};
    const QList<QStringList> commands = {{"export-csv", database, folders.at(0) + "/circuits.csv"},
                                         {"print", database, folders.at(1) + "/report.pdf"}};
    for (qsizetype i = 0; i < commands.size(); ++i) {
        const QDir out(folders.at(i));
        ASSERT_TRUE(QDir().mkpath(out.path()));
        QProcess process;
        start(process, commands.at(i));
        QElapsedTimer waiting;
        waiting.start();
        while (out.entryList(partial, QDir::Files | QDir::Hidden).isEmpty() &&
               process.state() == QProcess::Running && waiting.elapsed() < 60000)
            QThread::msleep(5);
        ASSERT_EQ(process.state(), QProcess::Running)
            << commands.at(i).first().toStdString() << " ended too soon";
        ::kill(static_cast<pid_t>(process.processId()), SIGKILL);
        finish(process);
        ASSERT_EQ(out.entryList(partial, QDir::Files | QDir::Hidden).size(), 1);
    }
    ASSERT_EQ(QDir(path("tmp")).entryList({"fibrolog-runtime-*"}, QDir::Dirs).size(), 1);
    // A program that still runs keeps its runtime folder.
    const QString running = path(QStringLiteral("tmp/fibrolog-runtime-%1-abcdef").arg(::getpid()));
    ASSERT_TRUE(QDir().mkpath(running));

    // Any command, on any file or none.
    EXPECT_EQ(cli({"standards"}).status, ExitOk);
    for (const QString& folder : folders) {
        const QStringList left =
            QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
    }
    EXPECT_EQ(leftInTemporaryFolder(), QStringList{QFileInfo(running).fileName()});
}
