#include "report/CircuitResultRows.h"

#include "app/LocaleFormat.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/CircuitRecord.h"

#include <cmath>
#include <span>

namespace {

using namespace StringId;
using Code = ResultRowCode;

constexpr std::array kViewLossRows = {
    Code::LightSourceReference, Code::FiberLoss,       Code::ConnectorLoss, Code::SpliceLoss,
    Code::TotalAllowableLoss,   Code::SystemReference, Code::MeasuredPower, Code::OpticalLoss,
    Code::SystemOverhead,       Code::PassFail};
constexpr std::array kViewReturnLossRows = {Code::ReturnLoss, Code::RequiredReturnLoss, Code::SystemOverhead,
                                            Code::PassFail};
// On paper the loss rows add the margin in per cent, and a return-loss
// circuit's margin is written as an operating margin, a deficit in parentheses.
constexpr std::array kPrintedLossRows = {Code::LightSourceReference,
                                         Code::FiberLoss,
                                         Code::ConnectorLoss,
                                         Code::SpliceLoss,
                                         Code::TotalAllowableLoss,
                                         Code::SystemReference,
                                         Code::MeasuredPower,
                                         Code::OpticalLoss,
                                         Code::SystemOverhead,
                                         Code::OperatingMarginPercent,
                                         Code::PassFail};
constexpr std::array kPrintedReturnLossRows = {Code::ReturnLoss, Code::RequiredReturnLoss,
                                               Code::OperatingMargin, Code::PassFail};

// Captions indexed by row code; index 0 is the blank caption.
constexpr std::array<int, 15> kViewCaptions = {
    ViewRowBlank,
    ViewRowLightSourceReference,
    ViewRowFiberLoss,
    ViewRowConnectorLoss,
    ViewRowSpliceLoss,
    ViewRowTotalAllowableLoss,
    ViewRowRequiredReturnLoss,
    ViewRowSystemReference,
    ViewRowMeasuredPower,
    ViewRowSystemOverhead,
    ViewRowReturnLoss,
    ViewRowOperatingMargin,
    ViewRowOpticalLoss,
    ViewRowPassFail,
    ViewRowOperatingMarginPercent,
};
constexpr std::array<int, 15> kPrintedCaptions = {
    DetailRowBlank,
    DetailRowLightSourceReference,
    DetailRowFiberLoss,
    DetailRowConnectorLoss,
    DetailRowSpliceLoss,
    DetailRowTotalAllowableLoss,
    DetailRowTotalRequiredReturnLoss,
    DetailRowMinimumRequiredPower,
    DetailRowMeasuredPower,
    DetailRowSystemOverhead,
    DetailRowReturnLoss,
    DetailRowOperatingMargin,
    DetailRowOpticalLoss,
    DetailRowPassFail,
    DetailRowOperatingMarginPercent,
};

constexpr VerdictTexts kViewVerdictTexts = {
    ViewVerdictOther, ViewCellBlank,    ViewCellNotApplicable, ViewVerdictPass,
    ViewVerdictFail,  ViewVerdictNote1, ViewVerdictNote2,      ViewVerdictNote3,
};
constexpr VerdictTexts kPrintedVerdictTexts = {
    DetailVerdictOther, DetailVerdictBeyondSlots, DetailVerdictNotMeasured, DetailVerdictPass,
    DetailVerdictFail,  DetailVerdictNote1,       DetailVerdictNote2,       DetailVerdictNote3,
};
constexpr VerdictTexts kSummaryVerdictTexts = {
    SummaryCellNoMeasurement, SummaryCellBlank,    SummaryCellNoMeasurement, SummaryVerdictPass,
    SummaryVerdictFail,       SummaryVerdictNote1, SummaryVerdictNote2,      SummaryVerdictNote3,
};

ResultCell textCell(int id)
{
    ResultCell cell;
    cell.text = Strings::loadString(id);
    return cell;
}

ResultCell figure(int templateId, int formatId, double value)
{
    ResultCell cell;
    cell.text = FormatLocalNumber(templateId, formatId, value);
    cell.number = value;
    return cell;
}

// A value >= 0 as it is; a negative one by its magnitude in its own
// template (parentheses, or none at all where the caption says "loss").
ResultCell signedFigure(double value, int templateId, int formatId, int negativeTemplateId,
                        int negativeFormatId)
{
    if (value >= 0)
        return figure(templateId, formatId, value);
    ResultCell cell = figure(negativeTemplateId, negativeFormatId, -value);
    cell.number = value;
    return cell;
}

// Below -10000 % the figure would not fit its column; above 100 % the margin
// is larger than the budget it is a share of, which no real fiber gives.
ResultCell marginPercent(float percent)
{
    if (percent <= -10000.0f) {
        ResultCell cell = figure(DetailMarginPercentFloorTemplate, DetailMarginPercentFloorFormat, -9999.99);
        cell.number = percent;
        return cell;
    }
    if (percent > 100.0f) {
        const double shown = std::isfinite(percent) ? static_cast<double>(percent) : 1000.0;
        ResultCell cell = figure(DetailMarginPercentInvalidTemplate, DetailMarginPercentInvalidFormat, shown);
        cell.invalidMargin = true;
        return cell;
    }
    return figure(DetailMarginPercentTemplate, DetailMarginPercentFormat, percent);
}

ResultCell verdictCell(const CircuitResults& circuit, int slot, const VerdictTexts& texts)
{
    ResultCell cell;
    cell.verdict = verdictCellFor(circuit, slot);
    cell.kind = verdictKindOf(cell.verdict);
    cell.text = Strings::loadString(verdictTextId(texts, cell.verdict));
    return cell;
}

ResultCell overheadCell(const CircuitResults& circuit, int slot)
{
    const SlotResult& s = circuit.at(slot);
    if (!s.returnLossResult)
        return figure(ViewOverheadTemplate, ViewOverheadFormat, s.overhead);
    if (s.overhead >= 0)
        return figure(ViewReturnLossTemplate, ViewReturnLossFormat, s.overhead);
    return figure(ViewReturnLossNegativeTemplate, ViewReturnLossNegativeFormat, s.overhead);
}

ResultCell opticalLossCell(const CircuitResults& circuit, int slot)
{
    return figure(ViewOverheadTemplate, ViewOverheadFormat, circuit.at(slot).opticalLoss);
}

ResultCell allowedLossCell(const CircuitResults& circuit, int slot)
{
    return figure(ViewAllowedLossTemplate, ViewAllowedLossFormat, circuit.at(slot).allowedLoss);
}

bool applies(Code row, const CircuitResults& circuit, int slot)
{
    switch (row) {
    case Code::LightSourceReference:
        return circuit.hasLossOrReturnLoss(slot);
    case Code::FiberLoss:
    case Code::ConnectorLoss:
    case Code::SpliceLoss:
        return circuit.hasLossResult(slot);
    case Code::TotalAllowableLoss:
    case Code::SystemReference:
        return circuit.showsLossRows(slot);
    case Code::RequiredReturnLoss:
    case Code::ReturnLoss:
        return circuit.isReturnLossOnly(slot);
    case Code::MeasuredPower:
    case Code::OpticalLoss:
    case Code::PassFail:
        return circuit.isMeasured(slot);
    case Code::SystemOverhead:
    case Code::OperatingMargin:
        return circuit.hasEvaluatedVerdict(slot);
    case Code::OperatingMarginPercent:
        return circuit.hasMarginPercent(slot);
    }
    return false;
}

ResultCell valueOf(Code row, const CircuitResults& circuit, int slot, ResultTable table)
{
    const SlotResult& s = circuit.at(slot);
    const bool printed = table == ResultTable::Printed;
    switch (row) {
    case Code::LightSourceReference:
        return figure(ViewReferenceTemplate, ViewReferenceFormat, s.referencePower);
    case Code::FiberLoss:
        return figure(ViewFiberAllowanceTemplate, ViewFiberAllowanceFormat, s.fiberAllowance);
    case Code::ConnectorLoss:
        return figure(ViewConnectorAllowanceTemplate, ViewConnectorAllowanceFormat, s.connectorAllowance);
    case Code::SpliceLoss:
        return figure(ViewSpliceAllowanceTemplate, ViewSpliceAllowanceFormat, s.spliceAllowance);
    case Code::TotalAllowableLoss:
        return allowedLossCell(circuit, slot);
    case Code::RequiredReturnLoss:
        return figure(ViewAllowedLossTemplate, ViewAllowedLossFormat, s.requiredReturnLoss);
    case Code::SystemReference:
        return figure(ViewSystemReferenceTemplate, ViewSystemReferenceFormat, s.systemReferencePower);
    case Code::MeasuredPower:
        return figure(ViewMeasuredTemplate, ViewMeasuredFormat, s.measuredPower);
    case Code::SystemOverhead:
        return figure(ViewOverheadTemplate, ViewOverheadFormat, s.overhead);
    case Code::ReturnLoss:
        // Below zero the fiber reflected more than it received.
        if (printed)
            return signedFigure(s.returnLoss, DetailReturnLossTemplate, DetailReturnLossFormat,
                                DetailReturnLossNegativeTemplate, DetailReturnLossNegativeFormat);
        return signedFigure(s.returnLoss, ViewReturnLossTemplate, ViewReturnLossFormat,
                            ViewReturnLossNegativeTemplate, ViewReturnLossNegativeFormat);
    case Code::OperatingMargin:
        // The operating margin shares its texts with the view's return loss:
        // a deficit is printed as its magnitude in parentheses.
        return signedFigure(s.overhead, ViewReturnLossTemplate, ViewReturnLossFormat,
                            ViewReturnLossNegativeTemplate, ViewReturnLossNegativeFormat);
    case Code::OpticalLoss:
        if (printed)
            return figure(DetailOpticalLossTemplate, DetailOpticalLossFormat, s.opticalLoss);
        return figure(ViewOpticalLossTemplate, ViewOpticalLossFormat, s.opticalLoss);
    case Code::PassFail:
        return verdictCell(circuit, slot, printed ? kPrintedVerdictTexts : kViewVerdictTexts);
    case Code::OperatingMarginPercent:
        return marginPercent(s.marginPercent);
    }
    return textCell(ViewCellBlank);
}

ResultCell cellOf(Code row, const CircuitResults& circuit, int slot, ResultTable table)
{
    if (slot < 0)
        return textCell(ViewCellBlank);
    // The view leaves every row of a slot without a measurement at "-"; on
    // paper the rows that apply without one (references set by hand) show it.
    const bool shown = table == ResultTable::Printed || circuit.isMeasured(slot);
    if (!shown || !applies(row, circuit, slot))
        return textCell(ViewCellNotApplicable);
    return valueOf(row, circuit, slot, table);
}

} // namespace

int CircuitResultRows::columnSlot(const CircuitRecord& circuit, int column)
{
    const auto index = static_cast<std::size_t>(column);
    if (column < 0 || column >= circuit.siteSlotCount || index >= circuit.siteSlots.size())
        return -1;
    const int slot = circuit.siteSlots[index];
    return slot >= 0 && slot < kSlotCount ? slot : -1;
}

std::vector<ResultRow> CircuitResultRows::rowsOf(const CircuitRecord& circuit, ResultTable table)
{
    const bool printed = table == ResultTable::Printed;
    std::span<const Code> codes;
    if (circuit.isReturnLossCircuit())
        codes = printed ? std::span<const Code>(kPrintedReturnLossRows)
                        : std::span<const Code>(kViewReturnLossRows);
    else
        codes = printed ? std::span<const Code>(kPrintedLossRows) : std::span<const Code>(kViewLossRows);
    const auto& captions = printed ? kPrintedCaptions : kViewCaptions;

    std::array<int, kColumnCount> slots{};
    for (int column = 0; column < kColumnCount; ++column)
        slots[static_cast<std::size_t>(column)] = columnSlot(circuit, column);

    std::vector<ResultRow> rows;
    rows.reserve(codes.size());
    for (const Code code : codes) {
        ResultRow row;
        row.code = code;
        row.captionId = captions[static_cast<std::size_t>(code)];
        for (std::size_t column = 0; column < slots.size(); ++column)
            row.cells[column] = cellOf(code, circuit, slots[column], table);
        rows.push_back(std::move(row));
    }
    return rows;
}

WavelengthResult CircuitResultRows::wavelengthOf(const CircuitRecord& circuit, int slot)
{
    WavelengthResult result;
    result.slot = slot;
    result.wavelength = circuit.wavelengthNames[static_cast<std::size_t>(slot)];
    result.opticalLoss = opticalLossCell(circuit, slot);
    result.allowedLoss = allowedLossCell(circuit, slot);
    result.overhead = overheadCell(circuit, slot);
    result.verdict = verdictCell(circuit, slot, kSummaryVerdictTexts);
    return result;
}

std::vector<WavelengthResult> CircuitResultRows::wavelengthsOf(const CircuitRecord& circuit)
{
    std::vector<WavelengthResult> results;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (circuit.isMeasured(slot))
            results.push_back(wavelengthOf(circuit, slot));
    }
    return results;
}
