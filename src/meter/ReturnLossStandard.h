#pragma once

#include "standards/RecordId.h"

#include <QList>
#include <QString>

// The return loss a site's fibers must reach, per wavelength.
struct ReturnLossStandard
{
    struct Requirement
    {
        QString wavelength;
        float requiredReturnLoss = 0.0f; // dB
    };

    int siteNumber = 0;
    int fiberType = 0;
    RecordId id;
    QList<Requirement> requirements; // in file order
};
