#pragma once

#include <csignal>

class JobProgress;

// While it lives, Ctrl+C (SIGINT) and SIGTERM cancel the given job instead of
// killing the program, so that the job can put the serial port back, roll
// its transaction back and remove its half-written file on the way out. A
// second signal ends the program at once, its temporary files removed.
class CancelOnSignal
{
public:
    explicit CancelOnSignal(JobProgress& job);
    ~CancelOnSignal();

    // The signal that cancelled the job of the latest CancelOnSignal, 0 when
    // none did; it stays readable after that object has gone.
    static int cancellingSignal();
    // The exit status of a command whose job a signal cancelled: 128 + the
    // signal's number, as a shell reports a program the signal ended.
    static int exitStatus();
    CancelOnSignal(const CancelOnSignal&) = delete;
    CancelOnSignal& operator=(const CancelOnSignal&) = delete;

private:
    struct sigaction previousInterrupt_
    {
    };
    struct sigaction previousTerminate_
    {
    };
};
