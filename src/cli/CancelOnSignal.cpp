#include "cli/CancelOnSignal.h"

#include "app/JobProgress.h"

#include <atomic>

namespace {

std::atomic<JobProgress*> cancelledBySignal{nullptr};

void cancelJob(int)
{
    // A lock-free atomic store: safe inside a signal handler.
    if (JobProgress* job = cancelledBySignal.load())
        job->cancel();
}

} // namespace

CancelOnSignal::CancelOnSignal(JobProgress& job)
{
    static_assert(std::atomic<bool>::is_always_lock_free);
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
