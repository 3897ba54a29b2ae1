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
