#pragma once

#include <QString>

#include <span>

struct CircuitResults;

// The rows of the results table of the view's Details layout: which rows a
// circuit shows, their captions and the text of a filled cell. The printed
// detail report has a table of its own (DetailResultTable) with other rows,
// captions and formats.
class ViewResultRows
{
public:
    // Return Loss, Required Return Loss, System Overhead and Pass/Fail for a
    // return-loss circuit; the ten loss rows for any other.
    static std::span<const int> rowsOf(const CircuitResults& circuit);
    static int captionId(int row);
    // Whether `row` holds a value for a measured slot.
    static bool applies(int row, const CircuitResults& circuit, int slot);
    // The value of `row` for `slot`; only meaningful where applies() holds.
    static QString value(int row, const CircuitResults& circuit, int slot);
};
