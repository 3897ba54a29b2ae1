#pragma once

#include "standards/VerdictCell.h"

#include <array>
#include <cstddef>

// The string ids of the eight cell texts of one report, indexed by cell code.
using VerdictTexts = std::array<int, 8>;

inline int verdictTextId(const VerdictTexts& texts, VerdictCell cell)
{
    return texts[static_cast<std::size_t>(cell)];
}

// What a verdict cell says at a glance, for its colour and its sort order:
// a pass, a fail, a note that stands in for a verdict, or no verdict at all
// (a blank, a "-").
enum class VerdictKind : int
{
    None = 0,
    Pass = 1,
    Note = 2,
    Fail = 3,
};

inline VerdictKind verdictKindOf(VerdictCell cell)
{
    switch (cell) {
    case VerdictCell::Pass:
        return VerdictKind::Pass;
    case VerdictCell::Fail:
        return VerdictKind::Fail;
    case VerdictCell::Note1:
    case VerdictCell::Note2:
    case VerdictCell::Note3:
        return VerdictKind::Note;
    case VerdictCell::Other:
    case VerdictCell::BeyondSlots:
    case VerdictCell::NotMeasured:
        break;
    }
    return VerdictKind::None;
}
