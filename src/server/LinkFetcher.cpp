#include "server/LinkFetcher.h"

#include "database/Database.h"
#include "database/Statement.h"
#include "database/TestDatabaseSchema.h"
#include "server/PgConnection.h"
#include "server/ServerSchema.h"
#include "server/ServerTables.h"

namespace {

// A text[] parameter's value: every element quoted, so no name can end it early.
QByteArray textArray(const QStringList& items)
{
    QByteArray array = "{";
    for (const QString& item : items) {
        if (array.size() > 1)
            array += ',';
        QByteArray utf8 = item.toUtf8();
        utf8.replace("\\", "\\\\");
        utf8.replace("\"", "\\\"");
        array += '"' + utf8 + '"';
    }
    return array + '}';
}

// The links a filter chooses, as "chosen": its parameters are the filter's
// parts, each NULL when the filter leaves it open. With the parameters known
// when the statement is planned, an open part drops out and a name is found
// through the links' identity index.
const char* const kChosenLinks =
    "WITH chosen AS (SELECT l.id, l.organisation_id, l.custom_standard_id FROM links l "
    "LEFT JOIN organisations o ON o.id = l.organisation_id "
    "WHERE ($1::text[] IS NULL OR l.identity_name = ANY ($1::text[])) "
    "AND ($2::text IS NULL OR lower(o.name) = lower($2::text)) "
    "AND ($3::date IS NULL OR l.test_date >= $3::date) "
    "AND ($4::uuid[] IS NULL OR l.id = ANY ($4::uuid[]))) ";

// Rows come through a cursor, this many at a time: a fetch of a whole
// server holds one batch in memory, not every circuit it brings.
constexpr int kFetchBatch = 5000;

// Copies the server's rows chosen by `where` (over the table as `t`, with
// the chosen links as `chosen`) into the file's table.
long long copyRows(PgConnection& server, Database& file, const TableMap& map, const char* where,
                   const PgParams& chosen)
{
    // Each table's cursor has a name of its own: all of them close with the
    // transaction, without a round trip each.
    const QByteArray cursor = QByteArray("fetched_") + map.server;
    QByteArray select = "DECLARE " + cursor + " NO SCROLL CURSOR FOR " + kChosenLinks + "SELECT ";
    for (std::size_t i = 0; i < map.columns.size(); ++i)
        select += (i > 0 ? ", t." : "t.") + QByteArray(map.columns[i].server);
    select += " FROM " + QByteArray(map.server) + " t WHERE " + where;
    server.execute(select.constData(), chosen);
    const QByteArray next = "FETCH FORWARD " + QByteArray::number(kFetchBatch) + " FROM " + cursor;

    QStringList names;
    QStringList marks;
    for (const ColumnMap& column : map.columns) {
        names << Database::quoteIdentifier(QLatin1String(column.local));
        marks << QStringLiteral("?");
    }
    StatementLease insert(file, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                    .arg(Database::quoteIdentifier(QLatin1String(map.local)),
                                         names.join(QLatin1String(", ")), marks.join(QLatin1String(", "))));
    long long count = 0;
    for (;;) {
        const PgResult rows = server.execute(next.constData());
        for (int row = 0; row < rows.rows(); ++row) {
            for (std::size_t i = 0; i < map.columns.size(); ++i) {
                const int column = static_cast<int>(i);
                std::optional<QByteArray> value;
                if (!rows.isNull(row, column))
                    value = rows.bytes(row, column);
                ServerValues::bindLocal(*insert, column + 1, value, map.columns[i]);
            }
            insert->exec();
        }
        count += rows.rows();
        // A short batch is the last: no round trip to hear that nothing is left.
        if (rows.rows() < kFetchBatch)
            return count;
    }
}

} // namespace

FetchCounts LinkFetcher::fetchInto(PgConnection& server, const FetchFilter& filter, const QString& path)
{
    ServerSchema::requireCurrent(server);
    // One snapshot for every table, and nothing written on the server: each
    // table's rows come through a cursor whose statement chooses the links
    // itself, so a fetch makes no table of them and writes no catalogue.
    PgTransaction transaction(server);
    server.execute("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY");
    QStringList folded;
    for (const QString& name : filter.linkNames)
        folded << ServerValues::foldCase(name);
    PgParams chosen;
    if (folded.isEmpty())
        chosen.addNull();
    else
        chosen.add(textArray(folded));
    if (filter.company.isEmpty())
        chosen.addNull();
    else
        chosen.add(filter.company);
    if (filter.since.isValid())
        chosen.add(filter.since.toString(Qt::ISODate));
    else
        chosen.addNull();
    if (filter.linkIds.isEmpty())
        chosen.addNull();
    else
        chosen.add(textArray(filter.linkIds));

    Database file;
    createTestDatabase(file, path);
    Transaction writing(file);
    FetchCounts counts;
    counts.links = copyRows(server, file, linksMap(), "t.id IN (SELECT id FROM chosen)", chosen);
    counts.fibers = copyRows(server, file, fibersMap(), "t.link_id IN (SELECT id FROM chosen)", chosen);
    copyRows(server, file, organisationsMap(), "t.id IN (SELECT organisation_id FROM chosen)", chosen);
    copyRows(server, file, customStandardsMap(),
             "t.custom_standard_id IN (SELECT custom_standard_id FROM chosen)", chosen);
    writing.commit();
    file.close();
    transaction.commit();
    return counts;
}
