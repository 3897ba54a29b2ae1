#include "gui/JobProgressDialog.h"

#include "app/SignallingProgress.h"
#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <memory>

namespace {

// QProgressBar counts in int; larger totals (the bytes of a big file) are
// shown in proportion on this scale.
constexpr int kLargeTotalScale = 1000000;

} // namespace

JobProgressDialog::JobProgressDialog(SignallingProgress& progress, QWidget* parent)
    : QProgressDialog(parent), progress_(progress)
{
    setWindowTitle(Strings::loadString(StringId::AppTitle));
    // Modal from the start: the dialog may show itself before exec() makes
    // it modal, and a shown window does not change its modality.
    setWindowModality(Qt::ApplicationModal);

    bar_ = new QProgressBar(this);
    setBar(bar_);
    cancelButton_ = findChild<QPushButton*>();
    if (cancelButton_)
        cancelButton_->setObjectName(QStringLiteral("c2"));

    // QProgressDialog's own cancel() hides the dialog and resets it at once,
    // while the job is still running. Here Cancel only asks the job to stop.
    disconnect(this, SIGNAL(canceled()), this, nullptr);
    connect(this, &QProgressDialog::canceled, this, &JobProgressDialog::requestCancel);

    setAutoReset(false);
    setAutoClose(false);
    setMinimumDuration(kDefaultMinimumDuration);
    // Stops the timer QProgressDialog starts to show itself: this dialog is
    // shown by runOnWorker() or by its caller.
    reset();
    setMinimumWidth(fontMetrics().averageCharWidth() * 50);

    connect(&progress_, &SignallingProgress::progressed, this, &JobProgressDialog::showProgress);
}

void JobProgressDialog::setDelay(int milliseconds)
{
    setMinimumDuration(milliseconds);
    // QProgressDialog starts its own timer to show itself again; this dialog
    // is shown by runOnWorker() or by its caller.
    reset();
}

bool JobProgressDialog::cancelRequested() const
{
    return progress_.isCancelled();
}

void JobProgressDialog::finish()
{
    finished_ = true;
    done(cancelRequested() ? QDialog::Rejected : QDialog::Accepted);
}

void JobProgressDialog::reject()
{
    requestCancel();
}

void JobProgressDialog::showProgress(const QString& what, qint64 done, qint64 total)
{
    // Setting the text lays the dialog out anew, even for the same text.
    if (what != labelText())
        setLabelText(what);
    if (total < 0) {
        bar_->setRange(0, 0);
        return;
    }
    if (total == 0) {
        // Nothing to do is all done; a range of 0 to 0 would run busy.
        bar_->setRange(0, 1);
        bar_->setValue(1);
        return;
    }
    const qint64 clamped = std::clamp<qint64>(done, 0, total);
    if (total <= std::numeric_limits<int>::max()) {
        bar_->setRange(0, static_cast<int>(total));
        bar_->setValue(static_cast<int>(clamped));
    } else {
        bar_->setRange(0, kLargeTotalScale);
        bar_->setValue(
            static_cast<int>(static_cast<double>(clamped) / static_cast<double>(total) * kLargeTotalScale));
    }
}

void JobProgressDialog::requestCancel()
{
    if (finished_)
        return;
    progress_.cancel();
    if (cancelButton_)
        cancelButton_->setEnabled(false);
}

void JobProgressDialog::runThread(std::function<void()> work)
{
    finished_ = false;
    const std::unique_ptr<QThread> worker(QThread::create(std::move(work)));
    connect(worker.get(), &QThread::finished, this, &JobProgressDialog::finish);
    worker->start();
    waitUntilFinished();
    worker->wait();
}

void JobProgressDialog::waitUntilFinished()
{
    if (!finished_) {
        // A short job ends before the dialog would appear; meanwhile the
        // window must not take clicks or keys as if nothing were running,
        // so they wait until the dialog is up (or the job is over).
        QEventLoop quietWait;
        connect(this, &QDialog::finished, &quietWait, &QEventLoop::quit);
        QTimer::singleShot(minimumDuration(), &quietWait, &QEventLoop::quit);
        quietWait.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!finished_)
        exec();
}

QWidget* DialogJobRunner::dialogParent() const
{
    // Over the dialog the user is in, if any (the Link Wizard), else the window.
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : parent_.data();
}

OperationResult DialogJobRunner::runStep(const QString& title, const Step& step, bool lateCancelCancels)
{
    const OperationResult result =
        runWithProgress(title, [&](JobProgress& progress) { return step(progress); });
    return outcome(result, lastCancelled_, lateCancelCancels);
}
