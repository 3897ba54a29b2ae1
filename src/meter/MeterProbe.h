#pragma once

#include "meter/LineTiming.h"
#include "meter/MeterType.h"
#include "meter/PortOpenError.h"

#include <QStringList>

#include <memory>

class JobProgress;
class SerialPortOpener;
class SerialTransport;

// Asks one port after another who is there: "?" goes out, the answer names
// the meter family. Ports that cannot be opened, set up or written to, and
// ports that answer nothing known, are simply not the meter.
class MeterProbe
{
public:
    // A device that never stops talking would keep a probe going for ever;
    // no answer that names a family needs more than this.
    static constexpr int kMaxAnswerBytes = 256;

    MeterProbe(SerialPortOpener& opener, LineTiming timing);

    // True when port n answered as a meter; the meter type is then that
    // port's family. A cancelled job ends the probe with false.
    bool probePort(int portNumber, JobProgress& progress);
    // The same for a serial device named by its path.
    bool probeDevice(const QString& devicePath, JobProgress& progress);

    // Why the last probe found no meter: the port's refusal, or that nothing
    // known answered there (in the user's words, naming the port).
    QString lastProblem() const { return lastProblem_; }
    // The ports of the last scan that are there but could not be opened
    // (permission, another program), one message each: the meter may well be
    // on one of them, so a search that found nothing names them.
    const QStringList& refusals() const { return refusals_; }

    // Probes COM1..COM20 in turn and returns the highest port that answered,
    // or -1; the meter type is that port's. A cancelled job gives -1.
    int scanPorts(JobProgress& progress);

    MeterType meterType() const { return meterType_; }

private:
    bool probeOpened(std::unique_ptr<SerialTransport> port, const PortOpenError& openError,
                     const QString& portName, JobProgress& progress);
    QByteArray collectAnswer(SerialTransport& port, JobProgress& progress);

    SerialPortOpener& opener_;
    LineTiming timing_;
    MeterType meterType_ = MeterType::None;
    QString lastProblem_;
    PortOpenError lastOpenError_;
    QStringList refusals_;
};
