#pragma once

#include "database/ColumnDef.h"
#include "database/Statement.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

struct sqlite3;
class Recordset;

// One test database file, opened through SQLCipher: the whole file is
// encrypted with the database password. The engine keeps the Jet rules the
// program relies on: typed columns with sizes, named indexes that may be
// primary, unique or required, exclusive use of an open file, and one
// exception with a description for every failure.
class Database
{
public:
    // Creation option: encrypt the file (every database the program makes is).
    static constexpr int kEncrypt = 2;

    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Makes a new, empty database; fails when the file exists. Nothing is
    // written until the first table, so the password set right after creation
    // encrypts the whole file.
    void create(const QString& path, const QString& locale, int options);
    void setPassword(const QString& oldPassword, const QString& newPassword);

    // Opens an existing file. `connect` is ";PWD=password". An exclusive open
    // locks the file against every other opener, in this process or another.
    void open(const QString& path, bool exclusive, bool readOnly, const QString& connect);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    const QString& path() const { return path_; }

    // Makes another database file reachable from this connection under
    // `alias`, so rows can move between the two in one transaction.
    void attachDatabase(const QString& path, const QString& alias, const QString& password);
    void detachDatabase(const QString& alias);

    // Runs one SQL statement; an error raises.
    void execute(const QString& sql);

    QStringList tableNames();
    bool hasTable(const QString& name);
    const TableDef& tableDef(const QString& name);
    void createTable(const TableDef& table);
    void deleteTable(const QString& name);

    std::vector<IndexDef> indexes(const QString& table);
    QStringList indexNames(const QString& table);
    void createIndex(const QString& table, const IndexDef& index);

    // Bulk work runs inside one transaction.
    void beginTransaction();
    void commit();
    void rollback();
    bool inTransaction() const { return inTransaction_; }

    std::int64_t lastInsertRowId() const;
    std::int64_t countRows(const QString& table);
    // Rows changed through this connection so far; tells readers whether what
    // they loaded may be stale.
    std::int64_t changeCount() const;

    // While set, long statements ask `stop` now and then and end with an
    // "interrupted" error when it answers true; the transaction around them
    // then rolls back. An empty function removes the check.
    void setInterruptCheck(std::function<bool()> stop);

    // A prepared statement kept for reuse, ready to bind; give it back with
    // reset() (StatementLease does) before another use.
    std::shared_ptr<Statement> cachedStatement(const QString& sql);

    // Recordsets register while open so that closing the database closes them.
    void attach(Recordset* recordset);
    void detach(Recordset* recordset);

    static QString quoteIdentifier(const QString& name);

private:
    void requireOpen() const;
    void openConnection(const QString& path, int flags, const QString& failure);
    void exec(const QString& sql);
    void takeExclusiveLock();
    void applyCacheSize();
    void prepareConnection(const QByteArray& key);
    int readCheck();
    void verifyReadable(int readCheckResult);
    void ensureIndexCatalog();
    void forgetSchema();

    sqlite3* db_ = nullptr;
    std::function<bool()> interruptCheck_;
    QString path_;
    bool fresh_ = false; // created and not yet written
    bool exclusive_ = false;
    bool readOnly_ = false;
    bool inTransaction_ = false;
    QHash<QString, TableDef> tableCache_;
    std::unordered_map<QString, std::shared_ptr<Statement>> statements_;
    std::vector<Recordset*> recordsets_;
};

// Resets a cached statement when the scope ends, so it holds no lock and is
// ready for the next user.
class StatementLease
{
public:
    StatementLease(Database& db, const QString& sql) : statement_(db.cachedStatement(sql)) {}
    ~StatementLease() { statement_->reset(); }
    StatementLease(const StatementLease&) = delete;
    StatementLease& operator=(const StatementLease&) = delete;

    Statement* operator->() const { return statement_.get(); }
    Statement& operator*() const { return *statement_; }

private:
    std::shared_ptr<Statement> statement_;
};

// A transaction that rolls back unless committed.
class Transaction
{
public:
    explicit Transaction(Database& db) : db_(db) { db_.beginTransaction(); }
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Database& db_;
    bool done_ = false;
};

// The password part of a Jet connect string (";PWD=secret").
QString passwordFromConnect(const QString& connect);
