#pragma once

#include "database/Recordset.h"
#include "standards/RecordId.h"

// The Company table: the owner of a meter, its serial number and firmware.
// The columns are the same in every schema.
class CKAVCompanySet1 : public Recordset
{
public:
    explicit CKAVCompanySet1(Database& db) : Recordset(db) {}

    RecordId companyNumber;
    QString companyPhone; // fixed width: reads back blank-padded to 13
    QString companyName;
    QString serialNo;
    QString version; // firmware version of the meter

protected:
    QString defaultSql() const override { return QStringLiteral("[Company]"); }
    void doFieldExchange(FieldExchange& fx) override;
};
