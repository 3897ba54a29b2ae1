#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <cstdint>

struct sqlite3;
struct sqlite3_stmt;

// One prepared SQL statement. Owned statements are finalized when destroyed;
// statements borrowed from a database's cache are only reset, so the next user
// finds them ready to bind.
class Statement
{
public:
    Statement() = default;
    Statement(sqlite3* db, const QString& sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool isValid() const { return stmt_ != nullptr; }
    const QString& sql() const { return sql_; }

    // Binding, 1-based as SQLite counts. A null QVariant binds NULL.
    void bind(int index, const QVariant& value);
    void bindText(int index, const QString& value);
    void bindBlob(int index, const QByteArray& value);
    void bindInt(int index, std::int64_t value);
    void bindDouble(int index, double value);
    void bindNull(int index);

    // Runs to the next row: true for a row, false when done. Throws on error.
    bool step();
    // Runs a statement that returns no rows.
    void exec();
    void reset();

    int columnCount() const;
    bool isNull(int column) const;
    QString columnText(int column) const;
    QByteArray columnBlob(int column) const;
    std::int64_t columnInt(int column) const;
    double columnDouble(int column) const;
    int columnStorageType(int column) const; // SQLITE_INTEGER, SQLITE_TEXT...

private:
    void check(int rc, const char* what) const;

    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
    QString sql_;
};
