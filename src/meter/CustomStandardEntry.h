#pragma once

#include "standards/RecordId.h"

#include <QString>

// One row of a custom standard carried by a download, as the Standards table
// stores it: one wavelength of one fiber type.
struct CustomStandardEntry
{
    int code = -1; // 15 user link budget, 0 and 1 the two custom standards
    QString name;
    QString wavelength;
    float attenuation = 0.0f;   // dB/km
    float connectorLoss = 0.0f; // dB per connector pair
    float spliceLoss = 0.0f;    // dB per splice
    float maxLoss = 0.0f;       // dB
    RecordId id;                // shared by all rows of one standard
    int fiberType = 0;
};
