// Printing speed and memory of the reports, to PDF as fibrolog-cli prints:
//   - the circuit detail report of 1,000 and of 10,000 circuits;
//   - the circuit summary report of 100,000 circuits.
// For each: pages a second, the resident memory once the circuit list is
// built, and the peak while printing. Pages are streamed to the file, so the
// peak should stay near the list's own size whatever the page count.
// Usage: bench-reports [details|summary CIRCUITS]...   (default: the three above)
#include "ReportTestDatabase.h"
#include "database/FiberCursor.h"
#include "report/CircuitDetailReport.h"
#include "report/CircuitSummaryReport.h"
#include "report/LogoSource.h"
#include "report/PdfReportFile.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

// A field of /proc/self/status in kB ("VmRSS", "VmHWM").
long statusKilobytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Makes the peak resident size start again from the current one.
void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

constexpr int kCircuitsPerLink = 25; // more than a Letter summary page holds

int run(const QString& kind, int circuits, const QTemporaryDir& dir)
{
    const QString database = dir.filePath(QStringLiteral("bench-%1-%2.mdb").arg(kind).arg(circuits));
    std::unique_ptr<ReportTestDatabase> db = std::make_unique<ReportTestDatabase>(database);
    if (circuits < kCircuitsPerLink || circuits % kCircuitsPerLink != 0) {
        std::fprintf(stderr, "bench-reports: the circuits come in links of %d\n", kCircuitsPerLink);
        return 2;
    }
    db->addBulk(circuits / kCircuitsPerLink, kCircuitsPerLink);
    const FiberCursor cursor = db->cursor();
    db.reset();

    ReportOptions options;
    std::unique_ptr<PagedReport> report;
    if (kind == QLatin1String("summary"))
        report = std::make_unique<CircuitSummaryReport>(cursor, options);
    else
        report = std::make_unique<CircuitDetailReport>(cursor, options);
    const LogoSource logos{QString()};
    const QString pdf = dir.filePath(QStringLiteral("bench.pdf"));

    const long listKb = statusKilobytes("VmRSS");
    resetPeak();
    const auto start = Clock::now();
    QString error;
    const int pages = PdfReportFile(pdf, QPageSize::Letter).write(*report, logos, &error);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const long peakKb = statusKilobytes("VmHWM");
    if (pages == 0) {
        std::fprintf(stderr, "bench-reports: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("%-7s %7d circuits  %6d pages  %6.2f s  %7.0f pages/s  PDF %6.1f MB  "
                "RSS with the list %6.1f MB, peak printing %6.1f MB\n",
                qPrintable(kind), cursor.count(), pages, seconds, pages / seconds,
                QFileInfo(pdf).size() / 1048576.0, listKb / 1024.0, peakKb / 1024.0);
    std::fflush(stdout);
    QFile::remove(pdf);
    QFile::remove(database);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty())
        arguments = {"details", "1000", "details", "10000", "summary", "100000"};
    if (arguments.size() % 2 != 0) {
        std::fprintf(stderr, "Usage: bench-reports [details|summary CIRCUITS]...\n");
        return 2;
    }
    const QTemporaryDir dir;
    for (qsizetype i = 0; i < arguments.size(); i += 2) {
        if (run(arguments.at(i), arguments.at(i + 1).toInt(), dir) != 0)
            return 1;
    }
    return 0;
}
