#include "report/DetailResultTable.h"
#include "report/VerdictTexts.h"

#include "app/LocaleFormat.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "report/PageNotes.h"
#include "standards/CircuitEvaluation.h"

#include <array>
#include <cmath>

namespace {

using namespace StringId;

// Row codes.
enum Row : int
{
    LightSourceReference = 1,
    FiberLoss = 2,
    ConnectorLoss = 3,
    SpliceLoss = 4,
    TotalAllowableLoss = 5,
    TotalRequiredReturnLoss = 6,
    MinimumRequiredPower = 7,
    MeasuredPower = 8,
    SystemOverhead = 9,
    ReturnLoss = 10,
    OperatingMargin = 11,
    OpticalLoss = 12,
    PassFail = 13,
    OperatingMarginPercent = 14,
};

constexpr std::array kReturnLossRows = {int(ReturnLoss), int(TotalRequiredReturnLoss), int(OperatingMargin),
                                        int(PassFail)};
constexpr std::array kLossRows = {int(LightSourceReference),
                                  int(FiberLoss),
                                  int(ConnectorLoss),
                                  int(SpliceLoss),
                                  int(TotalAllowableLoss),
                                  int(MinimumRequiredPower),
                                  int(MeasuredPower),
                                  int(OpticalLoss),
                                  int(SystemOverhead),
                                  int(OperatingMarginPercent),
                                  int(PassFail)};

constexpr VerdictTexts kVerdictTexts = {
    DetailVerdictOther, DetailVerdictBeyondSlots, DetailVerdictNotMeasured, DetailVerdictPass,
    DetailVerdictFail,  DetailVerdictNote1,       DetailVerdictNote2,       DetailVerdictNote3,
};

// A value >= 0 as it is; a negative one by its magnitude in its own template.
QString signedByTemplate(float value, int templateId, int formatId, int negativeTemplateId,
                         int negativeFormatId)
{
    if (value >= 0)
        return FormatLocalNumber(templateId, formatId, value);
    return FormatLocalNumber(negativeTemplateId, negativeFormatId, -value);
}

} // namespace

std::span<const int> DetailResultTable::rowsOf(const CircuitResults& circuit)
{
    if (circuit.isReturnLossCircuit())
        return kReturnLossRows;
    return kLossRows;
}

int DetailResultTable::captionId(int row)
{
    switch (row) {
    case LightSourceReference:
        return DetailRowLightSourceReference;
    case FiberLoss:
        return DetailRowFiberLoss;
    case ConnectorLoss:
        return DetailRowConnectorLoss;
    case SpliceLoss:
        return DetailRowSpliceLoss;
    case TotalAllowableLoss:
        return DetailRowTotalAllowableLoss;
    case TotalRequiredReturnLoss:
        return DetailRowTotalRequiredReturnLoss;
    case MinimumRequiredPower:
        return DetailRowMinimumRequiredPower;
    case MeasuredPower:
        return DetailRowMeasuredPower;
    case SystemOverhead:
        return DetailRowSystemOverhead;
    case ReturnLoss:
        return DetailRowReturnLoss;
    case OperatingMargin:
        return DetailRowOperatingMargin;
    case OpticalLoss:
        return DetailRowOpticalLoss;
    case PassFail:
        return DetailRowPassFail;
    case OperatingMarginPercent:
        return DetailRowOperatingMarginPercent;
    default:
        return DetailRowBlank;
    }
}

bool DetailResultTable::applies(int row, const CircuitResults& circuit, int slot)
{
    switch (row) {
    case LightSourceReference:
        return circuit.hasLossOrReturnLoss(slot);
    case FiberLoss:
    case ConnectorLoss:
    case SpliceLoss:
        return circuit.hasLossResult(slot);
    case TotalAllowableLoss:
    case MinimumRequiredPower:
        return circuit.showsLossRows(slot);
    case TotalRequiredReturnLoss:
    case ReturnLoss:
        return circuit.isReturnLossOnly(slot);
    case MeasuredPower:
    case OpticalLoss:
    case PassFail:
        return circuit.isMeasured(slot);
    case SystemOverhead:
    case OperatingMargin:
        return circuit.hasEvaluatedVerdict(slot);
    case OperatingMarginPercent:
        return circuit.hasMarginPercent(slot);
    default:
        return false;
    }
}

QString DetailResultTable::cell(int row, const CircuitResults& circuit, int slot, PageNotes& notes)
{
    if (slot < 0)
        return Strings::loadString(ViewCellBlank);
    if (!applies(row, circuit, slot))
        return Strings::loadString(ViewCellNotApplicable);
    return value(row, circuit, slot, notes);
}

QString DetailResultTable::value(int row, const CircuitResults& circuit, int slot, PageNotes& notes)
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
    case TotalRequiredReturnLoss:
        return FormatLocalNumber(ViewAllowedLossTemplate, ViewAllowedLossFormat, s.requiredReturnLoss);
    case MinimumRequiredPower:
        return FormatLocalNumber(ViewSystemReferenceTemplate, ViewSystemReferenceFormat,
                                 s.systemReferencePower);
    case MeasuredPower:
        return FormatLocalNumber(ViewMeasuredTemplate, ViewMeasuredFormat, s.measuredPower);
    case SystemOverhead:
        return FormatLocalNumber(ViewOverheadTemplate, ViewOverheadFormat, s.overhead);
    case ReturnLoss:
        return signedByTemplate(s.returnLoss, DetailReturnLossTemplate, DetailReturnLossFormat,
                                DetailReturnLossNegativeTemplate, DetailReturnLossNegativeFormat);
    case OperatingMargin:
        // The operating margin shares its texts with the view's return loss:
        // a deficit is printed as its magnitude in parentheses.
        return signedByTemplate(s.overhead, ViewReturnLossTemplate, ViewReturnLossFormat,
                                ViewReturnLossNegativeTemplate, ViewReturnLossNegativeFormat);
    case OpticalLoss:
        return FormatLocalNumber(DetailOpticalLossTemplate, DetailOpticalLossFormat, s.opticalLoss);
    case PassFail: {
        const VerdictCell verdict = verdictCellFor(circuit, slot);
        notes.mark(verdict);
        return Strings::loadString(verdictTextId(kVerdictTexts, verdict));
    }
    case OperatingMarginPercent:
        return marginPercent(s.marginPercent, notes);
    default:
        return Strings::loadString(ViewCellBlank);
    }
}

QString DetailResultTable::marginPercent(float percent, PageNotes& notes)
{
    if (percent <= -10000.0f)
        return FormatLocalNumber(DetailMarginPercentFloorTemplate, DetailMarginPercentFloorFormat, -9999.99);
    if (percent > 100.0f) {
        notes.markInvalidMargin();
        const double shown = std::isfinite(percent) ? static_cast<double>(percent) : 1000.0;
        return FormatLocalNumber(DetailMarginPercentInvalidTemplate, DetailMarginPercentInvalidFormat, shown);
    }
    return FormatLocalNumber(DetailMarginPercentTemplate, DetailMarginPercentFormat, percent);
}
