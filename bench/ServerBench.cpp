// The team server's speed against a real PostgreSQL server, reached through
// FIBROLOG_SERVER as fibrolog-cli reaches it (scripts/bench-server.sh starts
// one as the tests start theirs and runs this against it):
//
//   bench-server [--publish-fibers N] [--server-fibers N] [--runs N] [--fetches N]
//
// Prints one line per figure, "name value", and nothing else on standard
// output; what it does goes to standard error.
//   publish_vs_copy_ratio  LinkPublisher::publish of a test database of
//                          200,000 circuits (links of 25 to 200 fibers) onto a
//                          fresh schema, divided by a raw COPY of the same
//                          fiber rows, as text, into a plain table without
//                          indexes; medians of --runs rounds (goal <= 2).
//                          Publishing sends the circuits in COPY's binary
//                          form; a raw binary COPY is timed too and told on
//                          standard error.
//   fetch_link_ms_at_10m   LinkFetcher::fetchInto of one link of 25 fibers,
//                          chosen by name, into a new test database, on a
//                          server holding 10 million fibers; the median over
//                          --fetches different links (goal <= 100)
//
// The server of 10 million fibers is made with COPY straight into the
// tables of the current schema, in a schema "bench_fetch" of the database
// FIBROLOG_SERVER names; it takes minutes, so a later run that finds it whole
// (the current schema version and the right count) uses it as it is.
#include "SyntheticFile.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/TestDatabaseSchema.h"
#include "server/CopyBinary.h"
#include "server/LinkFetcher.h"
#include "server/LinkPublisher.h"
#include "server/PgConnection.h"
#include "server/ServerSchema.h"
#include "server/ServerTables.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// CPU time of a process in ms from /proc (user and system); -1 when it
// cannot be read (a server on another machine).
double cpuMs(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The fields after the command, which may hold spaces, in brackets.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    const double ticks = static_cast<double>(fields[11].toLongLong() + fields[12].toLongLong());
    return ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Wall time of a step, and the CPU time this program and its server
// connection spent on it: which side took the time.
class StepTimer
{
public:
    explicit StepTimer(qint64 serverPid)
        : serverPid_(serverPid), client_(cpuMs(QCoreApplication::applicationPid())),
          server_(cpuMs(serverPid)), start_(Clock::now())
    {
    }
    double wallMs() const { return msSince(start_); }
    QByteArray cpuText() const
    {
        const double client = cpuMs(QCoreApplication::applicationPid()) - client_;
        if (server_ < 0)
            return "client CPU " + QByteArray::number(client, 'f', 0) + " ms";
        return "client CPU " + QByteArray::number(client, 'f', 0) + " ms, server CPU " +
               QByteArray::number(cpuMs(serverPid_) - server_, 'f', 0) + " ms";
    }

private:
    qint64 serverPid_;
    double client_;
    double server_;
    Clock::time_point start_;
};

struct Options
{
    int publishFibers = 200000;
    long long serverFibers = 10000000;
    int runs = 3;
    int fetches = 15;
};

Options parse(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const long long value = std::max(1LL, std::atoll(argv[i + 1]));
        if (name == "--publish-fibers")
            options.publishFibers = static_cast<int>(value);
        else if (name == "--server-fibers")
            options.serverFibers = value;
        else if (name == "--runs")
            options.runs = static_cast<int>(value);
        else if (name == "--fetches")
            options.fetches = static_cast<int>(value);
        else {
            std::fprintf(stderr, "bench-server: unknown option %s\n", argv[i]);
            std::exit(2);
        }
    }
    return options;
}

// A schema of its own for each part, so the benchmark never touches the
// tables of a team that keeps its results in the same database.
void useSchema(PgConnection& server, const char* schema, bool fresh)
{
    if (fresh) {
        server.execute((std::string("DROP SCHEMA IF EXISTS ") + schema + " CASCADE").c_str());
        server.execute((std::string("CREATE SCHEMA ") + schema).c_str());
    }
    server.execute((std::string("SET search_path TO ") + schema).c_str());
}

// ---- publish against a raw COPY ------------------------------------------

// The fiber rows of the file in COPY's text format, the plain way to COPY
// them, and in the binary format publishing sends them in.
struct FiberRows
{
    QByteArray text;
    QByteArray binary;
};

FiberRows fiberRows(Database& file)
{
    const TableMap& map = fibersMap();
    QStringList columns;
    for (const ColumnMap& column : map.columns)
        columns << Database::quoteIdentifier(QLatin1String(column.local));
    StatementLease rows(file, QStringLiteral("SELECT %1 FROM Fiber").arg(columns.join(QLatin1String(", "))));
    FiberRows out;
    CopyBinary::appendHeader(out.binary);
    const auto fields = static_cast<int>(map.columns.size());
    while (rows->step()) {
        CopyBinary::appendFieldCount(out.binary, fields);
        for (int i = 0; i < fields; ++i) {
            const ColumnMap& column = map.columns[static_cast<std::size_t>(i)];
            if (i > 0)
                out.text += '\t';
            const auto value = ServerValues::fromLocal(*rows, i, column, map.local);
            if (value)
                appendCopyField(out.text, *value);
            else
                out.text += "\\N";
            ServerValues::appendBinaryField(out.binary, *rows, i, column, map.local);
        }
        out.text += '\n';
    }
    CopyBinary::appendTrailer(out.binary);
    return out;
}

double rawCopyMs(PgConnection& server, const QByteArray& rows, bool binary, qint64 serverPid)
{
    useSchema(server, "bench_plain", true);
    server.execute("CREATE TABLE fibers (id uuid, link_id uuid, name varchar(50), power_850 numeric, "
                   "power_980 numeric, power_1300 numeric, power_1480 numeric, power_1550 numeric, "
                   "fiber_type smallint)");
    const StepTimer timer(serverPid);
    server.beginCopy(binary ? "COPY fibers FROM STDIN (FORMAT binary)" : "COPY fibers FROM STDIN");
    constexpr qsizetype kChunk = 1 << 20;
    for (qsizetype at = 0; at < rows.size(); at += kChunk)
        server.putCopyData(rows.mid(at, kChunk));
    server.endCopy();
    const double ms = timer.wallMs();
    std::fprintf(stderr, "  raw COPY%s %.0f ms (%s)\n", binary ? " in binary" : "", ms,
                 timer.cpuText().constData());
    return ms;
}

double publishMs(PgConnection& server, Database& file, long long fibers, qint64 serverPid)
{
    useSchema(server, "bench_publish", true);
    ServerSchema::initialise(server);
    const StepTimer timer(serverPid);
    const PublishCounts counts = LinkPublisher::publish(server, file);
    const double ms = timer.wallMs();
    std::fprintf(stderr, "  publish %.0f ms (%s)\n", ms, timer.cpuText().constData());
    if (counts.fibers != fibers) {
        std::fprintf(stderr, "bench-server: published %lld circuits of %lld\n", counts.fibers, fibers);
        std::exit(1);
    }
    return ms;
}

double publishVsCopyRatio(PgConnection& server, const Options& options, Database& file, int links)
{
    const auto reading = Clock::now();
    const FiberRows rows = fiberRows(file);
    std::fprintf(stderr, "the file's fiber rows read and turned into COPY data in %.0f ms\n",
                 msSince(reading));

    const qint64 serverPid = server.execute("SELECT pg_backend_pid()").integer(0, 0);
    std::vector<double> publishes;
    std::vector<double> copies;
    std::vector<double> binaryCopies;
    for (int run = 1; run <= options.runs; ++run) {
        publishes.push_back(publishMs(server, file, options.publishFibers, serverPid));
        copies.push_back(rawCopyMs(server, rows.text, false, serverPid));
        binaryCopies.push_back(rawCopyMs(server, rows.binary, true, serverPid));
        std::fprintf(stderr, "round %d: publish of %d links, %d circuits %.0f ms; raw COPY %.0f ms\n", run,
                     links, options.publishFibers, publishes.back(), copies.back());
    }
    server.execute("DROP SCHEMA bench_publish CASCADE");
    server.execute("DROP SCHEMA bench_plain CASCADE");
    const double publish = median(publishes);
    const double copy = median(copies);
    // The ratio is against COPY's plain text form; publishing sends the
    // circuits in binary, so against a raw binary COPY it is said here too.
    std::fprintf(stderr,
                 "median publish %.0f ms, median raw COPY %.0f ms (%.1f MB of rows); "
                 "median raw COPY in binary %.0f ms (publish / that %.2f)\n",
                 publish, copy, static_cast<double>(rows.text.size()) / (1 << 20), median(binaryCopies),
                 publish / median(binaryCopies));
    return publish / copy;
}

// ---- fetch one link on a server of 10 million fibers ------------------------

constexpr int kFibersPerLink = 25;
constexpr int kOrganisations = 40;

// Random version-4 UUIDs, as newRecordId makes them: the keys of real
// results land all over their indexes, not in order.
class UuidMaker
{
public:
    QByteArray next()
    {
        std::uint64_t high = random_();
        std::uint64_t low = random_();
        high = (high & 0xFFFFFFFFFFFF0FFFULL) | 0x0000000000004000ULL;
        low = (low & 0x3FFFFFFFFFFFFFFFULL) | 0x8000000000000000ULL;
        char text[37];
        std::snprintf(text, sizeof text, "%08x-%04x-%04x-%04x-%012llx", static_cast<unsigned>(high >> 32),
                      static_cast<unsigned>((high >> 16) & 0xFFFF), static_cast<unsigned>(high & 0xFFFF),
                      static_cast<unsigned>(low >> 48),
                      static_cast<unsigned long long>(low & 0xFFFFFFFFFFFFULL));
        return QByteArray(text, 36);
    }

private:
    std::mt19937_64 random_{20261208};
};

QByteArray linkName(long long link)
{
    return "LINK " + QByteArray::number(link).rightJustified(7, '0');
}

// Sends COPY text in chunks as it grows, so 10 million rows never sit in memory.
class CopySender
{
public:
    CopySender(PgConnection& server, const char* sql) : server_(server) { server_.beginCopy(sql); }
    QByteArray& buffer() { return buffer_; }
    void rowDone()
    {
        if (buffer_.size() > (8 << 20)) {
            server_.putCopyData(buffer_);
            buffer_.clear();
        }
    }
    void finish()
    {
        if (!buffer_.isEmpty())
            server_.putCopyData(buffer_);
        server_.endCopy();
    }

private:
    PgConnection& server_;
    QByteArray buffer_;
};

struct Definition
{
    QByteArray table;
    QByteArray name;
    QByteArray sql;
};

// The constraints and indexes of the big tables, from the catalogue, so
// they are made again exactly as the schema made them after the rows are in:
// one sorted build of each index instead of 10 million random insertions
// into it (the way pg_restore loads a dump).
std::vector<Definition> constraintsAndIndexes(PgConnection& server, bool constraints)
{
    const PgResult rows = server.execute(
        constraints
            ? "SELECT conrelid::regclass::text, conname, pg_get_constraintdef(oid) FROM pg_constraint "
              "WHERE connamespace = 'bench_fetch'::regnamespace AND conrelid IN "
              "('links'::regclass, 'fibers'::regclass) AND contype IN ('p', 'u', 'f') "
              "ORDER BY contype = 'f'"
            : "SELECT tablename, indexname, indexdef FROM pg_indexes WHERE schemaname = 'bench_fetch' "
              "AND tablename IN ('links', 'fibers') AND indexname NOT IN (SELECT conname FROM "
              "pg_constraint WHERE connamespace = 'bench_fetch'::regnamespace)");
    std::vector<Definition> definitions;
    for (int row = 0; row < rows.rows(); ++row)
        definitions.push_back({rows.bytes(row, 0), rows.bytes(row, 1), rows.bytes(row, 2)});
    return definitions;
}

void copyOrganisations(PgConnection& server, std::vector<QByteArray>& ids, std::vector<QByteArray>& serials,
                       UuidMaker& uuids)
{
    CopySender copy(server, "COPY organisations (id, name, phone, meter_serial, meter_version) FROM STDIN");
    for (int i = 0; i < kOrganisations; ++i) {
        ids.push_back(uuids.next());
        serials.push_back("SN:P" + QByteArray::number(2000 + i));
        copy.buffer() += ids.back() + "\tSynthetic Cabling " + QByteArray::number(i) + "\t555-0142\t" +
                         serials.back() + "\t2.10\n";
    }
    copy.finish();
}

// Links and their fibers as publishing writes them: the identity folded as
// the schema folds it, powers in the shortest text of their float.
void copyLinksAndFibers(PgConnection& server, long long links, UuidMaker& uuids)
{
    std::vector<QByteArray> organisations;
    std::vector<QByteArray> serials;
    copyOrganisations(server, organisations, serials, uuids);
    std::vector<QByteArray> linkIds;
    linkIds.reserve(static_cast<std::size_t>(links));
    {
        CopySender copy(server,
                        "COPY links (id, organisation_id, name, test_date, upload_date, calibration_date, "
                        "fiber_length, connections, splices, temperature, fiber_type, wizard, standard, "
                        "reference_850, reference_980, reference_1300, reference_1480, reference_1550, "
                        "wavelength1, wavelength2, wavelength3, wavelength4, wavelength5, identity_name, "
                        "identity_date, identity_serial) FROM STDIN");
        for (long long link = 0; link < links; ++link) {
            const std::size_t organisation = static_cast<std::size_t>(link % kOrganisations);
            const QDateTime tested =
                QDateTime(QDate(2021, 1, 4), QTime(7, 30)).addSecs((link * 2957) % (5 * 365 * 86400LL));
            const QByteArray date = tested.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toLatin1();
            const QByteArray name = linkName(link);
            linkIds.push_back(uuids.next());
            QByteArray& row = copy.buffer();
            row += linkIds.back() + '\t' + organisations[organisation] + '\t' + name + '\t' + date + '\t' +
                   date +
                   "\t2025-11-20 00:00:00\t2000\t2\t1\t72\t0\t7\t2\t-20\t0\t-19.5\t0\t-19\t850nm\t9999nm\t"
                   "1300nm\t9999nm\t1550nm\t" +
                   name.toLower() + '\t' + date + '\t' + serials[organisation].toLower() + '\n';
            copy.rowDone();
        }
        copy.finish();
    }
    CopySender copy(server, "COPY fibers (id, link_id, name, power_850, power_980, power_1300, power_1480, "
                            "power_1550, fiber_type) FROM STDIN");
    for (long long link = 0; link < links; ++link) {
        for (int fiber = 1; fiber <= kFibersPerLink; ++fiber) {
            const float power = -24.1f - 0.01f * static_cast<float>((link + fiber) % 97);
            copy.buffer() += uuids.next() + '\t' + linkIds[static_cast<std::size_t>(link)] + '\t' +
                             QByteArray::number(fiber) + '\t' + ServerValues::numberText(power) +
                             "\t0\t-21.5\t0\t-20.8\t0\n";
            copy.rowDone();
        }
    }
    copy.finish();
    server.execute("INSERT INTO publications (links, fibers, replaced) SELECT count(*), count(*) * 25, 0 "
                   "FROM links");
}

// The tables, columns, indexes, constraints, triggers and functions of a schema, its
// name left out, so two schemas made by different versions of the program
// compare unequal even where the version number stayed the same.
QByteArray layoutOf(PgConnection& server, const char* schema)
{
    return server
        .execute(
            "SELECT string_agg(replace(item, $1 || '.', ''), E'\\n' ORDER BY item) FROM ("
            "SELECT 'column ' || table_name || '.' || column_name || ' ' || data_type || ' ' || "
            "is_nullable AS item FROM information_schema.columns WHERE table_schema = $1 "
            "UNION ALL SELECT 'index ' || indexdef FROM pg_indexes WHERE schemaname = $1 "
            "UNION ALL SELECT 'constraint ' || conname || ' ' || pg_get_constraintdef(oid) "
            "FROM pg_constraint WHERE connamespace = $1::regnamespace "
            "UNION ALL SELECT 'trigger ' || tgname || ' ' || pg_get_triggerdef(t.oid) FROM pg_trigger t "
            "JOIN pg_class c ON c.oid = t.tgrelid WHERE c.relnamespace = $1::regnamespace "
            "AND NOT t.tgisinternal UNION ALL SELECT 'function ' || pg_get_functiondef(p.oid) FROM pg_proc p "
            "WHERE p.pronamespace = $1::regnamespace) items",
            PgParams().add(QByteArray(schema)))
        .bytes(0, 0);
}

// True when the schema was made by this program's schema and holds the
// count asked for.
bool fetchServerIsWhole(PgConnection& server, long long fibers)
{
    const PgResult found = server.execute("SELECT to_regclass('bench_fetch.fibrolog_schema') IS NOT NULL");
    if (found.text(0, 0) != QLatin1String("t"))
        return false;
    useSchema(server, "bench_layout", true);
    ServerSchema::initialise(server);
    const QByteArray wanted = layoutOf(server, "bench_layout");
    server.execute("DROP SCHEMA bench_layout CASCADE");
    if (layoutOf(server, "bench_fetch") != wanted) {
        std::fprintf(stderr, "the server of %lld fibers has another layout than this program's\n", fibers);
        return false;
    }
    useSchema(server, "bench_fetch", false);
    return ServerSchema::version(server) == ServerSchema::kCurrentVersion &&
           server.execute("SELECT count(*) FROM fibers").integer(0, 0) == fibers;
}

// The rows in one transaction: a run killed midway leaves an empty schema,
// which the next run makes again.
void makeFetchServer(PgConnection& server, long long fibers)
{
    const auto start = Clock::now();
    useSchema(server, "bench_fetch", true);
    ServerSchema::initialise(server);
    PgTransaction transaction(server);
    server.execute("SET LOCAL maintenance_work_mem TO '512MB'");
    const std::vector<Definition> constraints = constraintsAndIndexes(server, true);
    const std::vector<Definition> indexes = constraintsAndIndexes(server, false);
    for (auto it = constraints.rbegin(); it != constraints.rend(); ++it)
        server.execute(QByteArray("ALTER TABLE " + it->table + " DROP CONSTRAINT " + it->name).constData());
    for (const Definition& index : indexes)
        server.execute(QByteArray("DROP INDEX " + index.name).constData());
    // The rows are consistent by making; the schema's checks of a publish
    // would only hold 10 million rows a second time in memory.
    server.execute("ALTER TABLE fibers DISABLE TRIGGER USER");
    UuidMaker uuids;
    copyLinksAndFibers(server, fibers / kFibersPerLink, uuids);
    server.execute("ALTER TABLE fibers ENABLE TRIGGER USER");
    std::fprintf(stderr, "  rows in after %.0f s; building the indexes...\n", msSince(start) / 1000);
    for (const Definition& index : indexes)
        server.execute(index.sql.constData());
    for (const Definition& constraint : constraints)
        server.execute(QByteArray("ALTER TABLE " + constraint.table + " ADD CONSTRAINT " + constraint.name +
                                  ' ' + constraint.sql)
                           .constData());
    transaction.commit();
    server.execute("VACUUM ANALYZE organisations, links, fibers");
    std::fprintf(stderr, "  made in %.0f s\n", msSince(start) / 1000);
}

// The part of a fetch that is the local file alone, as the fetch makes it: a
// new test database with its key (the key derivation) and an empty
// transaction.
double newFileMs(const QString& path)
{
    const auto start = Clock::now();
    Database file;
    createTestDatabase(file, path);
    Transaction writing(file);
    writing.commit();
    file.close();
    return msSince(start);
}

double fetchLinkMs(PgConnection& server, const Options& options)
{
    const long long links = options.serverFibers / kFibersPerLink;
    if (fetchServerIsWhole(server, links * kFibersPerLink)) {
        std::fprintf(stderr, "the server of %lld fibers is there already\n", links * kFibersPerLink);
    } else {
        std::fprintf(stderr, "making a server of %lld links, %lld fibers with COPY (minutes)...\n", links,
                     links * kFibersPerLink);
        makeFetchServer(server, links * kFibersPerLink);
    }
    useSchema(server, "bench_fetch", false);

    const qint64 serverPid = server.execute("SELECT pg_backend_pid()").integer(0, 0);
    QTemporaryDir folder;
    std::mt19937 random(7);
    std::uniform_int_distribution<long long> anyLink(0, links - 1);
    std::vector<double> fetches;
    std::vector<double> files;
    for (int i = 0; i < options.fetches; ++i) {
        FetchFilter filter;
        const QByteArray name = linkName(anyLink(random));
        filter.linkNames << QString::fromLatin1(name);
        const QString path = folder.filePath(QStringLiteral("fetch-%1.mdb").arg(i));
        const StepTimer timer(serverPid);
        const FetchCounts counts = LinkFetcher::fetchInto(server, filter, path);
        fetches.push_back(timer.wallMs());
        const QByteArray cpu = timer.cpuText();
        if (counts.links != 1 || counts.fibers != kFibersPerLink) {
            std::fprintf(stderr, "bench-server: fetching %s gave %lld links, %lld fibers\n", name.constData(),
                         counts.links, counts.fibers);
            std::exit(1);
        }
        files.push_back(newFileMs(folder.filePath(QStringLiteral("empty-%1.mdb").arg(i))));
        std::fprintf(stderr, "fetch of %s: %.1f ms (%s; a new empty test database alone: %.1f ms)\n",
                     name.constData(), fetches.back(), cpu.constData(), files.back());
    }
    const double fetch = median(fetches);
    const double file = median(files);
    std::fprintf(stderr, "median fetch %.1f ms, of which the new local test database about %.1f ms\n", fetch,
                 file);
    return fetch;
}

} // namespace

// Not a figure of the contract, said on standard error: the same file
// published onto the server of 10 million fibers, new and then again (every
// link replaced), where finding what it replaces must not read the whole
// server. Its links go again after, so the server keeps its count.
void publishOntoFullServer(PgConnection& server, Database& file, const Options& options)
{
    useSchema(server, "bench_fetch", false);
    const qint64 serverPid = server.execute("SELECT pg_backend_pid()").integer(0, 0);
    for (const char* what : {"new", "again"}) {
        const StepTimer timer(serverPid);
        const PublishCounts counts = LinkPublisher::publish(server, file);
        std::fprintf(stderr, "publish onto the server of %lld fibers (%s): %.0f ms (%s), %lld replaced\n",
                     options.serverFibers, what, timer.wallMs(), timer.cpuText().constData(),
                     counts.replaced);
    }
    server.execute("DELETE FROM links WHERE name LIKE 'CABLE %'");
    server.execute("DELETE FROM organisations o WHERE NOT EXISTS "
                   "(SELECT 1 FROM links l WHERE l.organisation_id = o.id)");
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const Options options = parse(argc, argv);
    const QString address = qEnvironmentVariable("FIBROLOG_SERVER");
    if (address.isEmpty()) {
        std::fprintf(stderr, "bench-server: set FIBROLOG_SERVER to the server's connection string "
                             "(scripts/bench-server.sh starts one)\n");
        return 2;
    }
    try {
        PgConnection server(address);
        // The schemas it drops and makes again are no news.
        server.execute("SET client_min_messages TO warning");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("publish.mdb"));
        std::fprintf(stderr, "making a test database of %d circuits in links of 25 to 200 fibers...\n",
                     options.publishFibers);
        const int links = SyntheticFile::makeMixed(path, options.publishFibers);
        Database file;
        file.open(path, false, true, kConnectString);
        const double ratio = publishVsCopyRatio(server, options, file, links);
        const double fetch = fetchLinkMs(server, options);
        publishOntoFullServer(server, file, options);
        std::printf("publish_vs_copy_ratio %.2f\n", ratio);
        std::printf("fetch_link_ms_at_10m %.1f\n", fetch);
    } catch (const ServerError& e) {
        std::fprintf(stderr, "bench-server: %s\n", e.what());
        return 1;
    } catch (const DatabaseException& e) {
        std::fprintf(stderr, "bench-server: %s\n", qPrintable(e.description()));
        return 1;
    }
    return 0;
}
