#pragma once

#include "meter/DownloadResult.h"
#include "meter/LineTiming.h"

class JobProgress;
class QIODevice;
class SerialTransport;

// The download exchange on an open, configured line: "Dd" goes out and
// everything the meter sends is written to the sink as it arrives, block by
// block, until the line has been silent for `silentReadsToEnd` reads in a row.
// Silence in the middle of the data only pauses the transfer; a failing line
// ends it as a failure. Here, where every byte passes, it is judged whether
// the download arrived whole (DownloadCompleteness), so that every caller
// gets the same answer.
class DownloadReceiver
{
public:
    static constexpr std::int64_t kBlockSize = 1024;

    DownloadReceiver(SerialTransport& port, LineTiming timing);

    // Status Ok, PortFailure (command not sent), FileFailure, ReadFailure,
    // Cancelled or Incomplete (the data end inside a record, all of them
    // written to the sink); `bytes` says how much arrived.
    DownloadResult receive(QIODevice& sink, JobProgress& progress);

private:
    SerialTransport& port_;
    LineTiming timing_;
};
