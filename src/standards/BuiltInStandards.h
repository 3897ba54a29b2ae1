#pragma once

#include "standards/StandardEntry.h"

#include <vector>

constexpr int kBuiltInStandardCount = 90;

// The 90 built-in entries in the order the catalogue adds them.
std::vector<StandardEntry> builtInStandards();
