#pragma once

#include "report/VerdictTexts.h"

#include <QString>

#include <array>
#include <limits>
#include <vector>

struct CircuitRecord;
struct CircuitResults;

// The tables that show a circuit's results row by row: the window's Details
// layout and the printed circuit detail report. They share their rules and
// most formats, but each has its own captions, verdict texts and a few rows
// of its own (the printed one adds the operating margin in per cent).
enum class ResultTable
{
    View,
    Printed,
};

// Row codes, shared by both tables.
enum class ResultRowCode : int
{
    LightSourceReference = 1,
    FiberLoss = 2,
    ConnectorLoss = 3,
    SpliceLoss = 4,
    TotalAllowableLoss = 5,
    RequiredReturnLoss = 6,
    SystemReference = 7, // "Minimum Required Power" on paper
    MeasuredPower = 8,
    SystemOverhead = 9,
    ReturnLoss = 10,
    OperatingMargin = 11,
    OpticalLoss = 12,
    PassFail = 13,
    OperatingMarginPercent = 14,
};

// One cell as text and as data: what a table sorts by and what a painter
// colours by, beside what it shows.
struct ResultCell
{
    QString text;
    // The figure shown, in its unit (dB, dBm, %); NaN for a blank, a "-" or a verdict.
    double number = std::numeric_limits<double>::quiet_NaN();
    // What a verdict cell says; None for every other cell.
    VerdictKind kind = VerdictKind::None;
    // The verdict cell's code, for the notes a page lists; BeyondSlots elsewhere.
    VerdictCell verdict = VerdictCell::BeyondSlots;
    // A margin percentage above the budget: printed with its mark and its note.
    bool invalidMargin = false;
};

struct ResultRow
{
    ResultRowCode code = ResultRowCode::PassFail;
    int captionId = 0;
    std::array<ResultCell, 4> cells; // one per wavelength column
};

// One measured wavelength of a circuit, as a list of all circuits shows it:
// optical loss, allowed loss, overhead (the return-loss margin of a
// return-loss slot) and verdict.
struct WavelengthResult
{
    int slot = -1;
    QString wavelength;
    ResultCell opticalLoss;
    ResultCell allowedLoss;
    ResultCell overhead;
    ResultCell verdict;
};

// The one place that decides which result rows a circuit shows and how each
// value is written: the view's Details and Summary, the printed detail
// report and the circuit browser all read their results from here, so a
// rule or a format changes once for all of them.
class CircuitResultRows
{
public:
    static constexpr int kColumnCount = 4;

    // The slot shown in wavelength column k: the site's k-th measured slot,
    // -1 beyond them.
    static int columnSlot(const CircuitRecord& circuit, int column);

    // The rows `table` shows for the circuit, top down, each with the cells
    // of the four wavelength columns: " " in a column without a slot, "-"
    // where the row does not apply to the slot, else the value. Return Loss,
    // Required Return Loss, the margin and Pass/Fail for a return-loss
    // circuit; the loss rows for any other.
    static std::vector<ResultRow> rowsOf(const CircuitRecord& circuit, ResultTable table);

    // Every measured wavelength of the circuit, in slot order, as the view's
    // Summary and the circuit browser write them. A return-loss slot's
    // overhead keeps its sign inside the deficit's parentheses.
    static std::vector<WavelengthResult> wavelengthsOf(const CircuitRecord& circuit);
    // One measured slot of those, for a reader that wants a single column.
    static WavelengthResult wavelengthOf(const CircuitRecord& circuit, int slot);
};
