#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The column types of a test database.
enum class ColumnType
{
    Guid,    // 16 bytes; read and written as RecordId text
    Text,    // at most `size` characters; fixed width stores them blank-padded
    Date,    // date and time to the second
    Single,  // 32-bit float
    Integer, // 16-bit signed
    Byte,    // 8-bit unsigned
    Other,   // a column of a database this program did not make
};

struct ColumnDef
{
    QString name;
    ColumnType type = ColumnType::Text;
    int size = 0;            // characters, for text
    bool fixedWidth = false; // text only

    static ColumnDef guid(const QString& name) { return {name, ColumnType::Guid, 16, true}; }
    static ColumnDef text(const QString& name, int size) { return {name, ColumnType::Text, size, false}; }
    static ColumnDef fixedText(const QString& name, int size) { return {name, ColumnType::Text, size, true}; }
    static ColumnDef date(const QString& name) { return {name, ColumnType::Date, 8, true}; }
    static ColumnDef single(const QString& name) { return {name, ColumnType::Single, 4, true}; }
    static ColumnDef integer(const QString& name) { return {name, ColumnType::Integer, 2, true}; }
    static ColumnDef byte(const QString& name) { return {name, ColumnType::Byte, 1, true}; }

    // The type as the engine declares it in SQL, and back. Jet type names
    // ("VARCHAR(128)", "SHORT", "BYTE"...) read as the same types.
    QString declaredType() const;
    static ColumnDef fromDeclaredType(const QString& name, const QString& declared);
};

struct TableDef
{
    QString name;
    std::vector<ColumnDef> columns;

    const ColumnDef* column(const QString& columnName) const;
    int columnIndex(const QString& columnName) const;
};

struct IndexField
{
    QString name;
    bool descending = false;
};

struct IndexDef
{
    QString name;
    std::vector<IndexField> fields;
    bool primary = false;
    bool unique = false;
    bool required = false;

    // A primary index is unique and refuses empty fields.
    bool isUnique() const { return primary || unique; }
    bool isRequired() const { return primary || required; }
};
