#include "gui/browser/CircuitBrowserValues.h"

#include "app/StringIds.h"
#include "report/ViewResultRows.h"
#include "standards/CircuitEvaluation.h"

namespace {

// The view's row of that caption for this circuit, where it holds a value
// for `slot`; none where the view leaves the cell empty.
std::optional<int> shownRow(const CircuitResults& circuit, int slot, int captionId)
{
    for (int row : ViewResultRows::rowsOf(circuit)) {
        if (ViewResultRows::captionId(row) == captionId)
            return ViewResultRows::applies(row, circuit, slot) ? std::optional<int>(row) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<QString> shownText(const CircuitResults& circuit, int slot, int captionId)
{
    const std::optional<int> row = shownRow(circuit, slot, captionId);
    if (!row)
        return std::nullopt;
    return ViewResultRows::value(*row, circuit, slot);
}

} // namespace

namespace CircuitBrowserValues {

std::optional<float> opticalLoss(const CircuitResults& circuit, int slot)
{
    if (!shownRow(circuit, slot, StringId::ViewRowOpticalLoss))
        return std::nullopt;
    return circuit.at(slot).opticalLoss;
}

std::optional<QString> opticalLossText(const CircuitResults& circuit, int slot)
{
    return shownText(circuit, slot, StringId::ViewRowOpticalLoss);
}

std::optional<float> overhead(const CircuitResults& circuit, int slot)
{
    if (!shownRow(circuit, slot, StringId::ViewRowSystemOverhead))
        return std::nullopt;
    return circuit.at(slot).overhead;
}

std::optional<QString> overheadText(const CircuitResults& circuit, int slot)
{
    return shownText(circuit, slot, StringId::ViewRowSystemOverhead);
}

VerdictCell verdict(const CircuitResults& circuit, int slot)
{
    return verdictCellFor(circuit, slot);
}

QString verdictText(const CircuitResults& circuit, int slot)
{
    const std::optional<QString> text = shownText(circuit, slot, StringId::ViewRowPassFail);
    return text ? *text : QString();
}

} // namespace CircuitBrowserValues
