// The window on a large file, driven as a user drives it: a test database of
// N circuits (--circuits N, 10,000 unless told; links of 25 fibers at three
// wavelengths, one company) is opened in the main window on the offscreen
// platform, paged, edited, saved, given a download of N fibers and previewed,
// each through the window's own commands (its actions, and keys typed into
// its fields). One line per figure, "name value", with the goal it is held to:
//   open_first_page_ms              File > Open until the first page is shown (<= 1000)
//   open_max_ui_stall_ms            longest time the event loop did not turn meanwhile (<= 100)
//   next_page_ms                    the next page in Summary (Next 10) and in Details
//                                   (Next), the slower of the two averages (<= 16)
//   edit_keystroke_ms               one key typed in the Company field, averaged (<= 16)
//   save_max_ui_stall_ms            Save As into a new file, then Save into it answered
//                                   with Merge after the file changed on disk (<= 100)
//   store_download_max_ui_stall_ms  the Download command storing N fibers a meter sends (<= 100)
//   preview_first_page_ms           File > Print Preview in Details of min(N, 10,000)
//                                   circuits, one page each, until its first page is
//                                   painted and the window is idle (<= 1000)
//   preview_peak_rss_mb             peak RSS of the process that previews (<= 300)
//   peak_rss_mb                     peak RSS of the process that does the rest
//   browser_open_ms                 the circuit browser filled, from the document's
//                                   circuits being read at File > Open (<= 500)
//   browser_fill_max_ui_stall_ms    the longest the browser's filling held the event loop (<= 100)
//   browser_sort_ms                 a click on the browser's "Overhead" heading until the
//                                   table is sorted and painted, the slowest of four (<= 200)
//   browser_filter_ms               one key typed into the browser's text filter until the
//                                   table is filtered and painted, the slowest (<= 50)
// and lines of more detail after them. A stall is measured, never assumed: a
// 1 ms timer on the UI thread stamps every turn of its event loop (nested
// loops of dialogs included), and the longest gap between two stamps while a
// job runs is its stall. The preview runs in a process of its own (this
// program with --preview-child), so that its memory is its own and a preview
// that takes too long or too much can be stopped: past --preview-timeout
// seconds (60) or above --preview-rss-cap MB (4096) it is killed, its figures
// are the bound it reached, and standard error says so. --no-preview leaves
// it out.
#include "SyntheticFile.h"
#include "database/Database.h"
#include "document/CFibrologDoc.h"
#include "gui/CFibrologView.h"
#include "gui/CMainFrame.h"
#include "gui/CommandIds.h"
#include "gui/ViewControlIds.h"
#include "gui/browser/CircuitBrowser.h"
#include "support/ScriptedPortOpener.h"
#include "support/ScriptedPrompt.h"
#include "support/TestDatabaseBuilder.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QProgressDialog>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace CommandIds;

namespace {

using SyntheticFile::kFibersPerLink;
using SyntheticFile::statusMb;
// A meter's download holds at most eight links.
constexpr int kDownloadLinks = 8;
constexpr int kMaxPreviewCircuits = 10000;
constexpr int kPagingSteps = 100;
constexpr int kTypedKeys = 5;
const QString kCompany = QString::fromLatin1(SyntheticFile::kCompany);

void printFigure(const char* name, double value, int decimals = 1)
{
    std::printf("%s %.*f\n", name, decimals, value);
    std::fflush(stdout);
}

void note(const QString& text)
{
    std::fprintf(stderr, "bench-window: %s\n", qPrintable(text));
}

double msSince(const QElapsedTimer& clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

double ownPeakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

std::optional<ino_t> inodeOf(const QString& path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return info.st_ino;
}

// What a Pendra sends for `fibers` fibers: eight links at three wavelengths.
QByteArray syntheticDownload(int fibers)
{
    QByteArray out = "'Synthetic Download','555-0100','PX99999','2.10','01/15/07'\r\n";
    for (int line = 0; line < 4; ++line)
        out += "'Custom',0,'',0,0,0,0,0,0\r\n";
    const int links = std::min(kDownloadLinks, std::max(1, fibers));
    for (int s = 1; s <= links; ++s)
        out += QByteArray::number(s) + ",'LINK " + QByteArray::number(s) +
               "','01/20/07',1200,2,1,20,7,2,-20.00,-19.50,-19.00\r\n";
    out += "\r\n";
    for (int s = 1; s <= links; ++s) {
        out += QByteArray::number(s) + ",1,'LINK " + QByteArray::number(s) +
               "','01/20/07','850nm','1300nm','1550nm'\r\n";
        const int count = fibers / links + (s <= fibers % links ? 1 : 0);
        for (int f = 1; f <= count; ++f)
            out += "'" + QByteArray::number(f) + "',-24.10,-21.50,-20.80\r\n";
        out += "\r\n";
    }
    return out;
}

// The longest time the UI thread's event loop went without a turn: a 1 ms
// timer stamps each turn it gets, in whatever loop runs (a dialog's too).
class UiStallProbe
{
public:
    UiStallProbe()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { stamp(); });
    }

    void start()
    {
        longestNs_ = 0;
        clock_.start();
        lastNs_ = 0;
        timer_.start();
    }

    // Also a turn: the caller runs in the loop.
    void stamp()
    {
        const qint64 now = clock_.nsecsElapsed();
        longestNs_ = std::max(longestNs_, now - lastNs_);
        lastNs_ = now;
        if (onTurn_)
            onTurn_();
    }

    void setOnTurn(std::function<void()> onTurn) { onTurn_ = std::move(onTurn); }
    // How long ago the loop last turned: what the code running now has held it.
    double sinceLastTurnMs() const { return static_cast<double>(clock_.nsecsElapsed() - lastNs_) / 1e6; }
    void stop() { timer_.stop(); }
    double longestMs() const { return static_cast<double>(longestNs_) / 1e6; }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 lastNs_ = 0;
    qint64 longestNs_ = 0;
    std::function<void()> onTurn_;
};

struct JobFigures
{
    bool finished = false;
    QString failure; // why the job did not finish
    double elapsedMs = 0;
    double longestStallMs = 0;
};

// One job as the user starts it: `start` runs from inside the event loop (a
// command that blocks the loop shows as a stall), and the loop turns until
// `done` holds, `failed` names a reason, or `timeoutMs` passes. `atDone`
// runs once when it is done (closing a window the job opened, for instance).
struct Job
{
    std::function<void()> start;
    std::function<bool()> done;
    std::function<QString()> failed = [] { return QString(); };
    std::function<void()> atDone = [] {};
    int timeoutMs = 600000;
};

JobFigures runJob(const Job& job)
{
    JobFigures figures;
    QEventLoop loop;
    QElapsedTimer clock;
    UiStallProbe probe;
    bool over = false;
    auto finish = [&](bool finished, const QString& failure) {
        if (over)
            return;
        over = true;
        // What the job left waiting (a repaint) is part of it.
        QCoreApplication::processEvents();
        figures.elapsedMs = msSince(clock);
        probe.stamp();
        probe.stop();
        figures.longestStallMs = probe.longestMs();
        figures.finished = finished;
        figures.failure = failure;
        if (finished)
            job.atDone();
        loop.quit();
    };
    probe.setOnTurn([&] {
        if (over)
            return;
        if (job.done())
            finish(true, QString());
        else if (const QString why = job.failed(); !why.isEmpty())
            finish(false, why);
        else if (clock.elapsed() > job.timeoutMs)
            finish(false, QStringLiteral("not done after %1 s").arg(job.timeoutMs / 1000));
    });
    QTimer::singleShot(0, &loop, [&] {
        clock.start();
        probe.start();
        job.start();
        probe.stamp();
    });
    loop.exec();
    return figures;
}

// The main window with a scripted user behind its questions and a scripted
// meter on COM1, opening the file it is told.
class BenchWindow
{
public:
    explicit BenchWindow(const QString& folder)
        : settings_(QDir(folder).filePath(QStringLiteral("settings.ini")), QSettings::IniFormat)
    {
        FrameServices services;
        services.prompt = &prompt_;
        services.ports = &ports_;
        services.settings = &settings_;
        services.chooseFileToOpen = [this] { return std::optional<QString>(fileToOpen_); };
        frame_ = std::make_unique<CMainFrame>(services);
        frame_->show();
        frame_->activateWindow();
        QCoreApplication::processEvents();
    }

    ~BenchWindow()
    {
        // Nothing is left to ask about when the window goes.
        frame_->document().setModifiedFlag(false);
    }

    CMainFrame& frame() { return *frame_; }
    CFibrologDoc& document() { return frame_->document(); }
    ScriptedPrompt& prompt() { return prompt_; }
    void trigger(int command) { frame_->command(command)->trigger(); }
    QLineEdit* companyField()
    {
        return frame_->view().findChild<QLineEdit*>(QStringLiteral("c%1").arg(ViewControlIds::kCompany));
    }
    void meterSends(const QByteArray& download)
    {
        ScriptedMeter meter;
        meter.answer = {LineEvent::data("PN2031")};
        meter.download = {LineEvent::data(download)};
        ports_.meters[1] = meter;
    }

    // A question or message nobody expected (the user's scripted answers are
    // given before the command): its text.
    std::function<QString()> unexpectedExchangeAfter(qsizetype seen, const QStringList& expectedKinds = {})
    {
        return [this, seen, expectedKinds] {
            const auto& exchanges = prompt_.exchanges();
            for (qsizetype i = seen; i < exchanges.size(); ++i) {
                if (!expectedKinds.contains(exchanges.at(i).kind))
                    return QStringLiteral("the window said: ") + exchanges.at(i).text;
            }
            return QString();
        };
    }

    // File > Open of `file` until its first page is shown. The browser's
    // filling is timed from the document's circuits being read, and the
    // event loop is watched while it fills.
    JobFigures open(const QString& file, int circuits)
    {
        fileToOpen_ = file;
        browserOpenMs_ = -1;
        browserFillStallMs_ = -1;
        QElapsedTimer sinceRead;
        UiStallProbe browserProbe;
        QObject watch;
        QObject::connect(&document(), &CFibrologDoc::circuitsReset, &watch, [&] {
            sinceRead.start();
            browserProbe.start();
        });
        QObject::connect(&frame_->circuitBrowser(), &CircuitBrowser::filled, &watch, [&] {
            if (!sinceRead.isValid())
                return;
            browserOpenMs_ = msSince(sinceRead);
            browserProbe.stamp();
            browserProbe.stop();
            browserFillStallMs_ = browserProbe.longestMs();
        });
        Job job;
        job.start = [this] { trigger(FileOpen); };
        job.done = [this, circuits] {
            const QLineEdit* company = companyField();
            return document().circuits().count() == circuits && company && company->text() == kCompany &&
                   !QApplication::activeModalWidget();
        };
        job.failed = unexpectedExchangeAfter(prompt_.exchanges().size());
        const JobFigures figures = runJob(job);
        // The browser fills once the loop turns after the first page.
        Job fill;
        fill.start = [] {};
        fill.done = [this] { return browserOpenMs_ >= 0; };
        fill.timeoutMs = 60000;
        runJob(fill);
        return figures;
    }

    double browserOpenMs() const { return browserOpenMs_; }
    double browserFillStallMs() const { return browserFillStallMs_; }

    // Clicks on the browser's heading `heading` `clicks` times (ascending,
    // descending, ...); the slowest click with the events it leaves (the
    // repaint), -1 when there is no such heading.
    double browserSortMs(const QString& heading, int clicks)
    {
        QTableView* table = frame_->circuitBrowser().table();
        QHeaderView* header = table->horizontalHeader();
        int section = -1;
        for (int c = 0; c < table->model()->columnCount(); ++c) {
            if (table->model()->headerData(c, Qt::Horizontal).toString() == heading)
                section = c;
        }
        if (section < 0)
            return -1;
        table->scrollTo(table->model()->index(0, section));
        QCoreApplication::processEvents();
        const QPoint centre(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                            header->height() / 2);
        double slowest = 0;
        Qt::SortOrder order = header->sortIndicatorOrder();
        for (int click = 0; click < clicks; ++click) {
            // Clicks apart by more than a double click's time: each is a click of its own.
            QTest::mouseMove(header->viewport(), centre, QApplication::doubleClickInterval() + 50);
            QElapsedTimer clock;
            clock.start();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
            QCoreApplication::processEvents();
            slowest = std::max(slowest, msSince(clock));
            // Each click on the heading turns the order round.
            if (header->sortIndicatorSection() != section ||
                (click > 0 && header->sortIndicatorOrder() == order))
                return -1;
            order = header->sortIndicatorOrder();
        }
        return slowest;
    }

    struct FilterTyping
    {
        double slowestKeyMs = 0;
        double averageKeyMs = 0;
        int rowsLeft = 0;
    };

    // Types `text` into the browser's text filter key by key, each timed
    // with the events it leaves; then empties the filter.
    FilterTyping typeInBrowserFilter(const QString& text)
    {
        QLineEdit* field = frame_->circuitBrowser().textFilter();
        field->setFocus(Qt::MouseFocusReason);
        FilterTyping typing;
        double totalMs = 0;
        for (const QChar key : text) {
            QElapsedTimer clock;
            clock.start();
            QTest::keyClick(field, key.toLatin1());
            QCoreApplication::processEvents();
            const double ms = msSince(clock);
            totalMs += ms;
            typing.slowestKeyMs = std::max(typing.slowestKeyMs, ms);
        }
        typing.averageKeyMs = text.isEmpty() ? 0.0 : totalMs / double(text.size());
        typing.rowsLeft = frame_->circuitBrowser().table()->model()->rowCount();
        field->clear();
        QCoreApplication::processEvents();
        return typing;
    }

    // The average of up to kPagingSteps presses of `command`, each with the
    // events it leaves (the repaint).
    double pagingMs(int command)
    {
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        int steps = 0;
        clock.start();
        for (; steps < kPagingSteps && frame_->command(command)->isEnabled(); ++steps) {
            trigger(command);
            QCoreApplication::processEvents();
        }
        return steps == 0 ? 0.0 : msSince(clock) / steps;
    }

    struct Typing
    {
        JobFigures job;
        double averageKeyMs = 0;
        double longestKeyMs = 0;
    };

    // Types `keys` letters at the end of the Company field, 30 ms apart, each
    // timed with the events it leaves; done once the document holds the text.
    Typing typeInCompany(int keys)
    {
        QLineEdit* company = companyField();
        Typing typing;
        if (!company) {
            typing.job.failure = QStringLiteral("the view has no Company field");
            return typing;
        }
        company->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(company, Qt::Key_End);
        int typed = 0;
        double totalMs = 0;
        QTimer typist;
        typist.setInterval(30);
        QObject::connect(&typist, &QTimer::timeout, [&] {
            if (typed == keys) {
                typist.stop();
                return;
            }
            QElapsedTimer clock;
            clock.start();
            QTest::keyClick(company, 'x');
            QCoreApplication::processEvents();
            const double ms = msSince(clock);
            totalMs += ms;
            typing.longestKeyMs = std::max(typing.longestKeyMs, ms);
            ++typed;
        });
        Job job;
        job.start = [&] { typist.start(); };
        job.done = [&] {
            if (typed < keys)
                return false;
            const int index = document().currentIndex();
            return index >= 0 && index < document().circuits().count() &&
                   document().circuits().recordAt(index).companyName.trimmed() == company->text();
        };
        job.failed = unexpectedExchangeAfter(prompt_.exchanges().size());
        typing.job = runJob(job);
        typing.averageKeyMs = typed == 0 ? 0.0 : totalMs / typed;
        return typing;
    }

    // File > Save As into `path`, a new file.
    JobFigures saveAs(const QString& path)
    {
        prompt_.addSaveFileName(path);
        Job job;
        job.start = [this] { trigger(FileSaveAs); };
        job.done = [this, path] {
            return QFileInfo::exists(path) && !document().isModified() &&
                   QFileInfo(document().pathName()) == QFileInfo(path) && !QApplication::activeModalWidget();
        };
        job.failed = unexpectedExchangeAfter(prompt_.exchanges().size(), {QStringLiteral("savefile")});
        return runJob(job);
    }

    // File > Save into the document's file after it changed on disk: the
    // user is asked and answers Merge.
    JobFigures saveMerged()
    {
        const QString path = document().pathName();
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite) || !file.setFileTime(QFileInfo(path).lastModified().addSecs(-60),
                                                                  QFileDevice::FileModificationTime)) {
            JobFigures figures;
            figures.failure = QStringLiteral("cannot change the time of ") + path;
            return figures;
        }
        file.close();
        const std::optional<ino_t> before = inodeOf(path);
        const qsizetype seen = prompt_.exchanges().size();
        prompt_.addAnswer(PromptAnswer::Merge);
        Job job;
        job.start = [this] { trigger(FileSave); };
        job.done = [this, path, before, seen] {
            bool asked = false;
            for (qsizetype i = seen; i < prompt_.exchanges().size(); ++i)
                asked = asked || prompt_.exchanges().at(i).kind == QLatin1String("mergeoverwrite");
            return asked && inodeOf(path) != before && !document().isModified() &&
                   !QApplication::activeModalWidget();
        };
        job.failed = unexpectedExchangeAfter(seen, {QStringLiteral("mergeoverwrite")});
        return runJob(job);
    }

    // The Download command, with the meter sending `fibers` fibers, until
    // they are the document's circuits.
    JobFigures download(int fibers)
    {
        meterSends(syntheticDownload(fibers));
        const QString working = document().workingPath();
        Job job;
        job.start = [this] { trigger(Download); };
        job.done = [this, working, fibers] {
            return document().isModified() && document().workingPath() != working &&
                   document().circuits().count() == fibers && !QApplication::activeModalWidget();
        };
        job.failed = unexpectedExchangeAfter(prompt_.exchanges().size());
        return runJob(job);
    }

private:
    ScriptedPrompt prompt_;
    ScriptedPortOpener ports_;
    QSettings settings_;
    QString fileToOpen_;
    double browserOpenMs_ = -1;
    double browserFillStallMs_ = -1;
    std::unique_ptr<CMainFrame> frame_;
};

// The first paint of a window other than the main one and other than a
// progress dialog (the preview), and the event loop going idle after it: then
// its first page is on the screen.
class FirstPaintWatch : public QObject
{
public:
    explicit FirstPaintWatch(QWidget& mainWindow) : mainWindow_(mainWindow)
    {
        qApp->installEventFilter(this);
        connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this, [this] {
            if (painted_)
                idleAfterPaint_ = true;
        });
    }
    ~FirstPaintWatch() override { qApp->removeEventFilter(this); }

    bool shown() const { return idleAfterPaint_; }
    QWidget* window() const { return window_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->window() != &mainWindow_ &&
                !qobject_cast<QProgressDialog*>(widget->window())) {
                painted_ = true;
                window_ = widget->window();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& mainWindow_;
    bool painted_ = false;
    bool idleAfterPaint_ = false;
    QPointer<QWidget> window_;
};

bool reportJob(const char* what, const JobFigures& figures)
{
    if (!figures.finished)
        note(QStringLiteral("%1 did not finish: %2").arg(QLatin1String(what), figures.failure));
    return figures.finished;
}

// The preview process: opens a database of `circuits` circuits, shows
// Details and runs File > Print Preview. "# preview started" on standard
// output tells the parent when its time-out starts.
int runPreviewChild(int circuits)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("preview.mdb"));
    SyntheticFile::make(file, circuits);
    BenchWindow window(dir.path());
    if (!reportJob("File > Open", window.open(file, circuits)))
        return 1;
    window.trigger(ViewDetails);
    QCoreApplication::processEvents();
    const double baselineMb = statusMb(QCoreApplication::applicationPid(), "VmRSS");
    // The peak counts from here: building and opening the file are not the
    // preview's (the kernel starts VmHWM again from the current RSS).
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    const bool peakReset = clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
    clearRefs.close();
    std::printf("# preview started\n");
    std::fflush(stdout);

    FirstPaintWatch watch(window.frame());
    Job job;
    job.start = [&] { window.trigger(PrintPreview); };
    job.done = [&] { return watch.shown(); };
    job.failed = window.unexpectedExchangeAfter(window.prompt().exchanges().size());
    job.atDone = [&] {
        if (QWidget* preview = watch.window())
            preview->close();
    };
    const JobFigures figures = runJob(job);
    if (!reportJob("File > Print Preview", figures))
        return 1;
    printFigure("preview_first_page_ms", figures.elapsedMs);
    printFigure("preview_max_ui_stall_ms", figures.longestStallMs);
    // Whatever the closed preview left for later goes first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    printFigure("preview_peak_rss_mb",
                peakReset ? statusMb(QCoreApplication::applicationPid(), "VmHWM") : ownPeakRssMb(), 0);
    if (!peakReset)
        note(QStringLiteral(
            "the peak could not be started again; preview_peak_rss_mb counts the whole process"));
    printFigure("preview_rss_before_mb", baselineMb, 0);
    printFigure("preview_rss_after_close_mb", statusMb(QCoreApplication::applicationPid(), "VmRSS"), 0);
    printFigure("preview_pages", circuits, 0);
    return 0;
}

// Runs the preview process and passes its lines on; stops it past the time
// allowed or the memory cap, and then gives the bound as its figures.
bool runPreview(int circuits, int timeoutSeconds, int rssCapMb)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--preview-child"), QStringLiteral("--circuits"), QString::number(circuits)});
    if (!child.waitForStarted()) {
        note(QStringLiteral("the preview process did not start: ") + child.errorString());
        return false;
    }
    QElapsedTimer sinceStart;
    sinceStart.start();
    std::optional<QElapsedTimer> sincePreview;
    bool firstPageShown = false;
    double peakMb = 0;
    QString stopped;
    while (child.state() != QProcess::NotRunning) {
        child.waitForReadyRead(50);
        while (child.canReadLine()) {
            const QByteArray line = child.readLine().trimmed();
            if (line == "# preview started") {
                sincePreview.emplace();
                sincePreview->start();
            } else if (!line.startsWith('#')) {
                std::printf("%s\n", line.constData());
                std::fflush(stdout);
                firstPageShown = firstPageShown || line.startsWith("preview_first_page_ms ");
            }
        }
        peakMb = std::max(peakMb, statusMb(child.processId(), "VmHWM"));
        const bool late = sincePreview && sincePreview->elapsed() > timeoutSeconds * 1000LL;
        const bool tooBig = statusMb(child.processId(), "VmRSS") > rssCapMb;
        // Opening the file has its own time-out, in the child.
        if ((late || tooBig) && child.state() == QProcess::Running) {
            stopped = late ? QStringLiteral("it was stopped after %1 s").arg(timeoutSeconds)
                           : QStringLiteral("it was stopped at the memory cap of %1 MB").arg(rssCapMb);
            peakMb = std::max(peakMb, statusMb(child.processId(), "VmHWM"));
            const double atStop = sincePreview ? static_cast<double>(sincePreview->elapsed()) : 0.0;
            child.kill();
            child.waitForFinished();
            if (!firstPageShown) {
                printFigure("preview_first_page_ms", atStop);
                note(QStringLiteral("the preview showed no page: %1; preview_first_page_ms is the time "
                                    "it had then, preview_peak_rss_mb the peak it had reached")
                         .arg(stopped));
            } else {
                note(QStringLiteral("the preview did not close: %1").arg(stopped));
            }
            printFigure("preview_peak_rss_mb", peakMb, 0);
            return true;
        }
    }
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        note(QStringLiteral("the preview process failed (exit code %1)").arg(child.exitCode()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption circuitsOption(QStringLiteral("circuits"),
                                            QStringLiteral("Circuits in the file."), QStringLiteral("N"),
                                            QStringLiteral("10000"));
    const QCommandLineOption timeoutOption(
        QStringLiteral("preview-timeout"),
        QStringLiteral("Seconds the preview may take to show its first page."), QStringLiteral("SECONDS"),
        QStringLiteral("60"));
    const QCommandLineOption capOption(QStringLiteral("preview-rss-cap"),
                                       QStringLiteral("Memory (MB) at which the preview is stopped."),
                                       QStringLiteral("MB"), QStringLiteral("4096"));
    const QCommandLineOption noPreviewOption(QStringLiteral("no-preview"),
                                             QStringLiteral("Leave the preview out."));
    const QCommandLineOption childOption(QStringLiteral("preview-child"),
                                         QStringLiteral("Be the preview process (used by this program)."));
    parser.addOptions({circuitsOption, timeoutOption, capOption, noPreviewOption, childOption});
    parser.process(app);
    bool valid = false;
    const int circuits = parser.value(circuitsOption).toInt(&valid);
    if (!valid || circuits < 1) {
        note(QStringLiteral("--circuits needs a number of at least 1"));
        return 2;
    }
    if (parser.isSet(childOption))
        return runPreviewChild(circuits);

    QTemporaryDir dir;
    // The window's working copies go into the bench's own folder.
    qputenv("TMPDIR", QFile::encodeName(dir.path()));
    const QString file = dir.filePath(QStringLiteral("large.mdb"));
    QElapsedTimer building;
    building.start();
    SyntheticFile::make(file, circuits);
    const double buildMs = msSince(building);

    BenchWindow window(dir.path());
    bool complete = true;
    const JobFigures open = window.open(file, circuits);
    if (!reportJob("File > Open", open))
        return 1;
    printFigure("open_first_page_ms", open.elapsedMs);
    printFigure("open_max_ui_stall_ms", open.longestStallMs);
    if (window.browserOpenMs() < 0) {
        note(QStringLiteral("the circuit browser was not filled after File > Open"));
        complete = false;
    } else {
        printFigure("browser_open_ms", window.browserOpenMs());
        printFigure("browser_fill_max_ui_stall_ms", window.browserFillStallMs());
    }
    const double sortMs = window.browserSortMs(QStringLiteral("850nm Overhead"), 4);
    if (sortMs < 0) {
        note(QStringLiteral("the circuit browser did not sort by its 850nm Overhead column"));
        complete = false;
    } else {
        printFigure("browser_sort_ms", sortMs);
    }
    const BenchWindow::FilterTyping filterTyping = window.typeInBrowserFilter(QStringLiteral("link 0004"));
    printFigure("browser_filter_ms", filterTyping.slowestKeyMs);

    window.trigger(ViewSummary);
    const double summaryMs = window.pagingMs(Next10);
    window.trigger(ViewDetails);
    const double detailsMs = window.pagingMs(Next);
    printFigure("next_page_ms", std::max(summaryMs, detailsMs), 2);

    const BenchWindow::Typing typing = window.typeInCompany(kTypedKeys);
    complete = reportJob("Typing in the Company field", typing.job) && complete;
    if (typing.job.finished)
        printFigure("edit_keystroke_ms", typing.averageKeyMs, 2);

    const QString copy = dir.filePath(QStringLiteral("copy.mdb"));
    const JobFigures saveAs = window.saveAs(copy);
    complete = reportJob("File > Save As", saveAs) && complete;
    // Something to save again: one more key in the Company field.
    const BenchWindow::Typing oneMore = window.typeInCompany(1);
    complete = reportJob("Typing in the Company field", oneMore.job) && complete;
    const JobFigures merge = saveAs.finished ? window.saveMerged() : JobFigures{};
    complete = (saveAs.finished && reportJob("File > Save with Merge", merge)) && complete;
    if (saveAs.finished && merge.finished)
        printFigure("save_max_ui_stall_ms", std::max(saveAs.longestStallMs, merge.longestStallMs));

    const JobFigures download = window.download(circuits);
    complete = reportJob("Download", download) && complete;
    if (download.finished)
        printFigure("store_download_max_ui_stall_ms", download.longestStallMs);

    if (!parser.isSet(noPreviewOption)) {
        complete = runPreview(std::min(circuits, kMaxPreviewCircuits), parser.value(timeoutOption).toInt(),
                              parser.value(capOption).toInt()) &&
                   complete;
    }
    printFigure("peak_rss_mb", ownPeakRssMb(), 0);

    // The detail behind the figures.
    printFigure("circuits", circuits, 0);
    printFigure("build_database_ms", buildMs);
    printFigure("next_page_summary_ms", summaryMs, 3);
    printFigure("next_page_details_ms", detailsMs, 3);
    printFigure("browser_filter_average_ms", filterTyping.averageKeyMs, 2);
    printFigure("browser_filter_rows_left", filterTyping.rowsLeft, 0);
    if (typing.job.finished) {
        printFigure("edit_keystroke_max_ms", typing.longestKeyMs, 2);
        printFigure("edit_max_ui_stall_ms", typing.job.longestStallMs);
    }
    if (saveAs.finished) {
        printFigure("save_as_ms", saveAs.elapsedMs);
        printFigure("save_as_max_ui_stall_ms", saveAs.longestStallMs);
    }
    if (merge.finished) {
        printFigure("save_merge_ms", merge.elapsedMs);
        printFigure("save_merge_max_ui_stall_ms", merge.longestStallMs);
    }
    if (download.finished)
        printFigure("store_download_ms", download.elapsedMs);
    return complete ? 0 : 1;
}
