#pragma once

#include "database/ColumnDef.h"

#include <QList>
#include <QString>
#include <QVariant>

// Filter and sort texts in the Jet form the program writes them
// ("[SiteNumber] = {guid {...}}", "[FiberName]='01' AND [SiteNumber]=...",
// "[CompanyName] DESC"), turned into SQL with every value a bound parameter,
// so no text inside a condition can change its meaning.
struct SqlCondition
{
    QString sql; // empty: no condition
    QList<QVariant> parameters;
};

// Throws DatabaseException for a condition it cannot read or a field the
// table does not have.
SqlCondition parseCondition(const QString& condition, const TableDef& table);
QString parseSort(const QString& sort, const TableDef& table);

// A text as a quoted literal for a condition: O'Brien becomes 'O''Brien'.
// Every name pasted into a filter goes through this.
QString quoteText(const QString& text);
