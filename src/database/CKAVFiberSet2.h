#pragma once

#include "database/Recordset.h"
#include "standards/FiberTypes.h"
#include "standards/RecordId.h"

#include <array>
#include <cstdint>

// The Fiber table of schema 2: the measured powers of the five wavelength slots.
class CKAVFiberSet2 : public Recordset
{
public:
    explicit CKAVFiberSet2(Database& db) : Recordset(db) {}

    RecordId fiberNumber;
    RecordId siteNumber;
    QString fiberName;
    std::int16_t fiberType = 0;
    std::array<float, kSlotCount> powers{}; // dBm per slot, 0 = no measurement

protected:
    QString defaultSql() const override { return QStringLiteral("[Fiber]"); }
    void doFieldExchange(FieldExchange& fx) override;
};
