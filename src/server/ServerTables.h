#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class Statement;

// How the tables of a test database map onto the team server's: each
// column's name on both sides and the kind of value it holds. Publishing and
// fetching both go through this one map, so a value comes back as it went.
enum class ValueKind
{
    Guid,    // 16 bytes in the test database, uuid on the server
    Text,    // text on both sides
    Date,    // "yyyy-MM-dd HH:mm:ss" in the test database, timestamp on the server
    Number,  // a single-precision float in the test database, numeric on the server
    Integer, // smallint on both sides
};

struct ColumnMap
{
    const char* local;
    const char* server;
    ValueKind kind;
};

struct TableMap
{
    const char* local;
    const char* server;
    std::vector<ColumnMap> columns;

    // "a, b, c": the server's column names, in order.
    QByteArray serverColumns() const;
};

const TableMap& organisationsMap();
const TableMap& linksMap();
const TableMap& fibersMap();
const TableMap& customStandardsMap();

namespace ServerValues {

// A stored value of the test database as the server takes it in text form;
// nothing for NULL. Throws ServerError for a value that cannot be sent as it
// is (a GUID that is not 16 bytes, a whole number smallint cannot hold).
std::optional<QByteArray> fromLocal(const Statement& row, int index, const ColumnMap& column,
                                    const char* table);

// The same value as one field of COPY's binary format, appended to `row`.
// Dates are sent as text only. Throws ServerError as fromLocal does.
void appendBinaryField(QByteArray& row, const Statement& statement, int index, const ColumnMap& column,
                       const char* table);

// Binds the server's text form of a value at `index` of a test database
// statement, in the form the test database stores it. Throws ServerError
// for a value that cannot be real.
void bindLocal(Statement& statement, int index, const std::optional<QByteArray>& value,
               const ColumnMap& column);

// The shortest decimal that reads back as exactly this float; "NaN",
// "Infinity" and "-Infinity" as numeric spells them. The first form writes
// into `buffer` and allocates nothing, for a value on its way elsewhere.
using NumberBuffer = std::array<char, 64>;
QByteArrayView numberText(float value, NumberBuffer& buffer);
QByteArray numberText(float value);

// Letters folded as the test database compares text: ASCII only.
QString foldCase(const QString& text);

} // namespace ServerValues
