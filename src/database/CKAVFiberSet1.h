#pragma once

#include "database/Recordset.h"
#include "standards/RecordId.h"

#include <array>
#include <cstdint>

// The Fiber table of schema 1: three measured powers.
class CKAVFiberSet1 : public Recordset
{
public:
    explicit CKAVFiberSet1(Database& db) : Recordset(db) {}

    RecordId fiberNumber;
    RecordId siteNumber;
    QString fiberName;
    std::array<float, 3> powers{}; // 850, 1300, 1500 nm; dBm, 0 = no measurement
    std::int16_t fiberType = 0;

protected:
    QString defaultSql() const override { return QStringLiteral("[Fiber]"); }
    void doFieldExchange(FieldExchange& fx) override;
};
