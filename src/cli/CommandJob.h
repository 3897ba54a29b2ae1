#pragma once

#include "cli/CancelOnSignal.h"
#include "cli/CliCommands.h"
#include "cli/TerminalProgress.h"

// One long command (import, export, print, a download): its progress on the
// terminal when standard error is one, and Ctrl+C or SIGTERM cancelling it
// cleanly.
class CommandJob
{
public:
    explicit CommandJob(CliContext& context);

    TerminalProgress& progress() { return progress_; }
    bool cancelled() const { return progress_.isCancelled(); }
    // Ends the progress line and gives the exit status of a cancelled command
    // (130 for SIGINT, 143 for SIGTERM), saying on standard error that
    // nothing was changed.
    int cancelledExit(CliContext& context);

private:
    TerminalProgress progress_;
    CancelOnSignal cancelOnSignal_;
};

// Progress goes to a terminal only; the tests' in-memory streams never are one.
bool isTerminal(const QTextStream& err);
