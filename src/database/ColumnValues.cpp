#include "database/ColumnValues.h"

#include "database/DatabaseException.h"
#include "database/Statement.h"
#include "standards/RecordId.h"

#include <QDateTime>

#include <sqlcipher/sqlite3.h>

#include <cstring>

namespace ColumnValues {

namespace {

const QString kDateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QString fieldName(const QString& table, const ColumnDef& column)
{
    return table.isEmpty() ? column.name : table + QLatin1Char('.') + column.name;
}

QByteArray guidBytes(const QVariant& value, bool* ok)
{
    *ok = true;
    if (value.typeId() == QMetaType::QByteArray && value.toByteArray().size() == 16)
        return value.toByteArray();
    const QString text = value.toString();
    const Guid guid = guidFromRecordId(text);
    const bool framed = text.startsWith(QLatin1String("{guid {")) && text.endsWith(QLatin1String("}}"));
    if (text.size() != kRecordIdLength || !framed || (isNullGuid(guid) && recordIdFromGuid(guid) != text)) {
        *ok = false;
        return QByteArray();
    }
    return QByteArray(reinterpret_cast<const char*>(guid.data()), 16);
}

QVariant integerInRange(const QString& table, const ColumnDef& column, const QVariant& value, qlonglong low,
                        qlonglong high)
{
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok)
        throw DatabaseException(QStringLiteral("Data type mismatch: '%1' is not a number for field '%2'.")
                                    .arg(value.toString(), fieldName(table, column)));
    if (number < low || number > high)
        throw DatabaseException(QStringLiteral("The value %1 is out of range for field '%2' (%3 to %4).")
                                    .arg(number)
                                    .arg(fieldName(table, column))
                                    .arg(low)
                                    .arg(high));
    return number;
}

// "yyyy-MM-dd HH:mm:ss", read by hand: this runs for every date of every row loaded.
QDateTime parseStoredDate(const QString& text)
{
    if (text.size() != 19)
        return QDateTime::fromString(text, kDateFormat);
    auto number = [&text](int from, int length) {
        int value = 0;
        for (int i = from; i < from + length; ++i) {
            const QChar c = text.at(i);
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return -1;
            value = value * 10 + (c.unicode() - '0');
        }
        return value;
    };
    const QDate date(number(0, 4), number(5, 2), number(8, 2));
    const QTime time(number(11, 2), number(14, 2), number(17, 2));
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time);
}

} // namespace

QVariant toStorage(const QString& table, const ColumnDef& column, const QVariant& value)
{
    if (value.isNull())
        return QVariant();
    switch (column.type) {
    case ColumnType::Guid: {
        if (value.typeId() == QMetaType::QString && value.toString().isEmpty())
            return QVariant();
        bool ok = false;
        const QByteArray bytes = guidBytes(value, &ok);
        if (!ok)
            throw DatabaseException(QStringLiteral("'%1' is not a valid GUID for field '%2'.")
                                        .arg(value.toString(), fieldName(table, column)));
        return bytes;
    }
    case ColumnType::Text: {
        QString text = value.toString();
        if (text.isEmpty())
            throw DatabaseException(
                QStringLiteral("Field '%1' cannot be a zero-length string.").arg(fieldName(table, column)));
        if (text.size() > column.size)
            throw DatabaseException(
                QStringLiteral("The text for field '%1' is too long: %2 characters, at most %3 fit.")
                    .arg(fieldName(table, column))
                    .arg(text.size())
                    .arg(column.size));
        if (column.fixedWidth)
            text = text.leftJustified(column.size, QLatin1Char(' '));
        return text;
    }
    case ColumnType::Date: {
        const QDateTime time = value.toDateTime();
        return time.isValid() ? QVariant(time.toString(kDateFormat)) : QVariant();
    }
    case ColumnType::Single: {
        bool ok = false;
        const float number = value.toFloat(&ok);
        if (!ok)
            throw DatabaseException(QStringLiteral("Data type mismatch: '%1' is not a number for field '%2'.")
                                        .arg(value.toString(), fieldName(table, column)));
        return static_cast<double>(number);
    }
    case ColumnType::Integer:
        return integerInRange(table, column, value, -32768, 32767);
    case ColumnType::Byte:
        return integerInRange(table, column, value, 0, 255);
    case ColumnType::Other:
        break;
    }
    return value;
}

QVariant forComparison(const ColumnDef& column, const QVariant& value)
{
    if (value.isNull())
        return QVariant();
    switch (column.type) {
    case ColumnType::Guid: {
        bool ok = false;
        const QByteArray bytes = guidBytes(value, &ok);
        return ok ? QVariant(bytes) : QVariant(value.toString());
    }
    case ColumnType::Text: {
        const QString text = value.toString();
        return column.fixedWidth && text.size() < column.size
                   ? text.leftJustified(column.size, QLatin1Char(' '))
                   : text;
    }
    case ColumnType::Date: {
        const QDateTime time = value.toDateTime();
        return time.isValid() ? QVariant(time.toString(kDateFormat)) : value;
    }
    case ColumnType::Single:
    case ColumnType::Integer:
    case ColumnType::Byte: {
        bool ok = false;
        const double number = value.toDouble(&ok);
        return ok ? QVariant(number) : value;
    }
    case ColumnType::Other:
        break;
    }
    return value;
}

QVariant fromStorage(const ColumnDef& column, const Statement& statement, int index)
{
    if (statement.isNull(index))
        return QVariant();
    switch (column.type) {
    case ColumnType::Guid: {
        if (statement.columnStorageType(index) == SQLITE_BLOB) {
            const QByteArray bytes = statement.columnBlob(index);
            if (bytes.size() == 16) {
                Guid guid{};
                std::memcpy(guid.data(), bytes.constData(), 16);
                return recordIdFromGuid(guid);
            }
            return QVariant();
        }
        return statement.columnText(index);
    }
    case ColumnType::Text:
        return statement.columnText(index);
    case ColumnType::Date: {
        const QDateTime time = parseStoredDate(statement.columnText(index));
        return time.isValid() ? QVariant(time) : QVariant();
    }
    case ColumnType::Single:
        return static_cast<float>(statement.columnDouble(index));
    case ColumnType::Integer:
    case ColumnType::Byte:
        return static_cast<int>(statement.columnInt(index));
    case ColumnType::Other:
        break;
    }
    switch (statement.columnStorageType(index)) {
    case SQLITE_INTEGER:
        return static_cast<qlonglong>(statement.columnInt(index));
    case SQLITE_FLOAT:
        return statement.columnDouble(index);
    case SQLITE_BLOB:
        return statement.columnBlob(index);
    default:
        return statement.columnText(index);
    }
}

bool sameValue(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    if (a.typeId() == QMetaType::Float && b.typeId() == QMetaType::Float) {
        const float x = a.toFloat();
        const float y = b.toFloat();
        return std::memcmp(&x, &y, sizeof x) == 0;
    }
    if (a.typeId() == QMetaType::QDateTime && b.typeId() == QMetaType::QDateTime)
        return a.toDateTime().toString(kDateFormat) == b.toDateTime().toString(kDateFormat);
    return a == b;
}

} // namespace ColumnValues
