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
            device_.clear();
            meterType_ = probe.meterType();
            qCDebug(lcMeter).noquote() << "A meter of family" << static_cast<int>(meterType_) << "answered on"
                                       << QStringLiteral("COM%1").arg(found);
            return found;
        }
        if (progress.isCancelled())
            return -1;
        QString text = Strings::loadString(StringId::UnableToFindDevice);
        if (!probe.refusals().isEmpty())
            text += QStringLiteral("\n\n") +
                    Strings::formatMessage(Strings::loadString(StringId::PortsRefusedInSearch),
                                           {probe.refusals().join(QLatin1Char('\n'))});
        const PromptAnswer answer = prompt_.askRetryCancel(text, QString(), PromptIcon::Exclamation);
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
    if (!probe.probePort(portNumber, progress)) {
        lastProblem_ = probe.lastProblem();
        return false;
    }
    port_ = portNumber;
    device_.clear();
    meterType_ = probe.meterType();
    lastProblem_.clear();
    return true;
}

bool MeterLink::identifyDevice(const QString& devicePath, JobProgress& progress)
{
    MeterProbe probe(opener_, timing_);
    progress.report(Strings::formatMessage(Strings::loadString(StringId::ProbingDevice), {devicePath}), 0, 1);
    if (!probe.probeDevice(devicePath, progress)) {
        lastProblem_ = probe.lastProblem();
        return false;
    }
    port_ = 0;
    device_ = devicePath;
    meterType_ = probe.meterType();
    lastProblem_.clear();
    return true;
}

void MeterLink::chooseDevice(const QString& devicePath)
{
    if (devicePath == chosenDevice_)
        return;
    chosenDevice_ = devicePath;
    port_ = -1;
    device_.clear();
    meterType_ = MeterType::None;
}

QString MeterLink::devicePath() const
{
    if (port_ < 0)
        return {};
    return port_ == 0 ? device_ : opener_.devicePath(port_);
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
    if (port_ < 0 && !chosenDevice_.isEmpty()) {
        // The user named the port: it is asked alone, and why it gave
        // nothing is said, never replaced by a search elsewhere.
        if (!identifyDevice(chosenDevice_, progress)) {
            result.status = progress.isCancelled() ? DownloadStatus::Cancelled : DownloadStatus::NoMeter;
            result.detail = lastProblem_;
            return result;
        }
    }
    if (port_ < 0) {
        status_.showStatus(StringId::SearchingForDevice);
        findMeter(progress);
        if (port_ < 0) {
            result.status = progress.isCancelled() ? DownloadStatus::Cancelled : DownloadStatus::NoMeter;
            return result;
        }
    }

    PortOpenError openError;
    const std::unique_ptr<SerialTransport> port =
        port_ == 0 ? opener_.openDevice(device_, &openError) : opener_.open(port_, &openError);
    if (!port || !port->configure()) {
        result.detail = port ? port->errorString() : openError.message;
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
