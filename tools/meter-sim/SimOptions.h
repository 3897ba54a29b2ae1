#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What the simulated meter does; see usageText().
struct SimOptions
{
    std::string identification = "PN1234";
    std::string downloadFile; // empty: the meter has nothing to send
    bool fast = false;
    int baud = 9600;
    std::int64_t pauseEvery = 0; // bytes of the download between pauses; 0 never
    int pauseMs = 0;
    bool silent = false;           // answers nothing at all
    bool garbage = false;          // answers "?" with random bytes
    std::int64_t hangUpAfter = -1; // bytes of the download, then the line goes dead
    int lifetimeSeconds = 600;
    bool corvina = false; // identifies as a Corvina meter; without --file sends builtInCorvinaDownload()
    bool help = false;

    // Nothing (and a message in `error`) when the arguments are wrong.
    static std::optional<SimOptions> parse(int argc, char** argv, std::string* error);
    static const char* usageText();
    // The readings a simulated Corvina meter sends when no file is given.
    static const char* builtInCorvinaDownload();
};
