#include "database/ColumnDef.h"

#include <QRegularExpression>

QString ColumnDef::declaredType() const
{
    switch (type) {
    case ColumnType::Guid:
        return QStringLiteral("GUID");
    case ColumnType::Text:
        return QStringLiteral("%1(%2)")
            .arg(fixedWidth ? QStringLiteral("CHAR") : QStringLiteral("VARCHAR"))
            .arg(size);
    case ColumnType::Date:
        return QStringLiteral("DATETIME");
    case ColumnType::Single:
        return QStringLiteral("SINGLE");
    case ColumnType::Integer:
        return QStringLiteral("SMALLINT");
    case ColumnType::Byte:
        return QStringLiteral("TINYINT");
    case ColumnType::Other:
        break;
    }
    return QString();
}

ColumnDef ColumnDef::fromDeclaredType(const QString& name, const QString& declared)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*([A-Z0-9_ ]*?)\\s*(?:\\(\\s*(\\d+)\\s*\\))?\\s*$"));
    const QRegularExpressionMatch m = pattern.match(declared.toUpper());
    const QString base = m.hasMatch() ? m.captured(1) : QString();
    const int size = m.hasMatch() && !m.captured(2).isEmpty() ? m.captured(2).toInt() : 255;

    if (base == QLatin1String("GUID") || base == QLatin1String("UNIQUEIDENTIFIER"))
        return guid(name);
    if (base == QLatin1String("VARCHAR") || base == QLatin1String("TEXT") ||
        base == QLatin1String("CHARACTER VARYING"))
        return text(name, size);
    if (base == QLatin1String("CHAR") || base == QLatin1String("CHARACTER"))
        return fixedText(name, size);
    if (base == QLatin1String("DATETIME") || base == QLatin1String("DATE"))
        return date(name);
    if (base == QLatin1String("SINGLE") || base == QLatin1String("REAL") || base == QLatin1String("FLOAT4"))
        return single(name);
    if (base == QLatin1String("SMALLINT") || base == QLatin1String("SHORT") ||
        base == QLatin1String("INTEGER2"))
        return integer(name);
    if (base == QLatin1String("TINYINT") || base == QLatin1String("BYTE") ||
        base == QLatin1String("INTEGER1"))
        return byte(name);
    return {name, ColumnType::Other, 0, false};
}

const ColumnDef* TableDef::column(const QString& columnName) const
{
    const int i = columnIndex(columnName);
    return i < 0 ? nullptr : &columns[static_cast<std::size_t>(i)];
}

int TableDef::columnIndex(const QString& columnName) const
{
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].name == columnName)
            return static_cast<int>(i);
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].name.compare(columnName, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}
