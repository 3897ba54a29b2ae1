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
