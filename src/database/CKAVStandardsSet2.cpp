#include "database/CKAVStandardsSet2.h"

void CKAVStandardsSet2::doFieldExchange(FieldExchange& fx)
{
    fx.int16("StandardNumber", standardNumber);
    fx.text("StandardName", standardName);
    fx.guid("CustomStandardID", customStandardId);
    fx.byte("FiberType", fiberType);
    fx.text("Wavelength", wavelength);
    fx.single("MaxDistance", maxDistance);
    fx.single("MaxLoss", maxLoss);
    fx.single("Attenuation", attenuation);
    fx.single("ConnectorLoss", connectorLoss);
    fx.single("SpliceLoss", spliceLoss);
}

StandardEntry CKAVStandardsSet2::entry() const
{
    StandardEntry e;
    e.standardNumber = standardNumber;
    e.standardName = standardName;
    e.customStandardId = customStandardId;
    e.fiberType = fiberType;
    e.wavelength = wavelength;
    e.maxDistance = maxDistance;
    e.maxLoss = maxLoss;
    e.attenuation = attenuation;
    e.connectorLoss = connectorLoss;
    e.spliceLoss = spliceLoss;
    return e;
}

void CKAVStandardsSet2::setEntry(const StandardEntry& e)
{
    standardNumber = e.standardNumber;
    standardName = e.standardName;
    customStandardId = e.customStandardId;
    fiberType = e.fiberType;
    wavelength = e.wavelength;
    maxDistance = e.maxDistance;
    maxLoss = e.maxLoss;
    attenuation = e.attenuation;
    connectorLoss = e.connectorLoss;
    spliceLoss = e.spliceLoss;
}
