// meter-sim: an optical loss meter on a pseudo-terminal, for tests and demos
// without hardware. Prints the path of the serial end, then answers "?" and
// "Dd" until it is stopped.
#include "MeterSimulator.h"
#include "PseudoTerminal.h"
#include "SimOptions.h"

#include <csignal>
#include <cstdio>

#include <sys/prctl.h>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::string error;
    const std::optional<SimOptions> options = SimOptions::parse(argc, argv, &error);
    if (!options) {
        std::fprintf(stderr, "meter-sim: %s\n\n%s", error.c_str(), SimOptions::usageText());
        return 2;
    }
    if (options->help) {
        std::fputs(SimOptions::usageText(), stdout);
        return 0;
    }
    // A test that dies must not leave its meter behind.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    std::signal(SIGTERM, requestStop);
    std::signal(SIGINT, requestStop);

    PseudoTerminal line;
    if (!line.open(&error)) {
        std::fprintf(stderr, "meter-sim: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s\n", line.slavePath().c_str());
    std::fflush(stdout);
    MeterSimulator simulator(*options, line);
    return simulator.run(stopRequested);
}
