#pragma once

#include "meter/DownloadModel.h"

#include <optional>
#include <set>
#include <vector>

// What happens to a parsed download before it is stored: the parts no fiber
// uses are dropped, and data of meters before firmware 2.0 get their
// light-source references back.
namespace DownloadPreparation {

// Site numbers of all fiber lists.
std::set<int> usedSiteNumbers(const DownloadModel& model);

// Reading columns (0-based, ascending, below the list's wavelength count)
// that hold a reading (a finite number) in at least one fiber of the list.
std::vector<int> usedColumns(const FiberList& list);

// The number of a wavelength name for matching custom standards: the name
// without its last two characters, trimmed, read as a whole number. Nothing
// for names of two characters or less, negative numbers or no digits.
std::optional<int> wavelengthNumberOf(const QString& name);

// Drops sites without fibers, return-loss blocks no used site selects and
// custom standard rows no stored fiber needs.
void prune(DownloadModel& model);

// Before firmware 2.0 a meter stored references with the default budget taken
// off in budget mode; puts the budget back and moves the site to the default
// budget's standard.
void restoreOldReferences(DownloadModel& model);

} // namespace DownloadPreparation
