#include "server/ServerTables.h"

#include "database/Statement.h"
#include "server/CopyBinary.h"
#include "server/PgConnection.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

#include <sqlite3.h>

namespace {

using K = ValueKind;

} // namespace

QByteArray TableMap::serverColumns() const
{
    QByteArray names;
    for (const ColumnMap& column : columns) {
        if (!names.isEmpty())
            names += ", ";
        names += column.server;
    }
    return names;
}

const TableMap& organisationsMap()
{
    static const TableMap map{"Company",
                              "organisations",
                              {{"CompanyNumber", "id", K::Guid},
                               {"CompanyName", "name", K::Text},
                               {"CompanyPhone", "phone", K::Text},
                               {"SerialNo", "meter_serial", K::Text},
                               {"Version", "meter_version", K::Text}}};
    return map;
}

const TableMap& linksMap()
{
    static const TableMap map{"Site",
                              "links",
                              {{"SiteNumber", "id", K::Guid},
                               {"CompanyNumber", "organisation_id", K::Guid},
                               {"SiteName", "name", K::Text},
                               {"Date", "test_date", K::Date},
                               {"UploadDate", "upload_date", K::Date},
                               {"CalibrationDate", "calibration_date", K::Date},
                               {"FiberLength", "fiber_length", K::Number},
                               {"Connections", "connections", K::Integer},
                               {"Splices", "splices", K::Integer},
                               {"Temperature", "temperature", K::Number},
                               {"FiberType", "fiber_type", K::Integer},
                               {"Wizard", "wizard", K::Integer},
                               {"Standard", "standard", K::Integer},
                               {"850Reference", "reference_850", K::Number},
                               {"980Reference", "reference_980", K::Number},
                               {"1300Reference", "reference_1300", K::Number},
                               {"1480Reference", "reference_1480", K::Number},
                               {"1550Reference", "reference_1550", K::Number},
                               {"Wavelength1", "wavelength1", K::Text},
                               {"Wavelength2", "wavelength2", K::Text},
                               {"Wavelength3", "wavelength3", K::Text},
                               {"Wavelength4", "wavelength4", K::Text},
                               {"Wavelength5", "wavelength5", K::Text},
                               {"CustomStandardID", "custom_standard_id", K::Guid},
                               {"SiteComment", "comment", K::Text}}};
    return map;
}

const TableMap& fibersMap()
{
    static const TableMap map{"Fiber",
                              "fibers",
                              {{"FiberNumber", "id", K::Guid},
                               {"SiteNumber", "link_id", K::Guid},
                               {"FiberName", "name", K::Text},
                               {"850Power", "power_850", K::Number},
                               {"980Power", "power_980", K::Number},
                               {"1300Power", "power_1300", K::Number},
                               {"1480Power", "power_1480", K::Number},
                               {"1550Power", "power_1550", K::Number},
                               {"FiberType", "fiber_type", K::Integer}}};
    return map;
}

const TableMap& customStandardsMap()
{
    static const TableMap map{"Standards",
                              "custom_standards",
                              {{"CustomStandardID", "custom_standard_id", K::Guid},
                               {"StandardNumber", "standard_number", K::Integer},
                               {"StandardName", "name", K::Text},
                               {"FiberType", "fiber_type", K::Integer},
                               {"Wavelength", "wavelength", K::Text},
                               {"MaxDistance", "max_distance", K::Number},
                               {"MaxLoss", "max_loss", K::Number},
                               {"Attenuation", "attenuation", K::Number},
                               {"ConnectorLoss", "connector_loss", K::Number},
                               {"SpliceLoss", "splice_loss", K::Number}}};
    return map;
}

namespace ServerValues {

QByteArrayView numberText(float value, NumberBuffer& buffer)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return QByteArrayView(buffer.data(), end - buffer.data());
}

QByteArray numberText(float value)
{
    NumberBuffer buffer;
    return numberText(value, buffer).toByteArray();
}

QString foldCase(const QString& text)
{
    QString folded = text;
    for (QChar& c : folded) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return folded;
}

} // namespace ServerValues

namespace {

// A GUID column's 16 bytes, refused when the file holds anything else.
QByteArray localGuid(const Statement& row, int index, const ColumnMap& column, const char* table)
{
    QByteArray bytes = row.columnBlob(index);
    if (row.columnStorageType(index) != SQLITE_BLOB || bytes.size() != 16)
        throw ServerError(QStringLiteral("field %1.%2 holds no GUID: '%3'")
                              .arg(QLatin1String(table), QLatin1String(column.local), row.columnText(index)));
    return bytes;
}

// A whole-number column's value, refused when the server's smallint cannot hold it.
qint16 localSmallint(const Statement& row, int index, const ColumnMap& column, const char* table)
{
    const qint64 number = row.columnInt(index);
    if (number < std::numeric_limits<qint16>::min() || number > std::numeric_limits<qint16>::max())
        throw ServerError(QStringLiteral("field %1.%2 holds %3; the team server keeps -32768 to 32767 there")
                              .arg(QLatin1String(table), QLatin1String(column.local))
                              .arg(number));
    return static_cast<qint16>(number);
}

} // namespace

namespace ServerValues {

std::optional<QByteArray> fromLocal(const Statement& row, int index, const ColumnMap& column,
                                    const char* table)
{
    if (row.isNull(index))
        return std::nullopt;
    switch (column.kind) {
    case ValueKind::Guid: {
        const QByteArray bytes = localGuid(row, index, column, table);
        // Written in place: publishing formats two GUIDs for every circuit.
        static constexpr char kHex[] = "0123456789abcdef";
        QByteArray text(36, '-');
        char* out = text.data();
        for (int i = 0; i < 16; ++i) {
            if (i == 4 || i == 6 || i == 8 || i == 10)
                ++out;
            const auto byte = static_cast<unsigned char>(bytes[i]);
            *out++ = kHex[byte >> 4];
            *out++ = kHex[byte & 0x0F];
        }
        return text;
    }
    case ValueKind::Text:
    case ValueKind::Date:
        return row.columnText(index).toUtf8();
    case ValueKind::Number:
        // The test database reads every such value as a float (see ColumnValues).
        return numberText(static_cast<float>(row.columnDouble(index)));
    case ValueKind::Integer:
        return QByteArray::number(localSmallint(row, index, column, table));
    }
    return std::nullopt;
}

void appendBinaryField(QByteArray& row, const Statement& statement, int index, const ColumnMap& column,
                       const char* table)
{
    if (statement.isNull(index)) {
        CopyBinary::appendNull(row);
        return;
    }
    switch (column.kind) {
    case ValueKind::Guid: // a uuid's binary form is its 16 bytes
        CopyBinary::appendBytes(row, localGuid(statement, index, column, table));
        return;
    case ValueKind::Text:
        CopyBinary::appendBytes(row, statement.columnText(index).toUtf8());
        return;
    case ValueKind::Number: {
        NumberBuffer buffer;
        const QByteArrayView text = numberText(static_cast<float>(statement.columnDouble(index)), buffer);
        if (!CopyBinary::appendNumeric(row, text))
            throw std::logic_error("numberText wrote what numeric cannot read: " +
                                   text.toByteArray().toStdString());
        return;
    }
    case ValueKind::Integer:
        CopyBinary::appendInt16(row, localSmallint(statement, index, column, table));
        return;
    case ValueKind::Date:
        break;
    }
    throw std::logic_error("dates go to the team server as text");
}

void bindLocal(Statement& statement, int index, const std::optional<QByteArray>& value,
               const ColumnMap& column)
{
    if (!value) {
        statement.bindNull(index);
        return;
    }
    const QByteArray& text = *value;
    auto refuse = [&] {
        throw ServerError(QStringLiteral("the team server sent '%1' for %2, which cannot be real")
                              .arg(QString::fromUtf8(text), QLatin1String(column.server)));
    };
    switch (column.kind) {
    case ValueKind::Guid: {
        QByteArray hex = text;
        hex.replace('-', QByteArray());
        const QByteArray bytes = QByteArray::fromHex(hex);
        if (hex.size() != 32 || bytes.size() != 16)
            refuse();
        statement.bindBlob(index, bytes);
        return;
    }
    case ValueKind::Text:
    case ValueKind::Date:
        statement.bindText(index, QString::fromUtf8(text));
        return;
    case ValueKind::Number: {
        float number = 0;
        if (text == "NaN")
            number = std::nanf("");
        else if (text == "Infinity")
            number = HUGE_VALF;
        else if (text == "-Infinity")
            number = -HUGE_VALF;
        else {
            const auto parsed = std::from_chars(text.constData(), text.constData() + text.size(), number);
            if (parsed.ec != std::errc() || parsed.ptr != text.constData() + text.size())
                refuse();
        }
        statement.bindDouble(index, static_cast<double>(number));
        return;
    }
    case ValueKind::Integer: {
        bool ok = false;
        const qlonglong number = text.toLongLong(&ok);
        if (!ok)
            refuse();
        statement.bindInt(index, number);
        return;
    }
    }
}

} // namespace ServerValues
