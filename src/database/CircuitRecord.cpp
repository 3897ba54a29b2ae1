#include "database/CircuitRecord.h"

int CircuitRecord::slotOf(const QString& wavelengthName) const
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (wavelengthNames[static_cast<std::size_t>(slot)] == wavelengthName)
            return slot;
    }
    return -1;
}

bool CircuitRecord::hasMeasurementAt(const QString& wavelengthName) const
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (wavelengthNames[static_cast<std::size_t>(slot)] == wavelengthName && isMeasured(slot))
            return true;
    }
    return false;
}

QString meterModelFromSerial(const QString& serialNumber)
{
    if (serialNumber.startsWith(QLatin1String("SN:P")))
        return QStringLiteral("Pendra");
    if (serialNumber.startsWith(QLatin1String("SN:L")))
        return QStringLiteral("Lintel");
    if (serialNumber.startsWith(QLatin1String("CV")))
        return QStringLiteral("Corvina");
    if (serialNumber.startsWith(QLatin1String("CX")))
        return QStringLiteral("QM410");
    return QStringLiteral("Unknown");
}

CircuitRecord::VerdictCell CircuitRecord::verdictCell(int slot) const
{
    if (slot < 0 || slot >= kSlotCount)
        return VerdictCell::BeyondSlots;
    if (!isMeasured(slot))
        return VerdictCell::NotMeasured;
    const Verdict verdict = at(slot).verdict;
    if (verdict == VerdictNone)
        return VerdictCell::ManualReference;
    if (verdict != VerdictPass && verdict != VerdictFail)
        return VerdictCell::Other;
    if (!isUserDefined()) {
        if (hasFiberTypeMismatch())
            return VerdictCell::FiberTypeMismatch;
        if (!at(slot).covered)
            return VerdictCell::NotCovered;
    }
    return verdict == VerdictPass ? VerdictCell::Pass : VerdictCell::Fail;
}

QString verdictCellText(CircuitRecord::VerdictCell cell)
{
    switch (cell) {
    case CircuitRecord::VerdictCell::BeyondSlots:
        return QStringLiteral(" ");
    case CircuitRecord::VerdictCell::Pass:
        return QStringLiteral("Pass");
    case CircuitRecord::VerdictCell::Fail:
        return QStringLiteral("Fail");
    case CircuitRecord::VerdictCell::ManualReference:
        return QStringLiteral("Note1");
    case CircuitRecord::VerdictCell::FiberTypeMismatch:
        return QStringLiteral("Note2");
    case CircuitRecord::VerdictCell::NotCovered:
        return QStringLiteral("Note3");
    case CircuitRecord::VerdictCell::NotMeasured:
    case CircuitRecord::VerdictCell::Other:
        break;
    }
    return QStringLiteral("-");
}
