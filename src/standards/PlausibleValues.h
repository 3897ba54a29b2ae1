#pragma once

#include <cmath>

// What a real link and a real loss meter can give. A value outside these
// bounds comes from a damaged file or a typing slip, never from a
// measurement, and gets no budget, margin or verdict.
namespace PlausibleValues {

// No tested link is longer: a handheld loss meter has at most about 70 dB of
// dynamic range, which at the lowest attenuation any fiber has (about
// 0.17 dB/km, singlemode at 1550 nm) ends near 400 km, and the longest
// unamplified spans ever laid stay below 500 km.
constexpr double kMaxLinkLengthKm = 500.0;
constexpr double kMaxLinkLengthMetres = kMaxLinkLengthKm * 1000.0;

// The powers a loss meter's detector reads: nothing measures below the noise
// floor of the best InGaAs heads (about -90 dBm), and high-power heads for
// amplified links stop at +33 dBm; a little room either side.
constexpr double kMinPowerDbm = -100.0;
constexpr double kMaxPowerDbm = 40.0;

inline bool isLinkLengthKm(double km)
{
    return std::isfinite(km) && km >= 0.0 && km <= kMaxLinkLengthKm;
}

inline bool isPowerDbm(double dbm)
{
    return std::isfinite(dbm) && dbm >= kMinPowerDbm && dbm <= kMaxPowerDbm;
}

} // namespace PlausibleValues
