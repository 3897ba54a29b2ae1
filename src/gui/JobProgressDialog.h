#pragma once

#include "app/JobRunner.h"

#include <QPointer>
#include <QProgressDialog>

#include <exception>
#include <functional>
#include <optional>
#include <type_traits>
#include <utility>

#include "app/SignallingProgress.h"

class QProgressBar;
class QPushButton;

// The progress of one long job (meter search, download, import, save,
// printing) and its Cancel button, fed by the job's SignallingProgress: the
// label shows what the job is doing, the bar how far it is, or runs busy
// while the job does not know its total.
//
// Threads:
// - The dialog is made, used and destroyed on the UI thread only.
// - The job runs on a worker and talks to the dialog only through
//   `progress`: its reports arrive here as queued signals, so no widget is
//   touched from the worker.
// - Cancel (the button, Escape, closing the window) only asks the job to
//   stop, through the progress's cancel flag, which the job reads at its next
//   step. The dialog stays open until the job has really ended, because until
//   then it may still hold the port, a file or the database.
// - finish() closes the dialog. runOnWorker() calls it when the worker ends;
//   a caller with a worker of its own calls it, on the UI thread, once that
//   worker has ended.
// - `progress` must outlive the dialog, and one dialog serves one job.
class JobProgressDialog : public QProgressDialog
{
    Q_OBJECT

public:
    // A job that ends sooner than this never shows the dialog.
    static constexpr int kDefaultMinimumDuration = 400; // milliseconds

    explicit JobProgressDialog(SignallingProgress& progress, QWidget* parent = nullptr);

    // Runs `job` (called with no arguments) on a new thread and waits for it
    // while the UI thread keeps handling events: quietly during the minimum
    // duration (the user's clicks and keys wait), then with this dialog shown
    // modally. Returns the job's result; an exception the job throws is
    // thrown again here, after the worker has ended.
    template <class Job>
    auto runOnWorker(Job job) -> std::invoke_result_t<Job&>;

    // How long the job runs before the dialog shows; kDefaultMinimumDuration until set.
    void setDelay(int milliseconds);

    bool isFinished() const { return finished_; }
    bool cancelRequested() const;

public Q_SLOTS:
    // The job has ended: close the dialog (and leave runOnWorker's wait).
    void finish();
    // Escape and the window's close button land here: a cancel request that
    // leaves the dialog open.
    void reject() override;

private:
    void showProgress(const QString& what, qint64 done, qint64 total);
    void requestCancel();
    void runThread(std::function<void()> work);
    void waitUntilFinished();

    SignallingProgress& progress_;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    bool finished_ = false;
};

template <class Job>
auto JobProgressDialog::runOnWorker(Job job) -> std::invoke_result_t<Job&>
{
    using Result = std::invoke_result_t<Job&>;
    // Written by the worker, read here only after it has ended.
    std::exception_ptr failure;
    if constexpr (std::is_void_v<Result>) {
        runThread([&] {
            try {
                job();
            } catch (...) {
                failure = std::current_exception();
            }
        });
        if (failure)
            std::rethrow_exception(failure);
    } else {
        std::optional<Result> result;
        runThread([&] {
            try {
                result.emplace(job());
            } catch (...) {
                failure = std::current_exception();
            }
        });
        if (failure)
            std::rethrow_exception(failure);
        return std::move(*result);
    }
}

// The window's JobRunner: each step runs on a worker behind its own
// JobProgressDialog over `parent`, which appears when the step takes longer
// than a moment and whose Cancel reaches the step; the window's thread keeps
// handling events (painting, the progress, questions from the worker)
// meanwhile, and takes no clicks or keys but the dialog's.
class DialogJobRunner : public JobRunner
{
public:
    explicit DialogJobRunner(QWidget* parent) : parent_(parent) {}

    // A job with a result of its own (a transfer, a print).
    template <class Job>
    auto runWithProgress(const QString& title, Job job) -> std::invoke_result_t<Job&, JobProgress&>;

    // A job is running: the window must not close meanwhile.
    bool isRunning() const { return running_ > 0; }
    // See JobProgressDialog::setDelay().
    void setDialogDelay(int milliseconds) { delayMs_ = milliseconds; }

protected:
    OperationResult runStep(const QString& title, const Step& step, bool lateCancelCancels) override;

private:
    QWidget* dialogParent() const;

    QPointer<QWidget> parent_;
    int running_ = 0;
    bool lastCancelled_ = false; // whether the last job's progress was cancelled when it closed
    int delayMs_ = JobProgressDialog::kDefaultMinimumDuration;
};

template <class Job>
auto DialogJobRunner::runWithProgress(const QString& title, Job job)
    -> std::invoke_result_t<Job&, JobProgress&>
{
    PacedProgress progress;
    JobProgressDialog dialog(progress, dialogParent());
    dialog.setObjectName(QStringLiteral("jobProgress"));
    dialog.setLabelText(title);
    dialog.setDelay(delayMs_);
    ++running_;
    // Read once the dialog has closed: a Cancel may come after the job's
    // last look at its progress.
    struct Done
    {
        int& running;
        bool& cancelled;
        const JobProgress& progress;
        ~Done()
        {
            --running;
            cancelled = progress.isCancelled();
        }
    } done{running_, lastCancelled_, progress};
    return dialog.runOnWorker([&] { return job(progress); });
}
