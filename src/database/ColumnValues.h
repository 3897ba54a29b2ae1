#pragma once

#include "database/ColumnDef.h"

#include <QVariant>

class Statement;

// Values of a column as the program sees them (a QVariant of QString for GUIDs
// and text, QDateTime, float or int) and as the file stores them. Writing
// enforces the column's rules.
namespace ColumnValues {

// What to store for `value`, or an exception naming table and column when the
// value breaks the column's rules: zero-length or too long text, a 16-bit
// integer or byte out of range, text that is not a GUID. A null value stays null.
QVariant toStorage(const QString& table, const ColumnDef& column, const QVariant& value);

// The value of result column `index` of `statement`, read as `column`'s type.
QVariant fromStorage(const ColumnDef& column, const Statement& statement, int index);

// The stored form of a value used in a comparison: like toStorage, without
// refusing values a column could not hold (they simply match nothing).
QVariant forComparison(const ColumnDef& column, const QVariant& value);

// Two values as stored in a member, compared the way a change would show in the file.
bool sameValue(const QVariant& a, const QVariant& b);

} // namespace ColumnValues
