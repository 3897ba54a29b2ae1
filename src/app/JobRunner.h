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

    // `title` says what is being done until the step reports. What the step
    // did stands, even when Cancel was pressed as it was ending.
    OperationResult run(const QString& title, const Step& step) { return runStep(title, step, false); }

    // For a step that only reads or prepares and leaves nothing the user
    // keeps, before a question or a step that writes: a Cancel pressed up to
    // the moment its progress closes cancels the operation, since the user
    // saw it running and said stop.
    OperationResult runPreparation(const QString& title, const Step& step)
    {
        return runStep(title, step, true);
    }

protected:
    virtual OperationResult runStep(const QString& title, const Step& step, bool lateCancelCancels) = 0;

    // The step's outcome, or cancelled for a preparation whose progress was
    // cancelled by the time it closed.
    static OperationResult outcome(const OperationResult& result, bool cancelled, bool lateCancelCancels)
    {
        return lateCancelCancels && result && cancelled ? OperationResult::cancelled() : result;
    }
};

// Runs each step in place on the caller's thread with the progress given:
// the command line's terminal progress, or progress nobody watches.
class InPlaceJobRunner : public JobRunner
{
public:
    // Without a progress of its own, each step gets a fresh unwatched one.
    InPlaceJobRunner() = default;
    explicit InPlaceJobRunner(JobProgress& progress) : progress_(&progress) {}

protected:
    OperationResult runStep(const QString&, const Step& step, bool lateCancelCancels) override
    {
        SilentProgress unwatched;
        JobProgress& progress = progress_ ? *progress_ : unwatched;
        const OperationResult result = step(progress);
        return outcome(result, progress.isCancelled(), lateCancelCancels);
    }

private:
    JobProgress* progress_ = nullptr;
};
