// Print Preview on a large file: a test database of N circuits (links of 25
// fibers at three wavelengths) opened in the main window on the offscreen
// platform, switched to Details (one page per circuit) and previewed with
// File > Print Preview, as a user does.
//
//   bench-preview [--circuits N]      (default 10000)
//
// Prints one line per figure, "name value":
//   preview_pages          pages in the preview (one per circuit)
//   preview_first_page_ms  File > Print Preview until its window is shown with
//                          the first page painted (goal <= 1000)
//   preview_next_page_ms   Page Down until the next page is painted, averaged
//   preview_zoomed_page_ms the same at the largest zoom (400 %)
//   preview_peak_rss_mb    the process's peak resident memory from the command
//                          until the preview is closed, after paging on,
//                          zooming in to the largest zoom and paging from the
//                          end (goal <= 300)
//   preview_open_rss_mb    resident memory with the file open, before the preview
//   preview_closed_rss_mb  resident memory once the preview is closed
#include "SyntheticFile.h"
#include "app/StatusSink.h"
#include "database/Database.h"
#include "document/CFibrologDoc.h"
#include "gui/CMainFrame.h"
#include "gui/CommandIds.h"
#include "support/ScriptedPortOpener.h"
#include "support/ScriptedPrompt.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// A "VmRSS" or "VmHWM" figure of this process, in MB.
double statusMb(const char* field)
{
    return SyntheticFile::statusMb(QCoreApplication::applicationPid(), field);
}

// Makes the peak (VmHWM) start again from the memory resident now.
bool resetPeakRss()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

// A key pressed as a user presses it: shortcuts of the window take it first.
void sendKey(QWidget* to, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(to, key, modifiers);
    QCoreApplication::processEvents();
}

int circuitsArgument(int argc, char* argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--circuits")
            return std::max(1, std::atoi(argv[i + 1]));
    }
    return 10000;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int circuits = circuitsArgument(argc, argv);
    QApplication app(argc, argv);
    QTemporaryDir dir;
    qputenv("TMPDIR", QFile::encodeName(dir.path()));
    const QString file = dir.filePath(QStringLiteral("large.mdb"));
    SyntheticFile::make(file, circuits);

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
    if (!frame.openFile(file) || frame.document().circuits().count() != circuits) {
        std::fprintf(stderr, "bench-preview: the test database of %d circuits did not open\n", circuits);
        return 1;
    }
    frame.command(CommandIds::ViewDetails)->trigger();
    QCoreApplication::processEvents();

    const double openRss = statusMb("VmRSS");
    if (!resetPeakRss())
        std::fprintf(stderr,
                     "bench-preview: the peak memory could not be reset; the peak is the process's\n");

    // The preview runs its own event loop: the figures are taken from inside it.
    double firstPageMs = -1;
    double nextPageMs = -1;
    double zoomedPageMs = -1;
    QElapsedTimer timer;
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        QWidget* preview = QApplication::activeModalWidget();
        if (!preview || !preview->isVisible())
            return;
        probe.stop();
        // Whatever the preview has not painted yet is painted now.
        preview->grab();
        firstPageMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        // A user reading on: the next pages, the middle, the end, zoomed in.
        QWidget* keys = preview->focusWidget() ? preview->focusWidget() : preview;
        QElapsedTimer turning;
        turning.start();
        for (int i = 0; i < 20; ++i) {
            sendKey(keys, Qt::Key_PageDown);
            preview->grab();
        }
        nextPageMs = static_cast<double>(turning.nsecsElapsed()) / 1e6 / 20;
        sendKey(keys, Qt::Key_PageDown, Qt::ControlModifier);
        preview->grab();
        // Up to the largest zoom, where a page takes the most memory.
        for (int i = 0; i < 10; ++i) {
            sendKey(keys, Qt::Key_Plus, Qt::ControlModifier);
            preview->grab();
        }
        sendKey(keys, Qt::Key_End, Qt::ControlModifier);
        preview->grab();
        turning.restart();
        for (int i = 0; i < 20; ++i) {
            sendKey(keys, Qt::Key_PageUp);
            preview->grab();
        }
        zoomedPageMs = static_cast<double>(turning.nsecsElapsed()) / 1e6 / 20;
        preview->close();
    });
    probe.start();
    timer.start();
    frame.command(CommandIds::PrintPreview)->trigger();
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    const double peakRss = statusMb("VmHWM");
    const double closedRss = statusMb("VmRSS");

    std::printf("preview_pages %d\n", circuits);
    std::printf("preview_first_page_ms %.0f\n", firstPageMs);
    std::printf("preview_next_page_ms %.1f\n", nextPageMs);
    std::printf("preview_zoomed_page_ms %.1f\n", zoomedPageMs);
    std::printf("preview_peak_rss_mb %.0f\n", peakRss);
    std::printf("preview_open_rss_mb %.0f\n", openRss);
    std::printf("preview_closed_rss_mb %.0f\n", closedRss);
    frame.document().setModifiedFlag(false);
    return firstPageMs >= 0 ? 0 : 1;
}
