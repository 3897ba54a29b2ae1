#pragma once

#include "meter/LineTiming.h"
#include "meter/MeterType.h"

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

    // Probes COM1..COM20 in turn and returns the highest port that answered,
    // or -1; the meter type is that port's. A cancelled job gives -1.
    int scanPorts(JobProgress& progress);

    MeterType meterType() const { return meterType_; }

private:
    QByteArray collectAnswer(SerialTransport& port, JobProgress& progress);

    SerialPortOpener& opener_;
    LineTiming timing_;
    MeterType meterType_ = MeterType::None;
};
