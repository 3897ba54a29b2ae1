#pragma once

#include "standards/VerdictCell.h"

#include <QString>

#include <optional>

struct CircuitResults;

// The values of one wavelength slot as the browser's table shows them: the
// optical loss and the overhead where the view's Details table shows them,
// in its formats, and the slot's verdict cell. The browser asks nothing else
// of a circuit's results, so that the table of result rows the view and the
// printed report are to share can take this file's place without the
// browser changing: until it lands, the answers come from the view's rows
// (ViewResultRows) and the evaluation (verdictCellFor), never from rules of
// the browser's own.
namespace CircuitBrowserValues {

// The optical loss of `slot`, where the view shows one.
std::optional<float> opticalLoss(const CircuitResults& circuit, int slot);
std::optional<QString> opticalLossText(const CircuitResults& circuit, int slot);
// The system overhead (operating margin) of `slot`, where the view shows one.
std::optional<float> overhead(const CircuitResults& circuit, int slot);
std::optional<QString> overheadText(const CircuitResults& circuit, int slot);
// The Pass/Fail cell of `slot` and its text in the view's words.
VerdictCell verdict(const CircuitResults& circuit, int slot);
QString verdictText(const CircuitResults& circuit, int slot);

} // namespace CircuitBrowserValues
