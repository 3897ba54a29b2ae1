#pragma once

#include "database/Recordset.h"
#include "standards/RecordId.h"

#include <QDateTime>

#include <array>
#include <cstdint>

// The Site table of schema 1. FiberType packs the wizard flags of the three
// wavelengths into bits 0-2 and the fiber type into bits 4 and up.
class CKAVSiteSet1 : public Recordset
{
public:
    explicit CKAVSiteSet1(Database& db) : Recordset(db) {}

    RecordId siteNumber;
    RecordId companyNumber;
    QString siteName;
    QDateTime date;
    QDateTime uploadDate;
    QDateTime calibrationDate;
    float fiberLength = 0; // metres
    std::int16_t connections = 0;
    std::int16_t splices = 0;
    float temperature = 0;
    std::int16_t fiberType = 0;
    std::array<float, 3> references{}; // 850, 1300, 1500 nm

protected:
    QString defaultSql() const override { return QStringLiteral("[Site]"); }
    void doFieldExchange(FieldExchange& fx) override;
};
