#include "cli/CancelOnSignal.h"

#include "app/JobProgress.h"
#include "app/TemporaryFileRegistry.h"

#include <atomic>

namespace {

std::atomic<JobProgress*> cancelledBySignal{nullptr};
std::atomic<int> cancelling{0};

void cancelJob(int signalNumber)
{
    // Lock-free atomics, unlink and raise: all safe inside a signal handler.
    JobProgress* job = cancelledBySignal.load();
    if (job && !job->isCancelled()) {
        cancelling.store(signalNumber);
        job->cancel();
        return;
    }
    // A second signal while the job winds down ends the command at once.
    TemporaryFileRegistry::removeAllAndEnd(signalNumber);
}

} // namespace

CancelOnSignal::CancelOnSignal(JobProgress& job)
{
    static_assert(std::atomic<bool>::is_always_lock_free);
    static_assert(std::atomic<int>::is_always_lock_free);
    cancelling.store(0);
    cancelledBySignal.store(&job);
    struct sigaction action
    {
    };
    action.sa_handler = cancelJob;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previousInterrupt_);
    sigaction(SIGTERM, &action, &previousTerminate_);
}

CancelOnSignal::~CancelOnSignal()
{
    sigaction(SIGINT, &previousInterrupt_, nullptr);
    sigaction(SIGTERM, &previousTerminate_, nullptr);
    cancelledBySignal.store(nullptr);
}

int CancelOnSignal::cancellingSignal()
{
    return cancelling.load();
}

int CancelOnSignal::exitStatus()
{
    // A job cancelled some other way counts as interrupted.
    const int signalNumber = cancelling.load();
    return 128 + (signalNumber != 0 ? signalNumber : SIGINT);
}
