#pragma once

#include <QString>

struct CircuitResults;

// What the Pass/Fail cell of a wavelength column shows. The values are the
// cell codes both reports index their texts with.
enum class VerdictCell : int
{
    Other = 0,       // no verdict can be given: the link's length is not a real one
    BeyondSlots = 1, // the column has no slot
    NotMeasured = 2,
    Pass = 3,
    Fail = 4,
    Note1 = 5, // reference set by hand: no verdict
    Note2 = 6, // the fiber's type differs from the link's
    Note3 = 7, // the standard does not cover the slot
};

// The cell of `slot` (-1 for a column beyond the slot count). A measured slot
// of a link without a real length shows Other ("-"): it was not judged. A pass or fail
// against a standard other than a user-defined budget gives way to note 2 on
// a fiber type mismatch and else to note 3 for a slot the standard does not cover.
VerdictCell verdictCellFor(const CircuitResults& circuit, int slot);

// The cell's English text ("Pass", "Fail", "Note1".."Note3", "-" or " "), for
// machine-readable output that does not follow the language module.
QString verdictCellEnglish(VerdictCell cell);
