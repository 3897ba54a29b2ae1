// Where the real fibrolog-cli keeps its files, started as a user starts it:
// a home folder of its own, the XDG variables set or not, and a current
// folder holding a shared standards file and a logo planted by someone else.
#include "MeterSimProcess.h"

#include "cli/CliApp.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

const QString kSample = QStringLiteral(FIBROLOG_TEST_DATA_DIR "/pendra-v2_10.kav");

struct CliOutcome
{
    int status = -1;
    QString out;
    QString err;
};

// The program with exactly this environment (besides the display and the
// locale), in `folder`.
CliOutcome runCli(const QProcessEnvironment& environment, const QString& folder, const QStringList& arguments)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(FIBROLOG_CLI_PATH), arguments);
    CliOutcome run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

int modeOf(const QString& path)
{
    struct stat info
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? static_cast<int>(info.st_mode & 07777)
                                                                   : -1;
}

// The planted logo's size, which no image of the program has: a PDF that
// embeds it carries these numbers in the image's dictionary.
constexpr int kPlantedWidth = 123;
constexpr int kPlantedHeight = 45;

bool embedsPlantedLogo(const QString& pdf)
{
    const QByteArray bytes = readFile(pdf);
    return bytes.contains("/Width " + QByteArray::number(kPlantedWidth)) &&
           bytes.contains("/Height " + QByteArray::number(kPlantedHeight));
}

const QStringList kEntry = {"--entry", "2,1310nm,10000,0,0.5,0.75,0.3"};

} // namespace

TEST(CliFolders, FilesLandInTheUsersFoldersNeverInTheCurrentOne)
{
    QTemporaryDir root;
    const QDir base(root.path());
    const QString planted = base.filePath("shared-folder");
    ASSERT_TRUE(QDir().mkpath(planted));

    QProcessEnvironment clean = QProcessEnvironment::systemEnvironment();
    for (const QString& name : clean.keys()) {
        if (name.startsWith("XDG_") || name.startsWith("FIBROLOG_") || name == "HOME" || name == "TMPDIR")
            clean.remove(name);
    }
    clean.insert("QT_QPA_PLATFORM", "offscreen");
    clean.insert("LC_ALL", "C.UTF-8");

    // What someone else left in the folder the program is started in.
    {
        QProcessEnvironment planting = clean;
        planting.insert("HOME", base.filePath("planter"));
        planting.insert("FIBROLOG_SHARED_STANDARDS", planted + "/shareddata.mdb");
        const CliOutcome made =
            runCli(planting, planted, QStringList{"add-standard", "Planted Standard"} + kEntry);
        ASSERT_EQ(made.status, ExitOk) << made.err.toStdString();
        QImage logo(kPlantedWidth, kPlantedHeight, QImage::Format_RGB32);
        logo.fill(Qt::red);
        ASSERT_TRUE(logo.save(planted + "/logo.bmp", "BMP"));
    }
    const QByteArray plantedStandards = readFile(planted + "/shareddata.mdb");

    struct Case
    {
        const char* name;
        QStringList environment; // NAME=VALUE, "@" standing for the case's folder
        QString standardsFile;   // where add-standard writes and standards reads, under "@"
        QString downloads;       // where a download that could not be stored is kept
        bool privateFolder;      // the standards file's folder is the program's own (0700)
    };
    const QList<Case> cases = {
        {"XDG set",
         {"HOME=@/home", "XDG_DATA_HOME=@/data", "XDG_STATE_HOME=@/state", "XDG_CONFIG_HOME=@/config"},
         "data/fibrolog/shareddata.mdb",
         "state/fibrolog/downloads",
         true},
        {"XDG unset",
         {"HOME=@/home"},
         "home/.local/share/fibrolog/shareddata.mdb",
         "home/.local/state/fibrolog/downloads",
         true},
        {"XDG relative, which names nothing",
         {"HOME=@/home", "XDG_DATA_HOME=data", "XDG_STATE_HOME=."},
         "home/.local/share/fibrolog/shareddata.mdb",
         "home/.local/state/fibrolog/downloads",
         true},
        {"the variable names the file",
         {"HOME=@/home", "XDG_DATA_HOME=@/data", "FIBROLOG_SHARED_STANDARDS=@/team/standards.mdb"},
         "team/standards.mdb",
         "home/.local/state/fibrolog/downloads",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = base.filePath(QString::fromLatin1(c.name).replace(' ', '_'));
        ASSERT_TRUE(QDir().mkpath(folder + "/tmp"));
        QProcessEnvironment environment = clean;
        environment.insert("TMPDIR", folder + "/tmp");
        for (QString setting : c.environment) {
            setting.replace('@', folder);
            environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
        }
        const QString standardsFile = QDir(folder).filePath(c.standardsFile);
        const QString downloads = QDir(folder).filePath(c.downloads);

        const CliOutcome before = runCli(environment, planted, {"standards"});
        ASSERT_EQ(before.status, ExitOk) << before.err.toStdString();
        EXPECT_FALSE(before.out.contains("Planted Standard")) << "the planted file was read";
        EXPECT_FALSE(before.err.contains("fibrolog.")) << "diagnostics without --verbose";

        const CliOutcome added =
            runCli(environment, planted, QStringList{"add-standard", "Own Standard"} + kEntry);
        ASSERT_EQ(added.status, ExitOk) << added.err.toStdString();
        EXPECT_TRUE(QFile::exists(standardsFile));
        if (c.privateFolder) {
            EXPECT_EQ(modeOf(QFileInfo(standardsFile).absolutePath()), 0700);
        }
        EXPECT_EQ(readFile(planted + "/shareddata.mdb"), plantedStandards) << "the planted file was written";

        const CliOutcome verbose = runCli(environment, planted, {"--verbose", "standards"});
        ASSERT_EQ(verbose.status, ExitOk) << verbose.err.toStdString();
        EXPECT_TRUE(verbose.out.contains("Own Standard"));
        EXPECT_FALSE(verbose.out.contains("Planted Standard"));
        EXPECT_TRUE(
            verbose.err.contains("fibrolog.database: Reading the shared standards file " + standardsFile))
            << verbose.err.toStdString();

        // The meter's data, which cannot go where they were asked to: kept
        // in the state folder, named in the message, and nothing in /tmp.
        {
            MeterSimProcess sim({"--fast", "--id", "PX20731", "--file", kSample});
            ASSERT_FALSE(sim.path().isEmpty());
            environment.insert("FIBROLOG_SERIAL_PORTS", sim.path());
            const CliOutcome download =
                runCli(environment, planted, {"download", folder + "/missing/out.kav", "--port", "1"});
            EXPECT_EQ(download.status, ExitError);
            const QStringList kept = QDir(downloads).entryList({"_kavcurrent*.kav"}, QDir::Files);
            ASSERT_EQ(kept.size(), 1) << download.err.toStdString();
            EXPECT_TRUE(download.err.contains(QDir(downloads).filePath(kept.first())))
                << download.err.toStdString();
            EXPECT_EQ(readFile(QDir(downloads).filePath(kept.first())), readFile(kSample));
            EXPECT_EQ(modeOf(downloads), 0700);
            EXPECT_TRUE(QDir(folder + "/tmp").entryList(QDir::Files).isEmpty());
        }
        {
            MeterSimProcess sim({"--fast", "--id", "PX20731", "--file", kSample});
            environment.insert("FIBROLOG_SERIAL_PORTS", sim.path());
            const CliOutcome stored =
                runCli(environment, planted, {"download", "--into", folder + "/tested.mdb", "--port", "1"});
            ASSERT_EQ(stored.status, ExitOk) << stored.err.toStdString();
        }
        const CliOutcome printed =
            runCli(environment, planted, {"print", folder + "/tested.mdb", folder + "/report.pdf"});
        ASSERT_EQ(printed.status, ExitOk) << printed.err.toStdString();
        EXPECT_FALSE(embedsPlantedLogo(folder + "/report.pdf")) << "the planted logo was printed";
        // The same logo, named by the user, is printed: the check above can see it.
        const CliOutcome named =
            runCli(environment, planted,
                   {"print", folder + "/tested.mdb", folder + "/named.pdf", "--logo", "logo.bmp"});
        ASSERT_EQ(named.status, ExitOk) << named.err.toStdString();
        EXPECT_TRUE(embedsPlantedLogo(folder + "/named.pdf"));

        EXPECT_EQ(QDir(planted).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList({"logo.bmp", "shareddata.mdb"}))
            << "nothing made in the current folder";
    }
}
