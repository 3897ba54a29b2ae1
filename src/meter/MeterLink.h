#pragma once

#include "meter/DownloadResult.h"
#include "meter/LineTiming.h"
#include "meter/MeterType.h"

#include <QString>

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

    // Scans COM1..COM20, asking Retry or Cancel while nothing answers (the
    // question names the ports that are there but refused to open). Stores
    // and returns the port, or -1 (Cancel, or the job was cancelled).
    int findMeter(JobProgress& progress);

    // Takes port n as the meter's port if a meter answers there, without a
    // search and without asking.
    bool identifyPort(int portNumber, JobProgress& progress);
    // The same for a serial device named by its path.
    bool identifyDevice(const QString& devicePath, JobProgress& progress);
    // Why the last identifyPort() or identifyDevice() found no meter, in the
    // user's words.
    QString lastProblem() const { return lastProblem_; }

    // The device the user chose for the meter; empty: search COM1..COM20.
    // A download without a known port asks this one only, and a new choice
    // forgets the port found before.
    void chooseDevice(const QString& devicePath);
    QString chosenDevice() const { return chosenDevice_; }

    // Copies the meter's stored results into a new ".kav" (".kavw" for a
    // Corvina) file with the prefix "_kavcurrent" in the temporary folder.
    // Searches first when no port is known. On failure no file is left, except
    // that the bytes of a transfer cut short (Incomplete) are kept under a name
    // that says so: `path` names them and `detail` says it for the user.
    DownloadResult downloadToFile(JobProgress& progress);

    // COMn found or given; 0 when the meter's port is a device path, -1
    // while none is known.
    int port() const { return port_; }
    // The device of the meter's port; empty while none is known.
    QString devicePath() const;
    MeterType meterType() const { return meterType_; }

private:
    static bool keepIncomplete(QFile& data, const QString& dataPath, DownloadResult& result);

    SerialPortOpener& opener_;
    UserPrompt& prompt_;
    StatusSink& status_;
    LineTiming timing_;
    int port_ = -1;
    QString device_; // set when the port was given by its path
    QString chosenDevice_;
    QString lastProblem_;
    MeterType meterType_ = MeterType::None;
};
