#pragma once

#include "database/Recordset.h"
#include "database/SiteLinkFields.h"
#include "standards/FiberTypes.h"
#include "standards/RecordId.h"

#include <QDateTime>

#include <array>
#include <cstdint>

// The Site table of schema 2.0: one tested link with its five wavelength slots.
class CKAVSiteSet2 : public Recordset, public SiteLinkFields
{
public:
    explicit CKAVSiteSet2(Database& db) : Recordset(db) {}

    std::int16_t wizard = 0; // bit n: slot n measured in the meter's budget mode
    std::int16_t standard = 0;
    RecordId customStandardId;
    std::array<float, kSlotCount> references{};
    std::array<QString, kSlotCount> wavelengths; // trailing blanks removed

    bool wizardBit(int slot) const { return ((wizard >> slot) & 1) != 0; }
    void copyFrom(const CKAVSiteSet2& other);

protected:
    QString defaultSql() const override { return QStringLiteral("[Site]"); }
    void doFieldExchange(FieldExchange& fx) override;
    // The wavelength columns are fixed width: "850nm " arrives as "850nm".
    void afterLoad() override;
};
