// How long fibrolog-cli takes to stop after Ctrl+C in the middle of a large
// import, CSV export and print. The goal is under a second for each.
//
//   bench-ctrl-c [fibers] [runs]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <vector>

namespace {

constexpr qint64 kGoalMs = 1000;

class Bench
{
public:
    explicit Bench(const QString& root) : root_(root)
    {
        QDir().mkpath(path("tmp"));
        environment_ = QProcessEnvironment::systemEnvironment();
        environment_.insert("TMPDIR", path("tmp"));
        environment_.insert("FIBROLOG_SHARED_STANDARDS", path("no-shared.mdb"));
    }

    QString path(const QString& name) const { return root_ + '/' + name; }

    QString writeDownload(int fibers) const
    {
        QFile file(path("large.kav"));
        file.open(QIODevice::WriteOnly);
        file.write("'Big Cabling','555','SN:P7','2.10','01/02/07'\n'C',0,'',0,0,0,0,0,0\n"
                   "'C',0,'',0,0,0,0,0,0\n'C',1,'',0,0,0,0,0,0\n'C',1,'',0,0,0,0,0,0\n"
                   "1,'BIG LINK','01/02/07',900,2,0,21,3,2,-18.00,-19.00\n\n"
                   "1,0,'BIG LINK','01/02/07','850nm','1300nm'\n");
        for (int f = 1; f <= fibers; ++f)
            file.write("'" + QByteArray::number(f) + "',-21.50,-20.40\n");
        return file.fileName();
    }

    int run(const QStringList& arguments) const
    {
        QProcess process;
        process.setProcessEnvironment(environment_);
        process.start(FIBROLOG_CLI_PATH, arguments);
        process.waitForFinished(-1);
        return process.exitCode();
    }

    // Starts the command, waits until its work file appears, sends SIGINT and
    // returns the milliseconds until it has ended, or -1 when it ended before.
    qint64 stopTime(const QStringList& arguments, const QString& folder, const QString& workFile) const
    {
        QProcess process;
        process.setProcessEnvironment(environment_);
        process.start(FIBROLOG_CLI_PATH, arguments);
        process.waitForStarted();
        while (QDir(folder).entryList({workFile}, QDir::Files | QDir::Hidden).isEmpty() &&
               process.state() == QProcess::Running)
            QThread::msleep(5);
        if (process.state() != QProcess::Running)
            return -1;
        QElapsedTimer sinceSignal;
        sinceSignal.start();
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        process.waitForFinished(-1);
        return sinceSignal.elapsed();
    }

private:
    QString root_;
    QProcessEnvironment environment_;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int fibers = args.size() > 1 ? args.at(1).toInt() : 200000;
    const int runs = args.size() > 2 ? args.at(2).toInt() : 5;

    QTemporaryDir dir;
    Bench bench(dir.path());
    const QString download = bench.writeDownload(fibers);
    if (bench.run({"import", download, bench.path("large.mdb")}) != 0) {
        std::fprintf(stderr, "could not build the test database\n");
        return 1;
    }

    struct Job
    {
        const char* name;
        QStringList command;
        QString folder;
        QString workFile;
    };
    const std::vector<Job> jobs = {
        {"import", {"import", download, bench.path("target.mdb")}, bench.path("tmp"), "_kavcurrent*.mdb"},
        {"export-csv",
         {"export-csv", bench.path("large.mdb"), bench.path("out.csv")},
         bench.path(""),
         ".fibrolog-*.part"},
        {"print",
         {"print", bench.path("large.mdb"), bench.path("out.pdf")},
         bench.path(""),
         ".fibrolog-*.part"}};

    std::printf("Ctrl+C stop time, %d fibers, %d runs (goal < %lld ms)\n", fibers, runs,
                static_cast<long long>(kGoalMs));
    bool met = true;
    for (const Job& job : jobs) {
        std::vector<qint64> times;
        for (int i = 0; i < runs; ++i) {
            const qint64 ms = bench.stopTime(job.command, job.folder, job.workFile);
            if (ms >= 0)
                times.push_back(ms);
        }
        if (times.empty()) {
            std::printf("%-11s ended before the signal every time\n", job.name);
            continue;
        }
        std::sort(times.begin(), times.end());
        const qint64 median = times[times.size() / 2];
        met = met && median < kGoalMs;
        std::printf("%-11s min %5lld  median %5lld  max %5lld ms\n", job.name,
                    static_cast<long long>(times.front()), static_cast<long long>(median),
                    static_cast<long long>(times.back()));
    }
    std::printf("goal %s\n", met ? "met" : "missed");
    return met ? 0 : 1;
}
