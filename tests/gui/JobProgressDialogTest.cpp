#include "gui/JobProgressDialog.h"

#include "DialogScreenshot.h"
#include "app/SignallingProgress.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <semaphore>
#include <stdexcept>

namespace {

using namespace std::chrono_literals;

// The job's side of a cancel: it looks at the flag between steps, as the
// meter exchange does between packets. The bound only keeps a broken cancel
// from hanging the test; no result depends on it.
bool waitForCancel(const JobProgress& progress)
{
    for (int i = 0; i < 20000 && !progress.isCancelled(); ++i)
        QThread::msleep(1);
    return progress.isCancelled();
}

// Runs `act` once the dialog has been shown, from its own event loop.
class OnShow : public QObject
{
public:
    OnShow(QWidget& widget, std::function<void()> act) : act_(std::move(act))
    {
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && act_) {
            auto act = std::move(act_);
            act_ = nullptr;
            QMetaObject::invokeMethod(this, std::move(act), Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> act_;
};

struct BarState
{
    QString label;
    int minimum = 0;
    int maximum = 0;
    int value = 0;

    bool operator==(const BarState&) const = default;
};

class JobProgressDialogTest : public TempDirTest
{
protected:
    JobProgressDialogTest() : dialog_(progress_) {}

    QProgressBar* bar() { return dialog_.findChild<QProgressBar*>(); }
    QPushButton* cancelButton() { return dialog_.findChild<QPushButton*>("c2"); }
    BarState state() { return {dialog_.labelText(), bar()->minimum(), bar()->maximum(), bar()->value()}; }

    SignallingProgress progress_;
    JobProgressDialog dialog_;
};

} // namespace

TEST_F(JobProgressDialogTest, AReportWithATotalFillsTheBar)
{
    progress_.report("Reading from the meter", 250, 1000);
    EXPECT_EQ(state(), (BarState{"Reading from the meter", 0, 1000, 250}));
}

TEST_F(JobProgressDialogTest, AnUnknownTotalRunsTheBarBusy)
{
    progress_.report("Probing COM3", 0, -1);
    EXPECT_EQ(state(), (BarState{"Probing COM3", 0, 0, bar()->value()}));
}

TEST_F(JobProgressDialogTest, TotalsBeyondIntAreShownInProportion)
{
    progress_.report("Saving", 5'000'000'000, 10'000'000'000);
    EXPECT_EQ(bar()->maximum(), 1000000);
    EXPECT_EQ(bar()->value(), 500000);
}

TEST_F(JobProgressDialogTest, OddReportsStayInsideTheBar)
{
    progress_.report("Importing", 150, 100);
    EXPECT_EQ(bar()->value(), 100);
    progress_.report("Importing", -5, 100);
    EXPECT_EQ(bar()->value(), 0);
    progress_.report("Nothing to do", 0, 0);
    EXPECT_EQ(state(), (BarState{"Nothing to do", 0, 1, 1}));
}

TEST_F(JobProgressDialogTest, CancelAsksTheJobToStopAndKeepsTheDialogOpen)
{
    dialog_.show();
    ASSERT_NE(cancelButton(), nullptr);
    QTest::mouseClick(cancelButton(), Qt::LeftButton);
    EXPECT_TRUE(progress_.isCancelled());
    EXPECT_TRUE(dialog_.cancelRequested());
    EXPECT_TRUE(dialog_.isVisible());
    EXPECT_FALSE(cancelButton()->isEnabled());

    dialog_.finish();
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.result(), QDialog::Rejected);
}

TEST_F(JobProgressDialogTest, EscapeAndClosingTheWindowAreCancelRequestsToo)
{
    dialog_.show();
    QTest::keyClick(&dialog_, Qt::Key_Escape);
    EXPECT_TRUE(progress_.isCancelled());
    EXPECT_TRUE(dialog_.isVisible());

    SignallingProgress other;
    JobProgressDialog second(other);
    second.show();
    second.close();
    EXPECT_TRUE(other.isCancelled());
    EXPECT_TRUE(second.isVisible());
}

TEST_F(JobProgressDialogTest, AJobOnAWorkerReportsAndItsResultComesBack)
{
    dialog_.setMinimumDuration(0);
    QList<BarState> seen;
    // Connected after the dialog: each report reaches the dialog first.
    QObject::connect(&progress_, &SignallingProgress::progressed, &dialog_,
                     [&](const QString&, qint64, qint64) { seen.append(state()); });
    QThread* jobThread = nullptr;
    const int result = dialog_.runOnWorker([&] {
        jobThread = QThread::currentThread();
        progress_.report("Reading", 25, 100);
        progress_.report("Reading", 100, 100);
        progress_.report("Searching", 0, -1);
        return 42;
    });
    EXPECT_EQ(result, 42);
    EXPECT_NE(jobThread, QThread::currentThread());
    ASSERT_EQ(seen.size(), 3);
    EXPECT_EQ(seen[0], (BarState{"Reading", 0, 100, 25}));
    EXPECT_EQ(seen[1], (BarState{"Reading", 0, 100, 100}));
    EXPECT_EQ(seen[2].label, "Searching");
    EXPECT_EQ(seen[2].maximum, 0);
    EXPECT_TRUE(dialog_.isFinished());
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.result(), QDialog::Accepted);
}

TEST_F(JobProgressDialogTest, CancelReachesTheRunningJobAndTheDialogClosesWhenItEnds)
{
    dialog_.setMinimumDuration(0);
    std::binary_semaphore dialogChecked(0);
    bool openAfterCancel = false;
    bool buttonDisabled = false;
    BarState shown;
    // The user clicks once the dialog is up and shows the job's report,
    // whichever of the two comes last.
    int ready = 0;
    const auto user = [&] {
        if (++ready < 2)
            return;
        QTest::mouseClick(cancelButton(), Qt::LeftButton);
        // The job is still running: it waits for this check.
        openAfterCancel = dialog_.isVisible();
        buttonDisabled = !cancelButton()->isEnabled();
        shown = state();
        saveScreenshot(dialog_, dir_.path(), "job-progress-cancelling");
        dialogChecked.release();
    };
    const OnShow onShow(dialog_, user);
    QMetaObject::Connection firstReport;
    firstReport = QObject::connect(&progress_, &SignallingProgress::progressed, &dialog_,
                                   [&](const QString&, qint64, qint64) {
                                       QObject::disconnect(firstReport);
                                       user();
                                   });
    bool jobSawCancel = false;
    const QString result = dialog_.runOnWorker([&] {
        progress_.report("Downloading", 0, -1);
        jobSawCancel = waitForCancel(progress_);
        if (!dialogChecked.try_acquire_for(20s))
            return QString("never checked");
        return QString(progress_.isCancelled() ? "stopped" : "completed");
    });
    EXPECT_TRUE(jobSawCancel);
    EXPECT_EQ(result, "stopped");
    EXPECT_TRUE(openAfterCancel);
    EXPECT_TRUE(buttonDisabled);
    EXPECT_EQ(shown.label, "Downloading");
    EXPECT_TRUE(dialog_.isFinished());
    EXPECT_FALSE(dialog_.isVisible());
    EXPECT_EQ(dialog_.result(), QDialog::Rejected);
}

TEST_F(JobProgressDialogTest, AJobsExceptionIsThrownOnTheCallersThread)
{
    dialog_.setMinimumDuration(0);
    EXPECT_THROW(dialog_.runOnWorker([]() -> int { throw std::runtime_error("port gone"); }),
                 std::runtime_error);
    EXPECT_TRUE(dialog_.isFinished());
    EXPECT_FALSE(dialog_.isVisible());
}

TEST_F(JobProgressDialogTest, AJobWithoutAResultRunsToo)
{
    bool ran = false;
    dialog_.runOnWorker([&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(dialog_.isFinished());
}

TEST_F(JobProgressDialogTest, LooksLikeAProgressDialog)
{
    dialog_.show();
    progress_.report("Reading from device...", 3072, 8192);
    const QImage shot = saveScreenshot(dialog_, dir_.path(), "job-progress");
    EXPECT_TRUE(hasSeveralColours(shot));
    progress_.report("Searching for device...", 0, -1);
    EXPECT_TRUE(hasSeveralColours(saveScreenshot(dialog_, dir_.path(), "job-progress-busy")));
}

// Cancel pressed after the step's last look at its progress, while its
// dialog is still up: a preparation is cancelled by it, a step that wrote
// keeps what it did. The command line's in-place runner does the same with
// a cancel (Ctrl+C) that comes as the step ends.
TEST(JobRunnerTest, ACancelAsTheStepEndsCancelsAPreparationOnly)
{
    const auto succeeds = [](JobProgress&) { return OperationResult::success(); };
    DialogJobRunner window(nullptr);
    window.setDialogDelay(0);
    // The step waits, its work done, until the user has clicked Cancel.
    const auto clickedAsItEnds = [](JobProgress&) {
        std::binary_semaphore clicked(0);
        std::function<void()> clickWhenShown = [&] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<JobProgressDialog*>(widget); dialog && dialog->isVisible()) {
                    QTest::mouseClick(dialog->findChild<QPushButton*>("c2"), Qt::LeftButton);
                    clicked.release();
                    return;
                }
            QTimer::singleShot(1, qApp, clickWhenShown);
        };
        QMetaObject::invokeMethod(qApp, clickWhenShown);
        clicked.acquire();
        return OperationResult::success();
    };
    const auto cancelledAsItEnds = [](JobProgress& progress) {
        progress.cancel();
        return OperationResult::success();
    };
    SilentProgress terminal;
    InPlaceJobRunner commandLine(terminal);
    InPlaceJobRunner unwatched;

    const struct
    {
        const char* name;
        JobRunner& runner;
        JobRunner::Step step;
        bool preparationCancelled;
    } cases[] = {
        {"window, no Cancel", window, succeeds, false},
        {"window, Cancel as the step ends", window, clickedAsItEnds, true},
        {"command line, no Ctrl+C", unwatched, succeeds, false},
        {"command line, Ctrl+C as the step ends", commandLine, cancelledAsItEnds, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(c.runner.run("Saving", c.step).ok());
        const OperationResult prepared = c.runner.runPreparation("Saving", c.step);
        EXPECT_EQ(prepared.isCancelled(), c.preparationCancelled);
        EXPECT_EQ(prepared.ok(), !c.preparationCancelled);
    }
}
