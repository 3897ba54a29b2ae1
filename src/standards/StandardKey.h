#pragma once

#include "standards/RecordId.h"

#include <cstdint>

struct StandardEntry;

// The four fields by which catalogue entries are found. As a match filter each
// field may be a wildcard: standard number -1, zero GUID, wavelength -1, fiber type 0xFF.
struct StandardKey
{
    static constexpr std::uint8_t kAnyFiberType = 0xFF;

    std::int16_t standardNumber = -1;
    Guid customGuid{};
    std::int16_t wavelengthNumber = -1;
    std::uint8_t fiberType = 0;

    static StandardKey fromEntry(const StandardEntry& entry);
    static StandardKey make(std::int16_t standardNumber, const QString& customStandardId,
                            std::uint8_t fiberType, const QString& wavelengthName);

    // Does `key` pass this filter? The GUID is tested first, then the standard
    // number, the fiber type and the wavelength.
    bool admits(const StandardKey& key) const;

    friend bool operator==(const StandardKey&, const StandardKey&) = default;
};
