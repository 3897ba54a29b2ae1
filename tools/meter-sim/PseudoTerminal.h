#pragma once

#include <string>

// A pseudo-terminal pair: the simulator talks on the master, the program
// under test opens the slave's path as its serial port. The simulator keeps
// a descriptor of the slave open itself, so the master does not see a hang-up
// each time the program closes the port between probe and download.
class PseudoTerminal
{
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // False with a message when no pair could be made.
    bool open(std::string* error);
    // Both ends closed: the program's open slave sees the line go dead.
    void hangUp();

    int master() const { return master_; }
    const std::string& slavePath() const { return slavePath_; }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};
