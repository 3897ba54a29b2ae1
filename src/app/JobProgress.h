#pragma once

#include <QString>

#include <atomic>
#include <cstdint>

// One long operation (meter search, download, import, save, printing): it
// reports what it is doing and checks for a cancel request between steps. The
// GUI shows a progress dialog, the command line prints to a terminal. Each job
// has its own cancel flag.
//
// Threads: report() is called on the thread the job runs on, which may be a
// worker; an implementation that shows something marshals it to its own
// thread (SignallingProgress does, through a queued signal). cancel() and
// isCancelled() may be called from any thread at any time.
class JobProgress
{
public:
    virtual ~JobProgress() = default;

    // `total` is -1 when the amount of work is not known in advance.
    virtual void report(const QString& what, std::int64_t done, std::int64_t total) = 0;

    void cancel() { cancelled_.store(true); }
    bool isCancelled() const { return cancelled_.load(); }

private:
    std::atomic<bool> cancelled_{false};
};

// Progress nobody watches; the job can still be cancelled.
class SilentProgress : public JobProgress
{
public:
    void report(const QString&, std::int64_t, std::int64_t) override {}
};
