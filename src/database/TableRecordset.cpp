#include "database/TableRecordset.h"

#include "database/DatabaseException.h"

void TableRecordset::bindTable(const TableDef& table)
{
    names_.clear();
    for (const ColumnDef& column : table.columns)
        names_ << column.name;
    values_.assign(static_cast<std::size_t>(names_.size()), QVariant());
}

void TableRecordset::doFieldExchange(FieldExchange& fx)
{
    for (qsizetype i = 0; i < names_.size(); ++i)
        fx.variant(names_.at(i), values_[static_cast<std::size_t>(i)]);
}

int TableRecordset::indexOf(const QString& column) const
{
    for (qsizetype i = 0; i < names_.size(); ++i) {
        if (names_.at(i).compare(column, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    throw DatabaseException(QStringLiteral("Field '%1' not found in table '%2'.").arg(column, table_));
}

QVariant TableRecordset::value(const QString& column) const
{
    return values_[static_cast<std::size_t>(indexOf(column))];
}

void TableRecordset::setValue(const QString& column, const QVariant& value)
{
    values_[static_cast<std::size_t>(indexOf(column))] = value;
}
