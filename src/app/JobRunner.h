#pragma once

#include "app/JobProgress.h"
#include "app/OperationResult.h"

#include <QString>

#include <functional>

// Where the core runs a long step of an operation (reading a file, building
// the circuit list, writing a save, storing a download). The window runs it
// on a worker thread behind a progress dialog with Cancel while its own
// thread goes on painting; the command line and the tests run it in place.
//
// Threads: run() is called on the caller's thread and returns there once the
// step has ended. The step may run on another thread: it touches only what
// it was given, reports through the progress and stops when that is
// cancelled. Questions and the adoption of what the step built stay with the
// caller, before and after run().
class JobRunner
{
public:
    using Step = std::function<OperationResult(JobProgress& progress)>;

    virtual ~JobRunner() = default;

    // `title` says what is being done until the step reports.
    virtual OperationResult run(const QString& title, const Step& step) = 0;
};

// Runs each step in place on the caller's thread with the progress given:
// the command line's terminal progress, or progress nobody watches.
class InPlaceJobRunner : public JobRunner
{
public:
    // Without a progress of its own, each step gets a fresh unwatched one.
    InPlaceJobRunner() = default;
    explicit InPlaceJobRunner(JobProgress& progress) : progress_(&progress) {}

    OperationResult run(const QString&, const Step& step) override
    {
        if (progress_)
            return step(*progress_);
        SilentProgress unwatched;
        return step(unwatched);
    }

private:
    JobProgress* progress_ = nullptr;
};
