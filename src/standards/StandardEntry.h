#pragma once

#include <QString>

#include <cstdint>

// One row of the standards catalogue: the limits of one standard for one fiber
// type at one wavelength. Field order is that of a Standards table row.
struct StandardEntry
{
    std::int16_t standardNumber = 0;
    QString standardName;
    QString customStandardId; // RecordId text; empty for built-in entries
    std::uint8_t fiberType = 0;
    QString wavelength;      // "1310nm" or "ANY"
    float maxDistance = 0;   // metres
    float maxLoss = 0;       // dB; > 0 replaces the computed budget
    float attenuation = 0;   // dB per km
    float connectorLoss = 0; // dB per connector pair
    float spliceLoss = 0;    // dB per splice

    bool isCustom() const { return !customStandardId.isEmpty(); }
};

// Standard numbers with a fixed meaning but no built-in entries.
constexpr std::int16_t kReturnLossStandardNumber = 13;
constexpr std::int16_t kUserDefinedStandardNumber = 14;
