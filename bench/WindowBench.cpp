// The window on a large file: a test database of 10,000 circuits (400 links
// of 25 fibers at three wavelengths) opened in the main window on the
// offscreen platform, as a user opens it.
//   open    - File > Open until the first page is shown (goal <= 1 s)
//   page    - the next page in Summary (ten circuits) and the next circuit in
//             Details, averaged (goal <= 50 ms each)
//   memory  - peak RSS of the process with the file open (goal < 200 MB)
#include "support/ScriptedPrompt.h"
#include "app/StatusSink.h"
#include "database/Database.h"
#include "document/CFibrologDoc.h"
#include "gui/CFibrologView.h"
#include "gui/CMainFrame.h"
#include "gui/CommandIds.h"
#include "support/ScriptedPortOpener.h"
#include "support/TestDatabaseBuilder.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int kLinks = 400;
constexpr int kFibersPerLink = 25;

double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void makeDatabase(const QString& file)
{
    TestDatabaseBuilder builder(file);
    builder.database().beginTransaction();
    const RecordId company = builder.addCompany("Synthetic Cabling");
    for (int link = 0; link < kLinks; ++link) {
        TestDatabaseBuilder::Site site;
        site.name = QStringLiteral("LINK %1").arg(link, 4, 10, QLatin1Char('0'));
        site.company = company;
        site.wizard = 0b111;
        site.references = {-20.0f, -19.5f, -19.0f, 0, 0};
        site.wavelengths = {"850nm", "1300nm", "1550nm", "9999nm", "9999nm"};
        const RecordId id = builder.addSite(site);
        for (int fiber = 1; fiber <= kFibersPerLink; ++fiber)
            builder.addFiber(id, QString::number(fiber), 0, {-24.1f - 0.01f * fiber, -21.5f, -20.8f, 0, 0});
    }
    builder.database().commit();
}

double averageMs(const std::function<void()>& step, int times)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < times; ++i) {
        step();
        QCoreApplication::processEvents();
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6 / times;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("TMPDIR", QFile::encodeName(dir.path()));
    const QString file = dir.filePath(QStringLiteral("large.mdb"));
    makeDatabase(file);

    ScriptedPrompt prompt;
    ScriptedPortOpener ports;
    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    FrameServices services;
    services.prompt = &prompt;
    services.ports = &ports;
    services.settings = &settings;
    CMainFrame frame(services);
    frame.show();
    QCoreApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    frame.openFile(file);
    QCoreApplication::processEvents();
    const double openMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    const int circuits = frame.document().circuits().count();

    const double summaryMs = averageMs([&] { frame.command(CommandIds::Next10)->trigger(); }, 200);
    frame.command(CommandIds::ViewDetails)->trigger();
    const double detailsMs = averageMs([&] { frame.command(CommandIds::Next)->trigger(); }, 500);

    std::printf("window   %d circuits: opened with its first page shown in %.0f ms (goal <= 1000); next page "
                "%.2f ms in Summary, next circuit %.2f ms in Details (goal <= 50); peak RSS %.0f MB (goal < 200)\n",
                circuits, openMs, summaryMs, detailsMs, peakRssMb());
    frame.document().setModifiedFlag(false);
    return circuits == kLinks * kFibersPerLink ? 0 : 1;
}
