#include "server/PgConnection.h"

#include <libpq-fe.h>

namespace {

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

PgConnection::PgConnection(const QString& conninfo)
{
    conn_ = PQconnectdb(conninfo.toUtf8().constData());
    if (!conn_)
        throw ServerError(QStringLiteral("cannot connect to the team server: out of memory"));
    if (PQstatus(conn_) != CONNECTION_OK) {
        const QString why = firstLine(PQerrorMessage(conn_));
        PQfinish(conn_);
        conn_ = nullptr;
        throw ServerError(QStringLiteral("cannot connect to the team server: %1").arg(why));
    }
    // Texts travel as UTF-8 and dates in ISO form whatever the server's
    // defaults; a float keeps every digit; a statement never waits forever
    // on a lock held by a stalled client.
    PQsetClientEncoding(conn_, "UTF8");
    execute("SET datestyle TO ISO, YMD");
    execute("SET extra_float_digits TO 3");
    execute("SET lock_timeout TO '120s'");
}

PgConnection::~PgConnection()
{
    if (conn_)
        PQfinish(conn_);
}

PgResult PgConnection::execute(const char* sql)
{
    return check(PQexec(conn_, sql), sql);
}

PgResult PgConnection::execute(const char* sql, const PgParams& params)
{
    return check(PQexecParams(conn_, sql, params.count(), nullptr, params.pointers(), nullptr, nullptr, 0),
                 sql);
}

PgResult PgConnection::check(pg_result* raw, const char* what)
{
    PgResult result(raw);
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
    if (PQstatus(conn_) != CONNECTION_OK)
        throw ServerError(QStringLiteral("the connection to the team server was lost: %1").arg(what));
    throw ServerError(QStringLiteral("the team server refused: %1").arg(what));
}

void PgConnection::beginCopy(const char* sql)
{
    check(PQexec(conn_, sql), sql);
}

void PgConnection::putCopyData(const QByteArray& rows)
{
    if (PQputCopyData(conn_, rows.constData(), static_cast<int>(rows.size())) != 1)
        fail(firstLine(PQerrorMessage(conn_)));
}

void PgConnection::endCopy()
{
    if (PQputCopyEnd(conn_, nullptr) != 1)
        fail(firstLine(PQerrorMessage(conn_)));
    // The COPY's own outcome, then the end of its results.
    PgResult outcome = check(PQgetResult(conn_), "COPY");
    while (pg_result* more = PQgetResult(conn_))
        PQclear(more);
}

PgTransaction::PgTransaction(PgConnection& connection) : connection_(connection)
{
    connection_.execute("BEGIN");
}

PgTransaction::~PgTransaction()
{
    if (!open_)
        return;
    try {
        connection_.execute("ROLLBACK");
    } catch (const ServerError&) {
        // A lost connection rolls the transaction back on the server itself.
    }
}

void PgTransaction::commit()
{
    connection_.execute("COMMIT");
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
