#pragma once

#include "standards/RecordId.h"
#include "standards/StandardEntry.h"

// A return-loss standard (number 13) for indoor singlemode at 1310 nm that
// requires 20 dB, with an identifier of its own.
inline StandardEntry returnLossEntry()
{
    StandardEntry orl;
    orl.standardNumber = kReturnLossStandardNumber;
    orl.standardName = QStringLiteral("EIA/TIA FOTP107A");
    orl.customStandardId = newRecordId();
    orl.fiberType = 2;
    orl.wavelength = QStringLiteral("1310nm");
    orl.maxLoss = 20.0f;
    return orl;
}
