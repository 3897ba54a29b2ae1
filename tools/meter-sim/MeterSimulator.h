#pragma once

#include "PseudoTerminal.h"
#include "SimOptions.h"

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <string>

// The simulated meter: reads requests from the line and sends answers at the
// pace of its baud rate (or as fast as the line takes them).
class MeterSimulator
{
public:
    MeterSimulator(const SimOptions& options, PseudoTerminal& line);
    ~MeterSimulator();
    MeterSimulator(const MeterSimulator&) = delete;
    MeterSimulator& operator=(const MeterSimulator&) = delete;

    // Runs until the lifetime is over, a stop is requested, or the line is
    // hung up on purpose. Returns the exit status.
    int run(const volatile std::sig_atomic_t& stopRequested);

private:
    using Clock = std::chrono::steady_clock;

    void handleRequests();
    void handleByte(char c);
    void startDownload();
    // Fills `staged_` with what may go out now; returns false when nothing is
    // due yet or left.
    bool stageOutput(Clock::time_point now);
    bool sendStaged();
    int pollTimeoutMs(Clock::time_point now, Clock::time_point end) const;

    const SimOptions& options_;
    PseudoTerminal& line_;
    std::chrono::nanoseconds bytePeriod_;
    std::string answer_; // identification bytes still to send
    std::FILE* download_ = nullptr;
    std::int64_t downloadSent_ = 0;
    std::int64_t stagedFromDownload_ = 0;
    std::string staged_;
    Clock::time_point nextDue_;
    char previous_ = 0;
};
