#include "report/ViewResultRows.h"

#include "app/LocaleFormat.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "report/VerdictTexts.h"
#include "standards/CircuitEvaluation.h"

#include <array>

namespace {

using namespace StringId;

enum Row : int
{
    LightSourceReference = 1,
    FiberLoss = 2,
    ConnectorLoss = 3,
    SpliceLoss = 4,
    TotalAllowableLoss = 5,
    RequiredReturnLoss = 6,
    SystemReference = 7,
    MeasuredPower = 8,
    SystemOverhead = 9,
    ReturnLoss = 10,
    OperatingMargin = 11,
    OpticalLoss = 12,
    PassFail = 13,
    OperatingMarginPercent = 14,
};

constexpr std::array kReturnLossRows = {int(ReturnLoss), int(RequiredReturnLoss), int(SystemOverhead),
                                        int(PassFail)};
constexpr std::array kLossRows = {
    int(LightSourceReference), int(FiberLoss),       int(ConnectorLoss), int(SpliceLoss),
    int(TotalAllowableLoss),   int(SystemReference), int(MeasuredPower), int(OpticalLoss),
    int(SystemOverhead),       int(PassFail)};

constexpr VerdictTexts kVerdictTexts = {
    ViewVerdictOther, ViewCellBlank,    ViewCellNotApplicable, ViewVerdictPass,
    ViewVerdictFail,  ViewVerdictNote1, ViewVerdictNote2,      ViewVerdictNote3,
};

// A return loss below zero means the fiber reflected more than it received;
// it is shown by its magnitude in a template of its own.
QString returnLossText(float returnLoss)
{
    if (returnLoss >= 0)
        return FormatLocalNumber(ViewReturnLossTemplate, ViewReturnLossFormat, returnLoss);
    return FormatLocalNumber(ViewReturnLossNegativeTemplate, ViewReturnLossNegativeFormat, -returnLoss);
}

} // namespace

std::span<const int> ViewResultRows::rowsOf(const CircuitResults& circuit)
{
    if (circuit.isReturnLossCircuit())
        return kReturnLossRows;
    return kLossRows;
}

int ViewResultRows::captionId(int row)
{
    switch (row) {
    case LightSourceReference:
        return ViewRowLightSourceReference;
    case FiberLoss:
        return ViewRowFiberLoss;
    case ConnectorLoss:
        return ViewRowConnectorLoss;
    case SpliceLoss:
        return ViewRowSpliceLoss;
    case TotalAllowableLoss:
        return ViewRowTotalAllowableLoss;
    case RequiredReturnLoss:
        return ViewRowRequiredReturnLoss;
    case SystemReference:
        return ViewRowSystemReference;
    case MeasuredPower:
        return ViewRowMeasuredPower;
    case SystemOverhead:
        return ViewRowSystemOverhead;
    case ReturnLoss:
        return ViewRowReturnLoss;
    case OperatingMargin:
        return ViewRowOperatingMargin;
    case OpticalLoss:
        return ViewRowOpticalLoss;
    case PassFail:
        return ViewRowPassFail;
    case OperatingMarginPercent:
        return ViewRowOperatingMarginPercent;
    default:
        return ViewRowBlank;
    }
}

bool ViewResultRows::applies(int row, const CircuitResults& circuit, int slot)
{
    switch (row) {
    case LightSourceReference:
        return circuit.hasLossOrReturnLoss(slot);
    case FiberLoss:
    case ConnectorLoss:
    case SpliceLoss:
        return circuit.hasLossResult(slot);
    case TotalAllowableLoss:
    case SystemReference:
        return circuit.showsLossRows(slot);
    case RequiredReturnLoss:
    case ReturnLoss:
        return circuit.isReturnLossOnly(slot);
    case MeasuredPower:
    case OpticalLoss:
    case PassFail:
        return circuit.isMeasured(slot);
    case SystemOverhead:
        return circuit.hasEvaluatedVerdict(slot);
    default:
        return false;
    }
}

QString ViewResultRows::value(int row, const CircuitResults& circuit, int slot)
{
    const SlotResult& s = circuit.at(slot);
    switch (row) {
    case LightSourceReference:
        return FormatLocalNumber(ViewReferenceTemplate, ViewReferenceFormat, s.referencePower);
    case FiberLoss:
        return FormatLocalNumber(ViewFiberAllowanceTemplate, ViewFiberAllowanceFormat, s.fiberAllowance);
    case ConnectorLoss:
        return FormatLocalNumber(ViewConnectorAllowanceTemplate, ViewConnectorAllowanceFormat,
                                 s.connectorAllowance);
    case SpliceLoss:
        return FormatLocalNumber(ViewSpliceAllowanceTemplate, ViewSpliceAllowanceFormat, s.spliceAllowance);
    case TotalAllowableLoss:
        return FormatLocalNumber(ViewAllowedLossTemplate, ViewAllowedLossFormat, s.allowedLoss);
    case RequiredReturnLoss:
        return FormatLocalNumber(ViewAllowedLossTemplate, ViewAllowedLossFormat, s.requiredReturnLoss);
    case SystemReference:
        return FormatLocalNumber(ViewSystemReferenceTemplate, ViewSystemReferenceFormat,
                                 s.systemReferencePower);
    case MeasuredPower:
        return FormatLocalNumber(ViewMeasuredTemplate, ViewMeasuredFormat, s.measuredPower);
    case SystemOverhead:
        return FormatLocalNumber(ViewOverheadTemplate, ViewOverheadFormat, s.overhead);
    case ReturnLoss:
        return returnLossText(s.returnLoss);
    case OpticalLoss:
        return FormatLocalNumber(ViewOpticalLossTemplate, ViewOpticalLossFormat, s.opticalLoss);
    case PassFail:
        return Strings::loadString(verdictTextId(kVerdictTexts, verdictCellFor(circuit, slot)));
    default:
        return Strings::loadString(ViewCellBlank);
    }
}
