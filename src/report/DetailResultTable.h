#pragma once

#include <QString>

#include <span>

struct CircuitResults;
class PageNotes;

// The rows of the test results table of the circuit detail report: which rows
// a circuit shows, their captions and the text of each cell.
class DetailResultTable
{
public:
    // Return Loss, Total Required Return Loss, Operating Margin and Pass/Fail
    // for a return-loss circuit; the eleven loss rows for any other.
    static std::span<const int> rowsOf(const CircuitResults& circuit);
    // The tabbed caption of a row.
    static int captionId(int row);
    // The cell of `row` in the column of `slot` (-1 for a column beyond the
    // slot count): " " there, "-" when the row does not apply to the slot,
    // else the value. The Pass/Fail row marks the notes it refers to and the
    // margin percentage row marks an invalid operating margin.
    static QString cell(int row, const CircuitResults& circuit, int slot, PageNotes& notes);

private:
    static bool applies(int row, const CircuitResults& circuit, int slot);
    static QString value(int row, const CircuitResults& circuit, int slot, PageNotes& notes);
    static QString marginPercent(float percent, PageNotes& notes);
};
