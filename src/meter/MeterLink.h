#pragma once

#include "meter/DownloadResult.h"
#include "meter/LineTiming.h"
#include "meter/MeterType.h"

class JobProgress;
class QFile;
class SerialPortOpener;
class StatusSink;
class UserPrompt;

// The document's connection to the meter. The port found by the first search
// is kept for the link's whole life, also when a later download on it fails;
// a cancelled search leaves the link unset so the next download searches
// again. A port is open only during one probe or one download.
class MeterLink
{
public:
    MeterLink(SerialPortOpener& opener, UserPrompt& prompt, StatusSink& status);

    void setLineTiming(LineTiming timing) { timing_ = timing; }

    // Scans COM1..COM20, asking Retry or Cancel while nothing answers. Stores
    // and returns the port, or -1 (Cancel, or the job was cancelled).
    int findMeter(JobProgress& progress);

    // Takes port n as the meter's port if a meter answers there, without a
    // search and without asking.
    bool identifyPort(int portNumber, JobProgress& progress);

    // Copies the meter's stored results into a new ".kav" (".kavw" for a
    // Corvina) file with the prefix "_kavcurrent" in the temporary folder.
    // Searches first when no port is known. On failure no file is left, except
    // that the bytes of a transfer cut short (Incomplete) are kept under a name
    // that says so: `path` names them and `detail` says it for the user.
    DownloadResult downloadToFile(JobProgress& progress);

    int port() const { return port_; }
    MeterType meterType() const { return meterType_; }

private:
    static bool keepIncomplete(QFile& data, const QString& dataPath, DownloadResult& result);

    SerialPortOpener& opener_;
    UserPrompt& prompt_;
    StatusSink& status_;
    LineTiming timing_;
    int port_ = -1;
    MeterType meterType_ = MeterType::None;
};
