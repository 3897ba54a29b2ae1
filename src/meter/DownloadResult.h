#pragma once

#include <QString>

#include <cstdint>

// How a download to file ended. The user is told "Could not get data from
// device" for a failure of the meter or the line; the status lets the caller
// tell them apart, and a cut transfer or a cancel is said as such.
enum class DownloadStatus
{
    Ok,
    NoMeter,     // the search found none, or the user cancelled it
    PortFailure, // the found port could not be opened or set up, or refused the command
    FileFailure, // the data file could not be created or written
    ReadFailure, // the line failed during the transfer (cable pulled, adapter gone)
    Cancelled,   // the user stopped the job
    NoData,      // the meter answered the command with nothing at all
    Incomplete,  // the data end inside a record: the transfer was cut short
};

struct DownloadResult
{
    DownloadStatus status = DownloadStatus::NoMeter;
    QString path;           // the data file: on success, or the kept bytes of an incomplete one
    std::int64_t bytes = 0; // received before the end, also on failure
    QString detail;         // what failed, for logs and the command line

    bool ok() const { return status == DownloadStatus::Ok; }
};
