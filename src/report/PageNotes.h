#pragma once

#include "report/VerdictTexts.h"

#include <QString>

#include <array>

// The notes a report page has shown a mark for, and whether it printed an
// operating margin above the budget. Every page starts with none.
class PageNotes
{
public:
    // Cells Note1..Note3 mark their note as seen.
    void mark(VerdictCell cell);
    void markInvalidMargin() { invalidMargin_ = true; }
    bool invalidMargin() const { return invalidMargin_; }

    // The texts of the notes seen, in the order 1, 2, 3, seven blanks apart;
    // empty when none was seen.
    QString line(const std::array<int, 3>& noteTextIds) const;

private:
    std::array<bool, 3> seen_{};
    bool invalidMargin_ = false;
};
