#include "gui/browser/CircuitBrowserValues.h"

#include "database/CircuitRecord.h"
#include "report/CircuitResultRows.h"
#include "standards/CircuitEvaluation.h"

#include <cmath>

namespace {

std::optional<QString> figureText(const ResultCell& cell)
{
    if (std::isnan(cell.number))
        return std::nullopt;
    return cell.text;
}

} // namespace

namespace CircuitBrowserValues {

std::optional<float> opticalLoss(const CircuitRecord& circuit, int slot)
{
    // The figure the rows show, read without writing their texts: the index
    // asks this of every circuit of a large file.
    if (!circuit.isMeasured(slot))
        return std::nullopt;
    return circuit.at(slot).opticalLoss;
}

std::optional<QString> opticalLossText(const CircuitRecord& circuit, int slot)
{
    if (!circuit.isMeasured(slot))
        return std::nullopt;
    return figureText(CircuitResultRows::wavelengthOf(circuit, slot).opticalLoss);
}

// An overhead is shown only where the slot was judged, as the Details rows do.
std::optional<float> overhead(const CircuitRecord& circuit, int slot)
{
    if (!circuit.hasEvaluatedVerdict(slot))
        return std::nullopt;
    return circuit.at(slot).overhead;
}

std::optional<QString> overheadText(const CircuitRecord& circuit, int slot)
{
    if (!circuit.hasEvaluatedVerdict(slot))
        return std::nullopt;
    return figureText(CircuitResultRows::wavelengthOf(circuit, slot).overhead);
}

VerdictCell verdict(const CircuitRecord& circuit, int slot)
{
    return verdictCellFor(circuit, slot);
}

QString verdictText(const CircuitRecord& circuit, int slot)
{
    return CircuitResultRows::wavelengthOf(circuit, slot).verdict.text;
}

} // namespace CircuitBrowserValues
