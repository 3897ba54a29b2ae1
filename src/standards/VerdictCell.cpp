#include "standards/VerdictCell.h"

#include "standards/CircuitEvaluation.h"

VerdictCell verdictCellFor(const CircuitResults& circuit, int slot)
{
    if (slot < 0)
        return VerdictCell::BeyondSlots;
    if (!circuit.isMeasured(slot))
        return VerdictCell::NotMeasured;
    if (!circuit.hasRealLength())
        return VerdictCell::Other;
    const SlotResult& result = circuit.at(slot);
    if (result.verdict == VerdictNone)
        return VerdictCell::Note1;
    if (result.verdict != VerdictPass && result.verdict != VerdictFail)
        return VerdictCell::Other;
    if (!circuit.isUserDefined()) {
        if (circuit.hasFiberTypeMismatch())
            return VerdictCell::Note2;
        if (!result.covered)
            return VerdictCell::Note3;
    }
    return result.verdict == VerdictPass ? VerdictCell::Pass : VerdictCell::Fail;
}

QString verdictCellEnglish(VerdictCell cell)
{
    switch (cell) {
    case VerdictCell::BeyondSlots:
        return QStringLiteral(" ");
    case VerdictCell::Pass:
        return QStringLiteral("Pass");
    case VerdictCell::Fail:
        return QStringLiteral("Fail");
    case VerdictCell::Note1:
        return QStringLiteral("Note1");
    case VerdictCell::Note2:
        return QStringLiteral("Note2");
    case VerdictCell::Note3:
        return QStringLiteral("Note3");
    case VerdictCell::NotMeasured:
    case VerdictCell::Other:
        break;
    }
    return QStringLiteral("-");
}
