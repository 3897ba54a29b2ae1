#pragma once

#include "database/Recordset.h"
#include "database/SiteLinkFields.h"
#include "standards/RecordId.h"

#include <QDateTime>

#include <array>
#include <cstdint>

// The Site table of schema 1. FiberType packs the wizard flags of the three
// wavelengths into bits 0-2 and the fiber type into bits 4 and up.
class CKAVSiteSet1 : public Recordset, public SiteLinkFields
{
public:
    explicit CKAVSiteSet1(Database& db) : Recordset(db) {}

    std::array<float, 3> references{}; // 850, 1300, 1500 nm

protected:
    QString defaultSql() const override { return QStringLiteral("[Site]"); }
    void doFieldExchange(FieldExchange& fx) override;
};
