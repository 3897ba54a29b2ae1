#pragma once

#include "database/Recordset.h"
#include "standards/StandardEntry.h"

// The Standards table: the custom standards of a test database, and the only
// table of the shared standards file.
class CKAVStandardsSet2 : public Recordset
{
public:
    explicit CKAVStandardsSet2(Database& db) : Recordset(db) {}

    std::int16_t standardNumber = 0;
    QString standardName;
    RecordId customStandardId;
    std::uint8_t fiberType = 0;
    QString wavelength;
    float maxDistance = 0;
    float maxLoss = 0;
    float attenuation = 0;
    float connectorLoss = 0;
    float spliceLoss = 0;

    StandardEntry entry() const;
    void setEntry(const StandardEntry& entry);

protected:
    QString defaultSql() const override { return QStringLiteral("[Standards]"); }
    void doFieldExchange(FieldExchange& fx) override;
};
