#include "cli/CommandJob.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "cli/CliApp.h"

#include <unistd.h>

bool isTerminal(const QTextStream& err)
{
    return err.string() == nullptr && ::isatty(STDERR_FILENO) == 1;
}

CommandJob::CommandJob(CliContext& context)
    : progress_(context.err, !context.quiet && isTerminal(context.err)), cancelOnSignal_(progress_)
{
}

int CommandJob::cancelledExit(CliContext& context)
{
    progress_.finishLine();
    context.err << "fibrolog-cli: " << Strings::loadString(StringId::OperationCancelled) << '\n';
    return CancelOnSignal::exitStatus();
}
