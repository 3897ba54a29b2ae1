#include "support/ScriptedPortOpener.h"
#include "support/TempFolderGuard.h"

#include "app/JobProgress.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "meter/DownloadReceiver.h"
#include "meter/MeterLink.h"
#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

ScriptedMeter pendraSending(const QList<LineEvent>& download)
{
    ScriptedMeter meter;
    meter.answer = {LineEvent::data("PN2031")};
    meter.download = download;
    return meter;
}

// Cancels its job once this many bytes have been reported.
class CancelAfterBytes : public JobProgress
{
public:
    explicit CancelAfterBytes(std::int64_t limit) : limit_(limit) {}
    void report(const QString&, std::int64_t done, std::int64_t) override
    {
        if (done >= limit_)
            cancel();
    }

private:
    std::int64_t limit_;
};

// A sink that accepts some bytes and then fails, like a full disk.
class FullDisk : public QBuffer
{
public:
    explicit FullDisk(qint64 room) : room_(room) { open(QIODevice::WriteOnly); }

protected:
    qint64 writeData(const char* data, qint64 size) override
    {
        if (size > room_) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        room_ -= size;
        return QBuffer::writeData(data, size);
    }

private:
    qint64 room_;
};

struct LinkFixture
{
    TempFolderGuard temp;
    ScriptedPortOpener opener;
    ScriptedPrompt prompt;
    RecordingStatusSink status;
    SilentProgress progress;
    MeterLink link{opener, prompt, status};
};

} // namespace

TEST(MeterLink, NoMeterAsksRetryOrCancelAndCancelLeavesThePortUnset)
{
    LinkFixture f;
    f.prompt.addAnswer(PromptAnswer::Retry);
    EXPECT_EQ(f.link.findMeter(f.progress), -1);
    EXPECT_EQ(f.opener.attempts.size(), 40) << "Retry scans all twenty ports again";
    ASSERT_EQ(f.prompt.exchanges().size(), 2);
    const ScriptedPrompt::Exchange& asked = f.prompt.exchanges().at(0);
    EXPECT_EQ(asked.kind, "retrycancel");
    EXPECT_EQ(asked.text, Strings::loadString(StringId::UnableToFindDevice));
    EXPECT_EQ(asked.icon, PromptIcon::Exclamation);
    EXPECT_EQ(f.link.port(), -1);

    const DownloadResult result = f.link.downloadToFile(f.progress);
    EXPECT_EQ(result.status, DownloadStatus::NoMeter);
    EXPECT_EQ(f.opener.attempts.size(), 60) << "a download after Cancel searches again";
    EXPECT_TRUE(f.temp.files().isEmpty());
}

TEST(MeterLink, DownloadSearchesOnceThenGoesStraightToTheFoundPort)
{
    LinkFixture f;
    f.opener.meters[5] = pendraSending({LineEvent::data("'Company',"), LineEvent::data("'555'\n")});
    const DownloadResult first = f.link.downloadToFile(f.progress);
    ASSERT_TRUE(first.ok()) << first.detail.toStdString();
    EXPECT_EQ(f.link.port(), 5);
    EXPECT_EQ(f.link.meterType(), MeterType::Pendra);
    EXPECT_EQ(f.status.texts, QStringList({Strings::loadString(StringId::SearchingForDevice),
                                           Strings::loadString(StringId::ReadingFromDevice)}));
    EXPECT_EQ(readAll(first.path), "'Company','555'\n");
    EXPECT_EQ(first.bytes, 16);
    const QFileInfo info(first.path);
    EXPECT_TRUE(info.fileName().startsWith("_kavcurrent")) << info.fileName().toStdString();
    EXPECT_EQ(info.suffix(), "kav");
    EXPECT_EQ(info.absolutePath(), QFileInfo(f.temp.downloads()).absoluteFilePath());
    EXPECT_EQ(f.temp.files(), QStringList{info.fileName()}) << "no placeholder file left beside it";

    f.opener.attempts.clear();
    f.status.texts.clear();
    const DownloadResult second = f.link.downloadToFile(f.progress);
    ASSERT_TRUE(second.ok());
    EXPECT_EQ(f.opener.attempts, QList<int>{5});
    EXPECT_EQ(f.status.texts, QStringList{Strings::loadString(StringId::ReadingFromDevice)});
    EXPECT_NE(second.path, first.path);
    EXPECT_EQ(f.opener.meters[5].written, "?DdDd");
    EXPECT_EQ(f.opener.meters[5].opens, f.opener.meters[5].closes);
}

TEST(MeterLink, CorvinaDownloadsAreKavwFiles)
{
    LinkFixture f;
    f.opener.meters[2].answer = {LineEvent::data("CV<NONE>")};
    f.opener.meters[2].download = {LineEvent::data("850,-20.1,-1.2\n")};
    const DownloadResult result = f.link.downloadToFile(f.progress);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(QFileInfo(result.path).suffix(), "kavw");
}

TEST(MeterLink, PausesDuringTheTransferDoNotEndIt)
{
    // Twelve pauses of up to nine empty reads: only ten empty reads in a row
    // end the transfer, so nothing after the pauses is lost.
    QList<LineEvent> download;
    QByteArray expected;
    for (int i = 0; i < 12; ++i) {
        const QByteArray line = "'F" + QByteArray::number(i) + "',-20.5\n";
        download.append(LineEvent::data(line));
        expected += line;
        for (int gap = 0; gap < 1 + i % 9; ++gap)
            download.append(LineEvent::silence());
    }
    LinkFixture f;
    f.opener.meters[1] = pendraSending(download);
    const DownloadResult result = f.link.downloadToFile(f.progress);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(readAll(result.path), expected);
}

TEST(MeterLink, TenEmptyReadsInARowEndTheTransfer)
{
    // Whole lines: data cut inside a line would be an incomplete download.
    QList<LineEvent> download{LineEvent::data("first\n")};
    for (int i = 0; i < 10; ++i)
        download.append(LineEvent::silence());
    download.append(LineEvent::data("late\n"));
    LinkFixture f;
    f.opener.meters[1] = pendraSending(download);
    const DownloadResult result = f.link.downloadToFile(f.progress);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(readAll(result.path), "first\n");
}

TEST(MeterLink, AFailingLineIsAFailureAndLeavesNoFile)
{
    LinkFixture f;
    f.opener.meters[4] = pendraSending({LineEvent::data("'Company','555','PN"), LineEvent::failure()});
    const DownloadResult result = f.link.downloadToFile(f.progress);
    EXPECT_EQ(result.status, DownloadStatus::ReadFailure);
    EXPECT_EQ(result.bytes, 19);
    EXPECT_TRUE(result.path.isEmpty());
    EXPECT_TRUE(f.temp.files().isEmpty()) << f.temp.files().join(' ').toStdString();
    EXPECT_EQ(f.link.port(), 4) << "the found port is kept after a failed download";
    EXPECT_EQ(f.opener.meters[4].opens, f.opener.meters[4].closes);
}

TEST(MeterLink, AFoundPortThatCannotBeOpenedFailsWithoutANewSearch)
{
    LinkFixture f;
    f.opener.meters[6] = pendraSending({});
    ASSERT_EQ(f.link.findMeter(f.progress), 6);
    f.opener.meters.erase(6); // unplugged
    f.opener.attempts.clear();
    const DownloadResult result = f.link.downloadToFile(f.progress);
    EXPECT_EQ(result.status, DownloadStatus::PortFailure);
    EXPECT_EQ(f.opener.attempts, QList<int>{6});
    EXPECT_EQ(f.link.port(), 6);
    EXPECT_TRUE(f.prompt.exchanges().isEmpty());
}

TEST(MeterLink, ASilentMeterHasNoDataAndLeavesNoFile)
{
    TempFolderGuard temp;
    LinkFixture f;
    f.opener.meters[1] = pendraSending({});
    const DownloadResult result = f.link.downloadToFile(f.progress);
    EXPECT_EQ(result.status, DownloadStatus::NoData);
    EXPECT_EQ(result.detail, "The meter sent no data.");
    EXPECT_TRUE(result.path.isEmpty());
    EXPECT_TRUE(temp.files().isEmpty());
}

TEST(MeterLink, CancellingTheTransferLeavesNoFile)
{
    LinkFixture f;
    f.opener.meters[1] = pendraSending({LineEvent::data("0123456789"), LineEvent::data("0123456789")});
    CancelAfterBytes progress(10);
    const DownloadResult result = f.link.downloadToFile(progress);
    EXPECT_EQ(result.status, DownloadStatus::Cancelled);
    EXPECT_TRUE(f.temp.files().isEmpty());
    EXPECT_EQ(f.opener.meters[1].opens, f.opener.meters[1].closes);
}

TEST(DownloadReceiver, AFullDiskAndARefusedCommandAreFailures)
{
    SilentProgress progress;
    ScriptedMeter meter = pendraSending({LineEvent::data("0123456789"), LineEvent::data("abc")});
    {
        ScriptedSerialPort port(meter);
        FullDisk disk(12);
        const DownloadResult result = DownloadReceiver(port, LineTiming{}).receive(disk, progress);
        EXPECT_EQ(result.status, DownloadStatus::FileFailure);
        EXPECT_EQ(result.detail, "No space left on device");
    }
    meter.refuseWrites = true;
    ScriptedSerialPort port(meter);
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    EXPECT_EQ(DownloadReceiver(port, LineTiming{}).receive(sink, progress).status,
              DownloadStatus::PortFailure);
}
