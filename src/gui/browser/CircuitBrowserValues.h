#pragma once

#include "standards/VerdictCell.h"

#include <QString>

#include <optional>

struct CircuitRecord;

// The values of one wavelength slot as the browser's table shows them: the
// optical loss, the overhead and the verdict, as the view's Summary writes
// them. They come from the one table of result rows the view and the
// printed reports read (CircuitResultRows), never from rules of the
// browser's own.
namespace CircuitBrowserValues {

// The optical loss of `slot`, where the rows show a figure for it.
std::optional<float> opticalLoss(const CircuitRecord& circuit, int slot);
std::optional<QString> opticalLossText(const CircuitRecord& circuit, int slot);
// The system overhead (operating margin) of `slot`, where the rows show a figure for it.
std::optional<float> overhead(const CircuitRecord& circuit, int slot);
std::optional<QString> overheadText(const CircuitRecord& circuit, int slot);
// The Pass/Fail cell of `slot` and its text in the view's words.
VerdictCell verdict(const CircuitRecord& circuit, int slot);
QString verdictText(const CircuitRecord& circuit, int slot);

} // namespace CircuitBrowserValues
