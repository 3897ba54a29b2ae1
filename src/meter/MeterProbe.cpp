#include "meter/MeterProbe.h"

#include "app/JobProgress.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "meter/SerialPortOpener.h"
#include "meter/SerialPortPaths.h"

MeterProbe::MeterProbe(SerialPortOpener& opener, LineTiming timing) : opener_(opener), timing_(timing) {}

bool MeterProbe::probePort(int portNumber, JobProgress& progress)
{
    PortOpenError error;
    std::unique_ptr<SerialTransport> port = opener_.open(portNumber, &error);
    // A port with a device behind it is named by that device, as the user
    // knows it; the number alone says nothing on Linux.
    const QString device = opener_.devicePath(portNumber);
    const QString name = device.isEmpty() ? QStringLiteral("COM%1").arg(portNumber) : device;
    return probeOpened(std::move(port), error, name, progress);
}

bool MeterProbe::probeDevice(const QString& devicePath, JobProgress& progress)
{
    PortOpenError error;
    std::unique_ptr<SerialTransport> port = opener_.openDevice(devicePath, &error);
    return probeOpened(std::move(port), error, devicePath, progress);
}

bool MeterProbe::probeOpened(std::unique_ptr<SerialTransport> port, const PortOpenError& openError,
                             const QString& portName, JobProgress& progress)
{
    lastOpenError_ = openError;
    const QString noAnswer =
        Strings::formatMessage(Strings::loadString(StringId::NoMeterAnswersOn), {portName});
    if (!port) {
        lastProblem_ = openError.message.isEmpty() ? noAnswer : openError.message;
        return false;
    }
    lastProblem_ = noAnswer;
    if (!port->configure()) {
        lastProblem_ = port->errorString();
        return false;
    }
    port->setReadTimeout(timing_.readTimeoutMs);
    port->purgeInput();
    if (port->write("?", 1) != 1)
        return false;
    port->drain();
    const QByteArray answer = collectAnswer(*port, progress);
    port->close();
    if (progress.isCancelled())
        return false;
    const MeterType type = meterTypeFromAnswer(answer);
    if (type == MeterType::None)
        return false;
    meterType_ = type;
    lastProblem_.clear();
    return true;
}

QByteArray MeterProbe::collectAnswer(SerialTransport& port, JobProgress& progress)
{
    // The answer ends after the tenth empty read in all, not in a row: a meter
    // that stutters while it answers is cut short, as it always has been.
    // Once its first two characters name a family nothing that follows can
    // change the decision, so the first silence after them ends it: the
    // meter has finished its answer, and the search does not sit out two
    // seconds of silence before every download.
    QByteArray answer;
    int emptyReads = 0;
    for (int bytesRead = 0; bytesRead < kMaxAnswerBytes && !progress.isCancelled();) {
        char byte = 0;
        const std::int64_t got = port.read(&byte, 1);
        if (got < 0)
            break;
        if (got == 0) {
            if (++emptyReads >= timing_.silentReadsToEnd || answerIsSettled(answer))
                break;
            continue;
        }
        ++bytesRead;
        if (byte != 0)
            answer.append(byte);
    }
    return answer;
}

int MeterProbe::scanPorts(JobProgress& progress)
{
    meterType_ = MeterType::None;
    refusals_.clear();
    int found = -1;
    const int count = SerialPortPaths::kLastPort - SerialPortPaths::kFirstPort + 1;
    for (int port = SerialPortPaths::kFirstPort; port <= SerialPortPaths::kLastPort; ++port) {
        if (progress.isCancelled())
            return -1;
        progress.report(
            Strings::formatMessage(Strings::loadString(StringId::ProbingPort), {QString::number(port)}),
            port - SerialPortPaths::kFirstPort, count);
        if (probePort(port, progress))
            found = port;
        else if (lastOpenError_.refused())
            refusals_.append(lastOpenError_.message);
    }
    return progress.isCancelled() ? -1 : found;
}
