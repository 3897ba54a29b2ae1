#include "meter/MeterLink.h"

#include "app/JobProgress.h"
#include "app/LogCategories.h"
#include "app/ProcessFiles.h"
#include "app/StatusSink.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/TemporaryFileRegistry.h"
#include "app/UserFolders.h"
#include "app/UserPrompt.h"
#include "meter/DownloadCompleteness.h"
#include "meter/DownloadReceiver.h"
#include "meter/MeterProbe.h"
#include "meter/SerialPortOpener.h"

#include <QDir>
#include <QFile>

MeterLink::MeterLink(SerialPortOpener& opener, UserPrompt& prompt, StatusSink& status)
    : opener_(opener), prompt_(prompt), status_(status)
{
}

int MeterLink::findMeter(JobProgress& progress)
{
    for (;;) {
        MeterProbe probe(opener_, timing_);
        const int found = probe.scanPorts(progress);
        if (found >= 0) {
            port_ = found;
            meterType_ = probe.meterType();
            qCDebug(lcMeter).noquote() << "A meter of family" << static_cast<int>(meterType_) << "answered on"
                                       << QStringLiteral("COM%1").arg(found);
            return found;
        }
        if (progress.isCancelled())
            return -1;
        const PromptAnswer answer = prompt_.askRetryCancel(Strings::loadString(StringId::UnableToFindDevice),
                                                           QString(), PromptIcon::Exclamation);
        if (answer != PromptAnswer::Retry)
            return -1;
    }
}

bool MeterLink::identifyPort(int portNumber, JobProgress& progress)
{
    MeterProbe probe(opener_, timing_);
    progress.report(
        Strings::formatMessage(Strings::loadString(StringId::ProbingPort), {QString::number(portNumber)}), 0,
        1);
    if (!probe.probePort(portNumber, progress))
        return false;
    port_ = portNumber;
    meterType_ = probe.meterType();
    return true;
}

bool MeterLink::keepIncomplete(QFile& data, const QString& dataPath, DownloadResult& result)
{
    // Half a download is no download, but it is what the meter sent: it is
    // kept for the user, under a name that no one takes for a whole one.
    if (!data.flush()) {
        result.status = DownloadStatus::FileFailure;
        result.detail = data.errorString();
        return false;
    }
    data.close();
    const QString kept = DownloadCompleteness::incompleteName(dataPath);
    result.path = QFile::rename(dataPath, kept) ? kept : dataPath;
    result.detail = DownloadCompleteness::message(result.path);
    return true;
}

DownloadResult MeterLink::downloadToFile(JobProgress& progress)
{
    DownloadResult result;
    if (port_ < 0) {
        status_.showStatus(StringId::SearchingForDevice);
        findMeter(progress);
        if (port_ < 0) {
            result.status = progress.isCancelled() ? DownloadStatus::Cancelled : DownloadStatus::NoMeter;
            return result;
        }
    }

    const std::unique_ptr<SerialTransport> port = opener_.open(port_, &result.detail);
    if (!port || !port->configure()) {
        if (port)
            result.detail = port->errorString();
        result.status = DownloadStatus::PortFailure;
        return result;
    }

    // The data file is made with its unique name at once, in the user's own
    // downloads folder: what is kept of a download that could not be stored
    // stays there for the user, where no boot empties it as /tmp. Half a
    // transfer is of no use: a failed one removes it, and so does a signal
    // that ends the program meanwhile.
    const QString downloads = UserFolders::downloadsFolder();
    QString dataPath;
    if (UserFolders::makePrivateFolder(UserFolders::stateFolder(), &result.detail) &&
        UserFolders::makePrivateFolder(downloads, &result.detail))
        dataPath = ProcessFiles::newRegisteredFile(downloads, QStringLiteral("_kavcurrent"),
                                                   downloadFileExtension(meterType_), true, &result.detail);
    if (dataPath.isEmpty()) {
        qCWarning(lcMeter).noquote() << "No download file can be made in" << downloads + QLatin1Char(':')
                                     << result.detail;
        result.status = DownloadStatus::FileFailure;
        return result;
    }
    struct Receiving
    {
        QString path;
        bool keep = false;
        ~Receiving()
        {
            if (!keep)
                QFile::remove(path);
            TemporaryFileRegistry::forget(path);
        }
    } receiving{dataPath};
    QFile data(dataPath);
    if (!data.open(QIODevice::WriteOnly)) {
        result.status = DownloadStatus::FileFailure;
        result.detail = data.errorString();
        return result;
    }

    status_.showStatus(StringId::ReadingFromDevice);
    qCDebug(lcMeter).noquote() << "Receiving from" << QStringLiteral("COM%1").arg(port_) << "into"
                               << dataPath;
    result = DownloadReceiver(*port, timing_).receive(data, progress);
    port->close();
    qCDebug(lcMeter) << "Received" << result.bytes << "bytes; status" << static_cast<int>(result.status);
    if (result.ok() && !data.flush()) {
        result.status = DownloadStatus::FileFailure;
        result.detail = data.errorString();
    }
    if (result.ok() && result.bytes == 0) {
        result.status = DownloadStatus::NoData;
        result.detail = Strings::loadString(StringId::MeterSentNoData);
    }
    if (result.status == DownloadStatus::Incomplete) {
        receiving.keep = keepIncomplete(data, dataPath, result);
        return result;
    }
    if (!result.ok())
        return result;
    receiving.keep = true;
    result.path = dataPath;
    return result;
}
