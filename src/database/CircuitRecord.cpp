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
