#include "database/Statement.h"

#include "database/DatabaseException.h"

#include <sqlcipher/sqlite3.h>

#include <utility>

Statement::Statement(sqlite3* db, const QString& sql) : db_(db), sql_(sql)
{
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(db, utf8.constData(), static_cast<int>(utf8.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        throw DatabaseException(QStringLiteral("%1 (in: %2)").arg(message, sql));
    }
}

Statement::~Statement()
{
    sqlite3_finalize(stmt_);
}

Statement::Statement(Statement&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)), stmt_(std::exchange(other.stmt_, nullptr)),
      sql_(std::move(other.sql_))
{
}

Statement& Statement::operator=(Statement&& other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(stmt_);
        db_ = std::exchange(other.db_, nullptr);
        stmt_ = std::exchange(other.stmt_, nullptr);
        sql_ = std::move(other.sql_);
    }
    return *this;
}

void Statement::check(int rc, const char* what) const
{
    if (rc != SQLITE_OK)
        throw DatabaseException(
            QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromUtf8(sqlite3_errmsg(db_))));
}

void Statement::bind(int index, const QVariant& value)
{
    if (value.isNull()) {
        bindNull(index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::QByteArray:
        bindBlob(index, value.toByteArray());
        break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::UChar:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Bool:
        bindInt(index, value.toLongLong());
        break;
    case QMetaType::Float:
    case QMetaType::Double:
        bindDouble(index, value.toDouble());
        break;
    default:
        bindText(index, value.toString());
    }
}

void Statement::bindText(int index, const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    check(sqlite3_bind_text(stmt_, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT),
          "binding a value");
}

void Statement::bindBlob(int index, const QByteArray& value)
{
    check(
        sqlite3_bind_blob(stmt_, index, value.constData(), static_cast<int>(value.size()), SQLITE_TRANSIENT),
        "binding a value");
}

void Statement::bindInt(int index, std::int64_t value)
{
    check(sqlite3_bind_int64(stmt_, index, value), "binding a value");
}

void Statement::bindDouble(int index, double value)
{
    check(sqlite3_bind_double(stmt_, index, value), "binding a value");
}

void Statement::bindNull(int index)
{
    check(sqlite3_bind_null(stmt_, index), "binding a value");
}

bool Statement::step()
{
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    // The statement's error code is the one worth reporting; reset clears it.
    const QString message = QString::fromUtf8(sqlite3_errmsg(db_));
    sqlite3_reset(stmt_);
    throw DatabaseException(message);
}

void Statement::exec()
{
    while (step()) {
    }
    reset();
}

void Statement::reset()
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(stmt_);
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

int Statement::columnStorageType(int column) const
{
    return sqlite3_column_type(stmt_, column);
}

QString Statement::columnText(int column) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(stmt_, column)) : QString();
}

QByteArray Statement::columnBlob(int column) const
{
    const void* data = sqlite3_column_blob(stmt_, column);
    return data ? QByteArray(static_cast<const char*>(data), sqlite3_column_bytes(stmt_, column))
                : QByteArray();
}

std::int64_t Statement::columnInt(int column) const
{
    return sqlite3_column_int64(stmt_, column);
}

double Statement::columnDouble(int column) const
{
    return sqlite3_column_double(stmt_, column);
}
