#include "server/PgConnection.h"

#include <libpq-fe.h>

#include <QElapsedTimer>

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "app/JobProgress.h"

namespace {

// How often a wait looks at the job's cancel flag.
constexpr int kSliceMs = 100;
// How long a cancelled statement's answer, and a rollback's, are waited for
// before the connection is closed instead.
constexpr int kCancelAnswerMs = 5000;
constexpr int kRollbackAnswerMs = 10000;

void freeCancel(pg_cancel* request)
{
    if (request)
        PQfreeCancel(request);
}

// libpq's messages run over several lines ("connection ... failed: ...\n\tIs
// the server running ..."); the user is told the first, which names the cause.
QString firstLine(const char* message)
{
    const QString text = QString::fromUtf8(message).trimmed();
    return text.section(QLatin1Char('\n'), 0, 0).trimmed();
}

} // namespace

PgParams& PgParams::add(const QString& value)
{
    return add(value.toUtf8());
}

PgParams& PgParams::add(const QByteArray& utf8)
{
    values_.push_back(utf8);
    nulls_.push_back(false);
    pointers_.clear();
    for (std::size_t i = 0; i < values_.size(); ++i)
        pointers_.push_back(nulls_[i] ? nullptr : values_[i].constData());
    return *this;
}

PgParams& PgParams::addNull()
{
    values_.emplace_back();
    nulls_.push_back(true);
    pointers_.clear();
    for (std::size_t i = 0; i < values_.size(); ++i)
        pointers_.push_back(nulls_[i] ? nullptr : values_[i].constData());
    return *this;
}

void PgResult::freeResult(pg_result* result)
{
    if (result)
        PQclear(result);
}

int PgResult::rows() const
{
    return result_ ? PQntuples(result_.get()) : 0;
}

bool PgResult::isNull(int row, int column) const
{
    return PQgetisnull(result_.get(), row, column) != 0;
}

QString PgResult::text(int row, int column) const
{
    return QString::fromUtf8(PQgetvalue(result_.get(), row, column));
}

QByteArray PgResult::bytes(int row, int column) const
{
    return QByteArray(PQgetvalue(result_.get(), row, column), PQgetlength(result_.get(), row, column));
}

long long PgResult::integer(int row, int column) const
{
    return QByteArray(PQgetvalue(result_.get(), row, column)).toLongLong();
}

PgConnection::PgConnection(const QString& conninfo, const JobProgress* watch) : watch_(watch)
{
    connect(conninfo);
    // Texts travel as UTF-8 and dates in ISO form whatever the server's
    // defaults; a float keeps every digit; a statement never waits forever
    // on a lock held by a stalled client.
    execute("SET client_encoding TO 'UTF8'");
    execute("SET datestyle TO ISO, YMD");
    execute("SET extra_float_digits TO 3");
    execute("SET lock_timeout TO '120s'");
}

PgConnection::~PgConnection()
{
    abandon();
}

void PgConnection::connect(const QString& conninfo)
{
    const QByteArray info = conninfo.toUtf8();
    const char* const keywords[] = {"dbname", "fallback_application_name", nullptr};
    const char* const values[] = {info.constData(), "fibrolog", nullptr};
    conn_ = PQconnectStartParams(keywords, values, 1);
    if (!conn_)
        throw ServerError(QStringLiteral("cannot connect to the team server: out of memory"));
    // A connection made step by step keeps libpq's connect_timeout only if
    // the caller does, as the blocking connect would.
    int limitMs = -1;
    if (PQconninfoOption* options = PQconninfo(conn_)) {
        for (const PQconninfoOption* option = options; option->keyword; ++option) {
            if (qstrcmp(option->keyword, "connect_timeout") == 0 && option->val) {
                const int seconds = std::atoi(option->val);
                if (seconds > 0)
                    limitMs = std::max(seconds, 2) * 1000;
            }
        }
        PQconninfoFree(options);
    }
    QElapsedTimer elapsed;
    elapsed.start();
    PostgresPollingStatusType state = PGRES_POLLING_WRITING;
    while (PQstatus(conn_) != CONNECTION_BAD && state != PGRES_POLLING_OK && state != PGRES_POLLING_FAILED) {
        const short events = state == PGRES_POLLING_READING ? POLLIN : POLLOUT;
        const int remaining =
            limitMs < 0 ? -1 : static_cast<int>(std::max<qint64>(0, limitMs - elapsed.elapsed()));
        const Ready ready = waitForSocket(events, true, remaining);
        if (ready == Ready::Cancelled) {
            abandon();
            throw ServerCancelled();
        }
        if (ready == Ready::TimedOut) {
            abandon();
            throw ServerError(QStringLiteral("cannot connect to the team server: no answer within %1 seconds")
                                  .arg(limitMs / 1000));
        }
        state = PQconnectPoll(conn_);
    }
    if (PQstatus(conn_) != CONNECTION_OK) {
        const QString why = firstLine(PQerrorMessage(conn_));
        abandon();
        throw ServerError(QStringLiteral("cannot connect to the team server: %1").arg(why));
    }
}

void PgConnection::abandon()
{
    if (conn_)
        PQfinish(conn_);
    conn_ = nullptr;
}

void PgConnection::throwIfCancelled() const
{
    if (watch_ && watch_->isCancelled())
        throw ServerCancelled();
}

PgConnection::Ready PgConnection::waitForSocket(short events, bool watchCancel, int remainingMs) const
{
    QElapsedTimer elapsed;
    elapsed.start();
    for (;;) {
        if (watchCancel && watch_ && watch_->isCancelled())
            return Ready::Cancelled;
        int slice = kSliceMs;
        if (remainingMs >= 0) {
            const qint64 left = remainingMs - elapsed.elapsed();
            if (left <= 0)
                return Ready::TimedOut;
            slice = static_cast<int>(std::min<qint64>(slice, left));
        }
        pollfd socket{PQsocket(conn_), events, 0};
        // Without a socket, or with one that fails, libpq says what went
        // wrong at its next step.
        if (socket.fd < 0)
            return Ready::Yes;
        const int ready = ::poll(&socket, 1, slice);
        if (ready > 0 || (ready < 0 && errno != EINTR))
            return Ready::Yes;
    }
}

void PgConnection::cancelOnServer()
{
    // The server stops the statement (a wait for a lock too) at once; its
    // answer, an error, then ends the wait for the result.
    const std::unique_ptr<pg_cancel, void (*)(pg_cancel*)> request(PQgetCancel(conn_), &freeCancel);
    char why[256] = {};
    if (request)
        PQcancel(request.get(), why, static_cast<int>(sizeof why));
}

PgResult PgConnection::execute(const char* sql)
{
    return run(sql, nullptr, Waiting{});
}

PgResult PgConnection::execute(const char* sql, const PgParams& params)
{
    return run(sql, &params, Waiting{});
}

PgResult PgConnection::run(const char* sql, const PgParams* params, Waiting waiting)
{
    if (!conn_)
        throw ServerError(QStringLiteral("the connection to the team server was lost"));
    if (waiting.watchCancel)
        throwIfCancelled();
    const int sent = params ? PQsendQueryParams(conn_, sql, params->count(), nullptr, params->pointers(),
                                                nullptr, nullptr, 0)
                            : PQsendQuery(conn_, sql);
    if (sent != 1)
        fail(firstLine(PQerrorMessage(conn_)));
    return check(collect(waiting), sql);
}

PgResult PgConnection::collect(Waiting waiting)
{
    PgResult kept;
    PgResult failure;
    bool cancelled = false;
    int limitMs = waiting.limitMs;
    QElapsedTimer elapsed;
    elapsed.start();
    for (;;) {
        while (PQisBusy(conn_)) {
            const int remaining =
                limitMs < 0 ? -1 : static_cast<int>(std::max<qint64>(0, limitMs - elapsed.elapsed()));
            const Ready ready = waitForSocket(POLLIN, waiting.watchCancel && !cancelled, remaining);
            if (ready == Ready::Cancelled) {
                cancelled = true;
                cancelOnServer();
                limitMs = kCancelAnswerMs;
                elapsed.restart();
                continue;
            }
            if (ready == Ready::TimedOut) {
                // Closing the connection ends the session and its transaction on the server.
                abandon();
                if (cancelled)
                    throw ServerCancelled();
                throw ServerError(QStringLiteral("the team server did not answer in time"));
            }
            if (PQconsumeInput(conn_) != 1) {
                if (cancelled) {
                    abandon();
                    throw ServerCancelled();
                }
                fail(firstLine(PQerrorMessage(conn_)));
            }
        }
        pg_result* raw = PQgetResult(conn_);
        if (!raw)
            break;
        const ExecStatusType status = PQresultStatus(raw);
        PgResult result(raw);
        // A COPY goes on with its data; there is no end of results to wait for yet.
        if (status == PGRES_COPY_IN || status == PGRES_COPY_OUT || status == PGRES_COPY_BOTH) {
            kept = std::move(result);
            break;
        }
        // Of several statements, the first failure says why (the server skips the rest).
        if (status == PGRES_FATAL_ERROR || status == PGRES_BAD_RESPONSE) {
            if (!failure.get())
                failure = std::move(result);
        } else {
            kept = std::move(result);
        }
    }
    if (cancelled)
        throw ServerCancelled();
    return failure.get() ? std::move(failure) : std::move(kept);
}

PgResult PgConnection::check(PgResult result, const char* what)
{
    pg_result* raw = result.get();
    const ExecStatusType status = raw ? PQresultStatus(raw) : PGRES_FATAL_ERROR;
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK || status == PGRES_COPY_IN) {
        lastState_.clear();
        return result;
    }
    const char* state = raw ? PQresultErrorField(raw, PG_DIAG_SQLSTATE) : nullptr;
    lastState_ = state ? QByteArray(state) : QByteArray();
    const char* message = raw ? PQresultErrorField(raw, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    fail(message ? QString::fromUtf8(message)
                 : firstLine(PQerrorMessage(conn_)) + QStringLiteral(" (") +
                       QString::fromUtf8(what).section(QLatin1Char(' '), 0, 1) + QLatin1Char(')'));
}

void PgConnection::fail(const QString& what)
{
    if (!conn_ || PQstatus(conn_) != CONNECTION_OK)
        throw ServerError(QStringLiteral("the connection to the team server was lost: %1").arg(what));
    throw ServerError(QStringLiteral("the team server refused: %1").arg(what));
}

void PgConnection::beginCopy(const char* sql)
{
    run(sql, nullptr, Waiting{});
}

void PgConnection::putCopyData(const QByteArray& rows)
{
    if (watch_ && watch_->isCancelled()) {
        abandonCopy("cancelled by the user");
        throw ServerCancelled();
    }
    if (PQputCopyData(conn_, rows.constData(), static_cast<int>(rows.size())) != 1)
        fail(firstLine(PQerrorMessage(conn_)));
}

void PgConnection::abandonCopy(const char* reason) noexcept
{
    // libpq refuses the end of a COPY that is not going on (already ended).
    if (!conn_ || PQstatus(conn_) != CONNECTION_OK || PQputCopyEnd(conn_, reason) != 1)
        return;
    try {
        collect(Waiting{false, kCancelAnswerMs});
    } catch (...) {
        abandon();
    }
}

void PgConnection::endCopy()
{
    if (PQputCopyEnd(conn_, nullptr) != 1)
        fail(firstLine(PQerrorMessage(conn_)));
    // The COPY's own outcome, once the server has stored every row.
    check(collect(Waiting{}), "COPY");
}

PgTransaction::PgTransaction(PgConnection& connection) : connection_(connection)
{
    connection_.execute("BEGIN");
}

PgTransaction::~PgTransaction()
{
    if (!open_)
        return;
    // Also after a cancel, and never for longer than a moment: a connection
    // that does not answer is closed, which ends the transaction on the server.
    try {
        connection_.run("ROLLBACK", nullptr, PgConnection::Waiting{false, kRollbackAnswerMs});
    } catch (const ServerError&) {
        // A lost connection rolls the transaction back on the server itself.
    }
}

void PgTransaction::commit()
{
    // The last moment a cancel still leaves the server as it was; once the
    // COMMIT is sent, its outcome is waited for, whatever the user asks.
    connection_.throwIfCancelled();
    connection_.run("COMMIT", nullptr, PgConnection::Waiting{false, -1});
    open_ = false;
}

void appendCopyField(QByteArray& row, const QByteArray& utf8)
{
    for (const char c : utf8) {
        switch (c) {
        case '\\':
            row += "\\\\";
            break;
        case '\t':
            row += "\\t";
            break;
        case '\n':
            row += "\\n";
            break;
        case '\r':
            row += "\\r";
            break;
        default:
            row += c;
        }
    }
}
