#pragma once

#include "standards/PlausibleValues.h"
#include "standards/StandardEntry.h"

#include <QString>

// What one entry of a custom standard (one fiber type at one wavelength) may
// hold. The Custom Standard Wizard, `add-standard` and the saver all ask
// here, so no way into the shared standards file takes values that no real
// cabling standard has, nor an entry under which every fiber fails.
namespace CustomStandardLimits {

// The link-length bound: no tested link is longer.
constexpr double kMaxDistanceMetres = PlausibleValues::kMaxLinkLengthMetres;
// A handheld loss meter measures at most about 70 dB; a larger fixed budget
// could never be told from a broken fiber.
constexpr double kMaxLossDb = 70.0;
// No cabling standard allows more than 3.75 dB/km (multimode at 850 nm);
// 10 dB/km still takes old and hard-clad silica fibers.
constexpr double kMaxAttenuationDbPerKm = 10.0;
// Standards allow 0.75 dB per mated connector pair and 0.3 dB per splice; a
// joint that loses more than 3 dB (half the light) is a fault, not an allowance.
constexpr double kMaxJointLossDb = 3.0;

enum class Quantity
{
    MaxDistance, // metres
    MaxLoss,
    Attenuation,
    ConnectorLoss,
    SpliceLoss,
};

// Why `value` cannot be this quantity of the entry for `fiberType` at
// `wavelength` (a sentence naming both, the value and the bound); empty when
// it can. Only the upper bounds are checked here: a value that is no
// number or below 0 is the caller's to refuse.
QString valueRefusal(Quantity quantity, double value, unsigned fiberType, const QString& wavelength);

// An entry allows some loss for every real link: it has a maximum loss, or
// an attenuation (a link has a length) or a connector loss (a link ends in
// connectors). A loss per splice alone gives 0 dB to a link without splices.
bool allowsSomeLoss(const StandardEntry& entry);

// The first upper bound the entry's values cross, else why it allows no
// loss; empty when the entry may be saved as far as its values go.
QString entryRefusal(const StandardEntry& entry);

} // namespace CustomStandardLimits
