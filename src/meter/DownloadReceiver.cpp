#include "meter/DownloadReceiver.h"

#include "app/JobProgress.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "meter/DownloadCompleteness.h"
#include "meter/SerialTransport.h"

#include <QIODevice>

#include <array>

DownloadReceiver::DownloadReceiver(SerialTransport& port, LineTiming timing) : port_(port), timing_(timing) {}

DownloadResult DownloadReceiver::receive(QIODevice& sink, JobProgress& progress)
{
    DownloadResult result;
    auto endWith = [&](DownloadStatus status, const QString& detail) {
        result.status = status;
        result.detail = detail;
        return result;
    };

    port_.setReadTimeout(timing_.readTimeoutMs);
    // Whatever is still on the line from an earlier exchange is not part of
    // this download.
    port_.purgeInput();
    if (port_.write("Dd", 2) != 2)
        return endWith(DownloadStatus::PortFailure, port_.errorString());
    port_.drain();

    const QString what = Strings::loadString(StringId::ReadingFromDevice);
    progress.report(what, 0, -1);
    std::array<char, kBlockSize> block{};
    int silentReads = 0;
    char lastByte = 0;
    while (silentReads < timing_.silentReadsToEnd) {
        if (progress.isCancelled())
            return endWith(DownloadStatus::Cancelled, QString());
        const std::int64_t got = port_.read(block.data(), kBlockSize);
        if (got < 0)
            return endWith(DownloadStatus::ReadFailure, port_.errorString());
        if (got == 0) {
            ++silentReads;
            continue;
        }
        silentReads = 0;
        if (sink.write(block.data(), got) != got)
            return endWith(DownloadStatus::FileFailure, sink.errorString());
        result.bytes += got;
        lastByte = block[static_cast<std::size_t>(got - 1)];
        progress.report(what, result.bytes, -1);
    }
    result.status = result.bytes > 0 && DownloadCompleteness::endsInsideRecord(lastByte)
                        ? DownloadStatus::Incomplete
                        : DownloadStatus::Ok;
    return result;
}
