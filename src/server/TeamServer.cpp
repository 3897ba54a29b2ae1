#include "server/TeamServer.h"

#include "app/JobProgress.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/CircuitFile.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "server/PgConnection.h"
#include "standards/StandardsCatalog.h"

#include <QFile>
#include <QFileInfo>

namespace {

// Runs `work` and says how it ended; `nothingDone` follows the reason of a
// failure, `file` names the test database a database failure is about.
template <typename Work>
OperationResult guarded(Work work, const QString& cancelled, const QString& nothingDone = QString(),
                        const QString& file = QString())
{
    try {
        work();
        return OperationResult::success();
    } catch (const ServerCancelled&) {
        return OperationResult::cancelled(cancelled);
    } catch (const ServerError& e) {
        return OperationResult::failure(e.text() + nothingDone);
    } catch (const DatabaseException& e) {
        return OperationResult::failure(
            (file.isEmpty() ? e.description() : QStringLiteral("%1: %2").arg(file, e.description())) +
            nothingDone);
    }
}

void connecting(JobProgress& job)
{
    job.report(Strings::loadString(StringId::TeamServerConnecting), 0, -1);
}

// A part of a name for ILIKE: its own % and _ match only themselves.
QString containing(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('%'), QLatin1String("\\%"));
    escaped.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

// A file a fetch began, with what the engine keeps beside it.
void removeFetched(const QString& path)
{
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
}

} // namespace

OperationResult TeamServer::initialise(JobProgress& job, ServerSchema::InitOutcome* outcome) const
{
    return guarded(
        [&] {
            connecting(job);
            PgConnection server(address_, &job);
            *outcome = ServerSchema::initialise(server);
        },
        Strings::loadString(StringId::TeamServerUnchanged));
}

OperationResult TeamServer::testConnection(JobProgress& job, ServerCounts* counts) const
{
    return guarded(
        [&] {
            connecting(job);
            PgConnection server(address_, &job);
            *counts = readServerCounts(server);
        },
        Strings::loadString(StringId::TeamServerUnchanged));
}

OperationResult TeamServer::publish(const QString& file, JobProgress& job, PublishCounts* counts) const
{
    // Read-only, with a shared lock: a file another program is writing is refused.
    Database db;
    StandardsCatalog catalogue;
    QString standardsProblem;
    const OperationResult opened = CircuitFile::open(file, db, catalogue, &standardsProblem);
    if (!opened)
        return opened;
    return guarded(
        [&] {
            connecting(job);
            PgConnection server(address_, &job);
            *counts = LinkPublisher::publish(server, db, &job);
        },
        Strings::loadString(StringId::TeamServerUnchanged), QStringLiteral(" (nothing was published)"), file);
}

OperationResult TeamServer::listLinks(const ServerLinkQuery& query, JobProgress& job,
                                      ServerLinkList* list) const
{
    ServerLinkList found;
    const OperationResult result = guarded(
        [&] {
            connecting(job);
            PgConnection server(address_, &job);
            ServerSchema::requireCurrent(server);
            job.report(Strings::loadString(StringId::TeamServerReadingLinks), 0, -1);
            PgParams params;
            query.company.isEmpty() ? params.addNull() : params.add(containing(query.company));
            query.name.isEmpty() ? params.addNull() : params.add(containing(query.name));
            query.since.isValid() ? params.add(query.since.toString(Qt::ISODate)) : params.addNull();
            // One more than asked for says whether more match.
            params.add(QString::number(std::max(query.limit, 1) + 1));
            const PgResult rows = server.execute(
                "SELECT l.id, o.name, l.name, to_char(l.test_date, 'YYYY-MM-DD\"T\"HH24:MI:SS'), "
                "o.meter_serial, (SELECT count(*) FROM fibers f WHERE f.link_id = l.id), l.published_by, "
                "extract(epoch FROM l.published_at)::bigint "
                "FROM links l LEFT JOIN organisations o ON o.id = l.organisation_id "
                "WHERE ($1::text IS NULL OR o.name ILIKE $1::text) "
                "AND ($2::text IS NULL OR l.name ILIKE $2::text) "
                "AND ($3::date IS NULL OR l.test_date >= $3::date) "
                "ORDER BY o.name, l.name, l.test_date, l.id LIMIT $4::bigint",
                params);
            for (int row = 0; row < rows.rows(); ++row) {
                if (static_cast<int>(found.links.size()) == std::max(query.limit, 1)) {
                    found.more = true;
                    break;
                }
                ServerLinkEntry link;
                link.id = rows.text(row, 0);
                link.company = rows.text(row, 1);
                link.name = rows.text(row, 2);
                if (!rows.isNull(row, 3))
                    link.testDate = QDateTime::fromString(rows.text(row, 3), Qt::ISODate);
                link.meterSerial = rows.text(row, 4);
                link.circuits = rows.integer(row, 5);
                link.publishedBy = rows.text(row, 6);
                link.publishedAt = QDateTime::fromSecsSinceEpoch(rows.integer(row, 7));
                found.links.push_back(std::move(link));
            }
        },
        Strings::loadString(StringId::TeamServerUnchanged));
    if (result)
        *list = std::move(found);
    return result;
}

OperationResult TeamServer::fetch(const FetchFilter& filter, const QString& path, JobProgress& job,
                                  FetchCounts* counts) const
{
    if (QFileInfo::exists(path))
        return OperationResult::failure(
            Strings::formatMessage(Strings::loadString(StringId::TeamServerFileExists), {path}));
    FetchCounts fetched;
    const OperationResult result = guarded(
        [&] {
            connecting(job);
            PgConnection server(address_, &job);
            job.report(Strings::loadString(StringId::TeamServerFetching), 0, -1);
            fetched = LinkFetcher::fetchInto(server, filter, path);
        },
        QString());
    if (!result || fetched.links == 0)
        removeFetched(path);
    if (result)
        *counts = fetched;
    return result;
}
