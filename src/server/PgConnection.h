#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <stdexcept>
#include <vector>

class JobProgress;
struct pg_cancel;
struct pg_conn;
struct pg_result;

// A failure talking to the team server, in one line the user can be shown.
// It never leaves the server library: its edge turns it into an OperationResult.
class ServerError : public std::runtime_error
{
public:
    explicit ServerError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

// The job watching the connection was cancelled while it waited or before
// it sent anything; the open transaction is then rolled back, never committed.
class ServerCancelled : public ServerError
{
public:
    ServerCancelled() : ServerError(QStringLiteral("cancelled")) {}
};

// One statement's parameters, each text or SQL NULL, sent apart from the
// statement itself so nothing from the data ever becomes SQL.
class PgParams
{
public:
    PgParams& add(const QString& value);
    PgParams& add(const QByteArray& utf8);
    PgParams& addNull();
    int count() const { return static_cast<int>(values_.size()); }
    const char* const* pointers() const { return pointers_.data(); }

private:
    std::vector<QByteArray> values_;
    std::vector<bool> nulls_;
    std::vector<const char*> pointers_;
};

// A result of libpq, freed when it goes.
class PgResult
{
public:
    explicit PgResult(pg_result* result = nullptr) : result_(result, &freeResult) {}
    pg_result* get() const { return result_.get(); }
    int rows() const;
    bool isNull(int row, int column) const;
    QString text(int row, int column) const;
    QByteArray bytes(int row, int column) const;
    long long integer(int row, int column) const;

private:
    static void freeResult(pg_result* result);
    std::unique_ptr<pg_result, void (*)(pg_result*)> result_;
};

// One connection to the server, closed when it goes. The conninfo is a
// libpq connection string or URI; the password comes from libpq's own means
// (~/.pgpass, PGPASSFILE, a service file). Every failure throws ServerError.
//
// With a job to watch, every wait (for the server to answer the connection,
// for a statement, for a lock another client holds) looks at the job's cancel
// flag a few times a second: once it is set, the running statement is
// cancelled on the server and ServerCancelled is thrown, so a server that
// does not answer never holds the user. The job is only read, from the
// thread the connection is used on.
class PgConnection
{
public:
    explicit PgConnection(const QString& conninfo, const JobProgress* watch = nullptr);
    ~PgConnection();
    PgConnection(const PgConnection&) = delete;
    PgConnection& operator=(const PgConnection&) = delete;

    // A statement without parameters: only the program's own SQL.
    PgResult execute(const char* sql);
    // A statement whose values all come as parameters ($1, $2...).
    PgResult execute(const char* sql, const PgParams& params);

    // COPY ... FROM STDIN: start it, send rows in the COPY's format, end it.
    void beginCopy(const char* sql);
    void putCopyData(const QByteArray& rows);
    void endCopy();
    // Ends a COPY that could not be finished (a value refused on the way, a
    // cancel) as failed, so the connection can roll back and take the next
    // statement. Nothing when no COPY is going on. Never throws: a connection
    // that does not answer is closed.
    void abandonCopy(const char* reason) noexcept;

    // The server's SQLSTATE of the last failure ("40001"...), empty if none.
    const QByteArray& lastState() const { return lastState_; }

    // Throws ServerCancelled when the watched job has been cancelled.
    void throwIfCancelled() const;

private:
    friend class PgTransaction;
    enum class Ready
    {
        Yes,
        Cancelled,
        TimedOut,
    };
    // How a statement is waited for: watching the job's cancel, or (for the
    // end of a transaction) not, and for at most `limitMs` (-1: no limit).
    struct Waiting
    {
        bool watchCancel = true;
        int limitMs = -1;
    };

    void connect(const QString& conninfo);
    PgResult run(const char* sql, const PgParams* params, Waiting waiting);
    PgResult collect(Waiting waiting);
    Ready waitForSocket(short events, bool watchCancel, int remainingMs) const;
    void cancelOnServer();
    void abandon();
    PgResult check(PgResult result, const char* what);
    [[noreturn]] void fail(const QString& what);

    pg_conn* conn_ = nullptr;
    const JobProgress* watch_ = nullptr;
    QByteArray lastState_;
};

// A transaction that rolls back unless it is committed: a failure or an
// exception on the way leaves the server as it was.
class PgTransaction
{
public:
    explicit PgTransaction(PgConnection& connection);
    ~PgTransaction();
    PgTransaction(const PgTransaction&) = delete;
    PgTransaction& operator=(const PgTransaction&) = delete;
    void commit();

private:
    PgConnection& connection_;
    bool open_ = true;
};

// Escapes one value for COPY's text format (backslash, tab, newline, return).
void appendCopyField(QByteArray& row, const QByteArray& utf8);
