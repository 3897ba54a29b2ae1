// The Download command as the window runs it: the transfer on a worker
// thread, questions and status texts carried to the window's thread, the
// data stored on the document's own thread.
#include "DocumentFixture.h"

#include "app/SignallingProgress.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/ThreadBoundPrompt.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QSemaphore>
#include <QThread>

namespace {

// A user who watches the progress: each report waits until the window's
// thread has seen it (and perhaps pressed Cancel).
class WatchedProgress : public SignallingProgress
{
public:
    void report(const QString& what, std::int64_t done, std::int64_t total) override
    {
        SignallingProgress::report(what, done, total);
        seen.acquire();
    }
    QSemaphore seen;
};

class DocumentThreadsTest : public DocumentTest
{
protected:
    void SetUp() override
    {
        document_ = std::make_unique<CFibrologDoc>(boundPrompt_, boundStatus_, ports_);
        ScriptedMeter meter;
        meter.answer = {LineEvent::data("PN2031")};
        const QByteArray data = fileBytes(sample("pendra-v2_10.kav"));
        meter.download = {LineEvent::data(data.left(1000)), LineEvent::data(data.mid(1000))};
        ports_.meters[2] = meter;
    }

    DownloadResult transferOnWorker(WatchedProgress& progress)
    {
        DownloadResult result;
        QEventLoop loop;
        QThread* worker = QThread::create([&] { result = document_->transferDownload(progress); });
        QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
        worker->start();
        loop.exec();
        worker->wait();
        delete worker;
        QCoreApplication::processEvents();
        return result;
    }

    QObject window_;
    ThreadBoundPrompt boundPrompt_{prompt_, &window_};
    ThreadBoundStatus boundStatus_{status_, &window_};
};

} // namespace

TEST_F(DocumentThreadsTest, CancellingTheTransferFromTheWindowLeavesNothing)
{
    ASSERT_TRUE(document_->loadFile(sample("lintel-v2_5.kav")));
    const QString working = document_->workingPath();
    const QStringList filesBefore = temporaryFiles();

    WatchedProgress progress;
    const QString reading = Strings::loadString(StringId::ReadingFromDevice);
    QList<qint64> received;
    QObject::connect(&progress, &SignallingProgress::progressed, &window_,
                     [&](const QString& what, qint64 done, qint64) {
                         if (what == reading && done > 0) {
                             received.append(done);
                             progress.cancel(); // the user presses Cancel
                         }
                         progress.seen.release();
                     });
    const DownloadResult result = transferOnWorker(progress);
    EXPECT_EQ(result.status, DownloadStatus::Cancelled);
    EXPECT_EQ(received, QList<qint64>{1000});
    EXPECT_EQ(temporaryFiles(), filesBefore) << "the half data file is gone";
    EXPECT_EQ(document_->workingPath(), working);
    EXPECT_EQ(document_->circuits().count(), 7);
    EXPECT_FALSE(document_->isModified());
    EXPECT_TRUE(status_.texts.contains("Searching for KAV device")) << "status texts reached the window";
}

TEST_F(DocumentThreadsTest, ATransferOnAWorkerIsStoredOnTheDocumentsThread)
{
    WatchedProgress progress;
    QObject::connect(&progress, &SignallingProgress::progressed, &window_,
                     [&](const QString&, qint64, qint64) { progress.seen.release(); });
    int resets = 0;
    QObject::connect(document_.get(), &CFibrologDoc::circuitsReset, &window_, [&] { ++resets; });
    const DownloadResult result = transferOnWorker(progress);
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    EXPECT_EQ(result.bytes, fileBytes(sample("pendra-v2_10.kav")).size());

    ASSERT_TRUE(document_->storeDownload(result.path));
    EXPECT_EQ(document_->circuits().count(), 19);
    EXPECT_GE(resets, 1);
    EXPECT_EQ(status_.texts.last(), "Download successful");
    EXPECT_FALSE(QFile::exists(result.path));
}
