#include "standards/DefaultLinkBudget.h"

#include <array>

namespace {

using AttenuationTable = std::array<std::array<float, 4>, 4>; // [fiber type][wavelength index]

// The old table has 3.8 dB/km for 62.5 um at 850 nm, not the catalogue's 3.75.
constexpr AttenuationTable kOldTable = {{
    {3.8f, 1.5f, 1.5f, 1.0f},
    {2.5f, 0.8f, 0.8f, 1.0f},
    {1.0f, 1.0f, 1.0f, 1.0f},
    {0.5f, 0.5f, 0.5f, 0.5f},
}};

constexpr AttenuationTable kLaterTable = {{
    {3.5f, 1.5f, 1.5f, 1.0f},
    {2.5f, 0.8f, 0.8f, 1.0f},
    {1.0f, 1.0f, 1.0f, 1.0f},
    {0.5f, 0.5f, 0.5f, 0.5f},
}};

} // namespace

void DefaultLinkBudget::selectTable(float meterVersion)
{
    useLaterTable_ = meterVersion < 1.3f || meterVersion >= 2.0f;
}

std::int16_t DefaultLinkBudget::standardNumber() const
{
    return useLaterTable_ ? 12 : 2;
}

float DefaultLinkBudget::attenuation(int wavelengthIndex) const
{
    const AttenuationTable& table = useLaterTable_ ? kLaterTable : kOldTable;
    const std::size_t fiber = (typeCode_ >> 8) & 3u;
    return table[fiber][static_cast<std::size_t>(wavelengthIndex) & 3u];
}

float DefaultLinkBudget::budget(int wavelengthIndex) const
{
    const float fiberAndConnectors =
        attenuation(wavelengthIndex) * lengthKm_ + static_cast<float>(connectorPairs_) * kConnectorLoss;
    return fiberAndConnectors + static_cast<float>(splices_) * kSpliceLoss;
}

float DefaultLinkBudget::restoreReference(float storedReference, int wavelengthIndex) const
{
    return budget(wavelengthIndex) + storedReference;
}
