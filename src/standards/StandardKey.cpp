#include "standards/StandardKey.h"

#include "standards/FiberTypes.h"
#include "standards/StandardEntry.h"

StandardKey StandardKey::make(std::int16_t standardNumber, const QString& customStandardId,
                              std::uint8_t fiberType, const QString& wavelengthName)
{
    StandardKey key;
    key.standardNumber = standardNumber;
    key.customGuid = guidFromRecordId(customStandardId);
    key.wavelengthNumber = ::wavelengthNumber(wavelengthName);
    key.fiberType = fiberType;
    return key;
}

StandardKey StandardKey::fromEntry(const StandardEntry& entry)
{
    return make(entry.standardNumber, entry.customStandardId, entry.fiberType, entry.wavelength);
}

bool StandardKey::admits(const StandardKey& key) const
{
    if (!isNullGuid(customGuid) && customGuid != key.customGuid)
        return false;
    if (standardNumber != -1 && standardNumber != key.standardNumber)
        return false;
    if (fiberType != kAnyFiberType && fiberType != key.fiberType)
        return false;
    if (wavelengthNumber != -1 && wavelengthNumber != key.wavelengthNumber)
        return false;
    return true;
}
