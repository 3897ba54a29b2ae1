#pragma once

#include "database/Recordset.h"

// A recordset bound to every column of a table, with values by column name:
// for copying rows between databases and for looking at files whatever their
// schema.
class TableRecordset : public Recordset
{
public:
    TableRecordset(Database& db, const QString& table) : Recordset(db), table_(table) {}

    QVariant value(const QString& column) const;
    void setValue(const QString& column, const QVariant& value);

protected:
    QString defaultSql() const override { return QLatin1Char('[') + table_ + QLatin1Char(']'); }
    void bindTable(const TableDef& table) override;
    void doFieldExchange(FieldExchange& fx) override;

private:
    int indexOf(const QString& column) const;

    QString table_;
    QStringList names_;
    std::vector<QVariant> values_;
};
