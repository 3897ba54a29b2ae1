#include "app/ThreadBoundPrompt.h"
#include "app/SignallingProgress.h"
#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

namespace {

// Remembers on which thread it was asked.
class ThreadRecordingPrompt : public ScriptedPrompt
{
public:
    PromptAnswer askRetryCancel(const QString& text, const QString& caption, PromptIcon icon) override
    {
        askedOn = QThread::currentThread();
        return ScriptedPrompt::askRetryCancel(text, caption, icon);
    }
    QThread* askedOn = nullptr;
};

class ThreadRecordingStatus : public RecordingStatusSink
{
public:
    void showStatusText(const QString& text) override
    {
        threads.append(QThread::currentThread());
        RecordingStatusSink::showStatusText(text);
    }
    QList<QThread*> threads;
};

// Runs `work` on a thread of its own while this thread keeps its event loop
// going, as the window's thread does while a job runs.
template <typename Work>
void runOnWorker(Work work)
{
    QEventLoop loop;
    QThread* worker = QThread::create(work);
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
    delete worker;
}

} // namespace

TEST(ThreadBoundPrompt, AWorkersQuestionIsAskedOnTheHomeThreadAndAnswered)
{
    ThreadRecordingPrompt dialogs;
    dialogs.addAnswer(PromptAnswer::Retry);
    QObject home;
    ThreadBoundPrompt prompt(dialogs, &home);
    PromptAnswer answer = PromptAnswer::Ok;
    QThread* worker = nullptr;
    runOnWorker([&] {
        worker = QThread::currentThread();
        answer = prompt.askRetryCancel("Unable to find the meter", QString(), PromptIcon::Exclamation);
    });
    EXPECT_EQ(answer, PromptAnswer::Retry);
    EXPECT_EQ(dialogs.askedOn, QThread::currentThread());
    EXPECT_NE(worker, QThread::currentThread());
    EXPECT_EQ(dialogs.texts(), QStringList{"Unable to find the meter"});

    // On the home thread itself it asks directly.
    dialogs.addAnswer(PromptAnswer::Cancel);
    EXPECT_EQ(prompt.askRetryCancel("again", QString(), PromptIcon::None), PromptAnswer::Cancel);
}

TEST(ThreadBoundStatus, AWorkersTextsArriveOnTheHomeThreadInOrder)
{
    ThreadRecordingStatus bar;
    QObject home;
    ThreadBoundStatus status(bar, &home);
    runOnWorker([&] {
        for (int i = 0; i < 50; ++i)
            status.showStatusText(QString::number(i));
    });
    QCoreApplication::processEvents();
    ASSERT_EQ(bar.texts.size(), 50);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(bar.texts.at(i), QString::number(i));
        EXPECT_EQ(bar.threads.at(i), QThread::currentThread());
    }
}

TEST(SignallingProgress, ReportsReachAReceiverOnItsOwnThreadAndCancelReachesTheJob)
{
    SignallingProgress progress;
    QObject receiver;
    QList<qint64> seen;
    QList<QThread*> threads;
    QObject::connect(&progress, &SignallingProgress::progressed, &receiver,
                     [&](const QString&, qint64 done, qint64) {
                         seen.append(done);
                         threads.append(QThread::currentThread());
                         if (done == 3)
                             progress.cancel();
                     });
    int steps = 0;
    runOnWorker([&] {
        for (int i = 1; i <= 1000 && !progress.isCancelled(); ++i) {
            progress.report("step", i, 1000);
            ++steps;
            QThread::msleep(1);
        }
    });
    QCoreApplication::processEvents();
    EXPECT_TRUE(progress.isCancelled());
    EXPECT_LT(steps, 1000) << "the job saw the cancel";
    ASSERT_GE(seen.size(), 3);
    EXPECT_EQ(seen.first(), 1);
    for (QThread* thread : threads)
        EXPECT_EQ(thread, QThread::currentThread());
}
