#include "server/LinkPublisher.h"

#include "app/JobProgress.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/Database.h"
#include "database/Statement.h"
#include "server/CopyBinary.h"
#include "server/PgConnection.h"
#include "server/ServerSchema.h"
#include "server/ServerTables.h"

#include <QHash>

namespace {

const char* const kPublishLock = "SELECT pg_advisory_xact_lock(7270110002)";
const char* const kPublishLockIfFree = "SELECT pg_try_advisory_xact_lock(7270110002)";

void report(JobProgress* progress, const QString& what)
{
    if (progress)
        progress->report(what, 0, -1);
}

// Rows go to the server in pieces of this size while the next are read from
// the file: the server takes in one piece while this program makes the next,
// where pieces of a megabyte left each side waiting for the other.
constexpr qsizetype kCopyChunk = 64 * 1024;

class CopyStream
{
public:
    CopyStream(PgConnection& server, const QByteArray& sql) : server_(server)
    {
        server_.beginCopy(sql.constData());
        buffer_.reserve(kCopyChunk + 4096);
    }
    ~CopyStream()
    {
        if (!finished_)
            server_.abandonCopy("a value could not be sent");
    }
    CopyStream(const CopyStream&) = delete;
    CopyStream& operator=(const CopyStream&) = delete;

    QByteArray& buffer() { return buffer_; }

    void rowDone()
    {
        ++rows_;
        if (buffer_.size() >= kCopyChunk) {
            server_.putCopyData(buffer_);
            buffer_.resize(0); // keeps its memory for the next piece
        }
    }

    long long finish()
    {
        if (!buffer_.isEmpty())
            server_.putCopyData(buffer_);
        finished_ = true; // whatever the end brings, the COPY is over
        server_.endCopy();
        return rows_;
    }

private:
    PgConnection& server_;
    QByteArray buffer_;
    long long rows_ = 0;
    bool finished_ = false;
};

// The file's rows of a table, its columns in the map's order; NULL for a
// column an older file does not have.
QString selectLocal(Database& file, const TableMap& map)
{
    const TableDef& def = file.tableDef(QLatin1String(map.local));
    QStringList select;
    for (const ColumnMap& column : map.columns)
        select << (def.column(QLatin1String(column.local))
                       ? Database::quoteIdentifier(QLatin1String(column.local))
                       : QStringLiteral("NULL"));
    return QStringLiteral("SELECT %1 FROM %2")
        .arg(select.join(QLatin1String(", ")), Database::quoteIdentifier(QLatin1String(map.local)));
}

// Rows of a file's table in COPY's text format, `extra` adding fields of its
// own at the end of each row.
template <typename Extra>
long long copyTable(PgConnection& server, Database& file, const TableMap& map, const QByteArray& target,
                    const QByteArray& extraColumns, Extra extra)
{
    if (!file.hasTable(QLatin1String(map.local)))
        return 0;
    StatementLease lease(file, selectLocal(file, map));
    QByteArray columns = map.serverColumns();
    if (!extraColumns.isEmpty())
        columns += ", " + extraColumns;
    CopyStream copy(server, "COPY " + target + " (" + columns + ") FROM STDIN");
    std::vector<std::optional<QByteArray>> values;
    while (lease->step()) {
        values.clear();
        for (std::size_t i = 0; i < map.columns.size(); ++i)
            values.push_back(ServerValues::fromLocal(*lease, static_cast<int>(i), map.columns[i], map.local));
        extra(values);
        QByteArray& buffer = copy.buffer();
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i > 0)
                buffer += '\t';
            if (values[i])
                appendCopyField(buffer, *values[i]);
            else
                buffer += "\\N";
        }
        buffer += '\n';
        copy.rowDone();
    }
    lease->reset();
    return copy.finish();
}

// The circuits, the bulk of a publish, in COPY's binary format.
long long copyFibers(PgConnection& server, Database& file)
{
    const TableMap& map = fibersMap();
    if (!file.hasTable(QLatin1String(map.local)))
        return 0;
    StatementLease lease(file, selectLocal(file, map));
    CopyStream copy(server, "COPY fibers (" + map.serverColumns() + ") FROM STDIN (FORMAT binary)");
    CopyBinary::appendHeader(copy.buffer());
    const auto fields = static_cast<int>(map.columns.size());
    while (lease->step()) {
        CopyBinary::appendFieldCount(copy.buffer(), fields);
        for (int i = 0; i < fields; ++i)
            ServerValues::appendBinaryField(copy.buffer(), *lease, i,
                                            map.columns[static_cast<std::size_t>(i)], map.local);
        copy.rowDone();
    }
    lease->reset();
    CopyBinary::appendTrailer(copy.buffer());
    return copy.finish();
}

// The meter serial number of every organisation of the file, folded as
// the identity compares it.
QHash<QByteArray, QString> serialsByOrganisation(Database& file)
{
    QHash<QByteArray, QString> serials;
    StatementLease rows(file, QStringLiteral("SELECT CompanyNumber, SerialNo FROM Company"));
    const ColumnMap& id = organisationsMap().columns.front();
    while (rows->step()) {
        if (rows->isNull(0) || rows->isNull(1))
            continue;
        serials.insert(*ServerValues::fromLocal(*rows, 0, id, "Company"),
                       ServerValues::foldCase(rows->columnText(1)));
    }
    rows->reset();
    return serials;
}

long long count(PgConnection& server, const char* sql)
{
    return server.execute(sql).integer(0, 0);
}

} // namespace

PublishCounts LinkPublisher::publish(PgConnection& server, Database& file, JobProgress* progress)
{
    ServerSchema::requireCurrent(server);
    if (!file.hasTable(QStringLiteral("Site")) || !file.hasTable(QStringLiteral("Company")) ||
        !file.tableDef(QStringLiteral("Site")).column(QStringLiteral("980Reference")))
        throw ServerError(
            QStringLiteral("the file has an old format; open it once to convert it, then publish it"));
    const QHash<QByteArray, QString> serials = serialsByOrganisation(file);

    PgTransaction transaction(server);
    // The check that every circuit has its link reads the statement's new
    // circuits, which the server keeps aside for it: in memory up to
    // work_mem, on disk beyond. A publish of 200,000 circuits keeps about
    // 30 MB there, and writing it to disk made a tenth of the publish.
    server.execute("SET LOCAL work_mem = '64MB'");
    // The user is told when another publish makes this one wait.
    if (server.execute(kPublishLockIfFree).text(0, 0) != QLatin1String("t")) {
        report(progress, Strings::loadString(StringId::TeamServerWaitingForPublish));
        server.execute(kPublishLock);
    }
    report(progress, Strings::loadString(StringId::TeamServerSendingLinks));
    server.execute("CREATE TEMP TABLE incoming_organisations (LIKE organisations) ON COMMIT DROP;"
                   "CREATE TEMP TABLE incoming_links (LIKE links INCLUDING DEFAULTS) ON COMMIT DROP;"
                   "CREATE TEMP TABLE incoming_standards (LIKE custom_standards) ON COMMIT DROP");
    copyTable(server, file, organisationsMap(), "incoming_organisations", {}, [](auto&) {});
    // The identity of each link: see the schema. A link without a name or
    // without a meter serial number is never taken for another.
    PublishCounts counts;
    counts.links = copyTable(
        server, file, linksMap(), "incoming_links", "identity_name, identity_date, identity_serial",
        [&](auto& values) {
            // Copies: the identity columns appended below may move the row's values.
            const std::optional<QByteArray> organisationId = values[1];
            const std::optional<QByteArray> name = values[2];
            const std::optional<QByteArray> date = values[3];
            const QString serial = organisationId ? serials.value(*organisationId) : QString();
            values.emplace_back(ServerValues::foldCase(name ? QString::fromUtf8(*name) : QString()).toUtf8());
            values.emplace_back(date ? *date : QByteArrayLiteral("-infinity"));
            if (name && !serial.isEmpty())
                values.emplace_back(serial.toUtf8());
            else
                values.emplace_back(std::nullopt);
        });
    copyTable(server, file, customStandardsMap(), "incoming_standards", {}, [](auto&) {});

    // A file holding one link twice (same identity) cannot land whole.
    const PgResult twice = server.execute(
        "SELECT min(name), min(test_date)::text FROM incoming_links WHERE identity_serial IS NOT NULL "
        "GROUP BY identity_name, identity_date, identity_serial HAVING count(*) > 1 LIMIT 1");
    if (twice.rows() > 0)
        throw ServerError(
            QStringLiteral("the file holds the link '%1' tested on %2 twice with the same meter; "
                           "nothing was published")
                .arg(twice.text(0, 0), twice.text(0, 1)));

    // Found through the links' key and identity index, one look-up per
    // incoming link: a condition joined by OR read every link on the server.
    server.execute(
        "CREATE TEMP TABLE replaced_links ON COMMIT DROP AS "
        "SELECT id, organisation_id, custom_standard_id, bool_or(same_identity) AS measured_again FROM ("
        "SELECT l.id, l.organisation_id, l.custom_standard_id, true AS same_identity "
        "FROM incoming_links i JOIN links l ON l.identity_name = i.identity_name "
        "AND l.identity_date = i.identity_date AND l.identity_serial = i.identity_serial "
        "UNION ALL SELECT l.id, l.organisation_id, l.custom_standard_id, false "
        "FROM incoming_links i JOIN links l ON l.id = i.id) found "
        "GROUP BY id, organisation_id, custom_standard_id");
    counts.replaced = count(server, "SELECT count(*) FROM replaced_links WHERE measured_again");
    server.execute("DELETE FROM links WHERE id IN (SELECT id FROM replaced_links)");
    server.execute(
        "INSERT INTO organisations SELECT * FROM incoming_organisations ON CONFLICT (id) DO UPDATE SET "
        "name = excluded.name, phone = excluded.phone, meter_serial = excluded.meter_serial, "
        "meter_version = excluded.meter_version");
    const QByteArray linkColumns =
        linksMap().serverColumns() + ", identity_name, identity_date, identity_serial";
    server.execute(
        QByteArray("INSERT INTO links (" + linkColumns + ") SELECT " + linkColumns + " FROM incoming_links")
            .constData());
    server.execute("INSERT INTO custom_standards SELECT * FROM incoming_standards ON CONFLICT "
                   "(custom_standard_id, fiber_type, wavelength) DO UPDATE SET standard_number = "
                   "excluded.standard_number, name = excluded.name, max_distance = excluded.max_distance, "
                   "max_loss = excluded.max_loss, attenuation = excluded.attenuation, "
                   "connector_loss = excluded.connector_loss, splice_loss = excluded.splice_loss");
    report(progress, Strings::formatMessage(Strings::loadString(StringId::TeamServerSendingCircuits),
                                            {QString::number(file.hasTable(QStringLiteral("Fiber"))
                                                                 ? file.countRows(QStringLiteral("Fiber"))
                                                                 : 0)}));
    counts.fibers = copyFibers(server, file);
    // What only the replaced links used goes with them, as in a local merge.
    server.execute("DELETE FROM organisations o WHERE o.id IN (SELECT organisation_id FROM replaced_links) "
                   "AND NOT EXISTS (SELECT 1 FROM links l WHERE l.organisation_id = o.id)");
    server.execute("DELETE FROM custom_standards s WHERE s.custom_standard_id IN "
                   "(SELECT custom_standard_id FROM replaced_links) AND NOT EXISTS "
                   "(SELECT 1 FROM links l WHERE l.custom_standard_id = s.custom_standard_id)");
    server.execute("INSERT INTO publications (links, fibers, replaced) VALUES ($1, $2, $3)",
                   PgParams()
                       .add(QString::number(counts.links))
                       .add(QString::number(counts.fibers))
                       .add(QString::number(counts.replaced)));
    transaction.commit();
    return counts;
}
