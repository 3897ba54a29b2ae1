#include "database/Database.h"

#include "database/DatabaseException.h"
#include "database/DerivedKeys.h"
#include "database/Recordset.h"

#include <sqlcipher/sqlite3.h>

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// Index definitions live in a table of their own, since SQLite has no notion
// of a primary or required index. Its name keeps it out of table listings.
const QString kIndexCatalog = QStringLiteral("MSysIndexes");
constexpr std::size_t kStatementCacheLimit = 256;

bool isSystemTable(const QString& name)
{
    return name.startsWith(QLatin1String("MSys"), Qt::CaseInsensitive) ||
           name.startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive);
}

QString sqliteIndexName(const QString& table, const QString& index)
{
    return table + QLatin1Char('.') + index;
}

QString fieldsText(const std::vector<IndexField>& fields)
{
    QStringList parts;
    for (const IndexField& f : fields)
        parts << (f.descending ? QStringLiteral("-") : QStringLiteral("+")) + f.name;
    return parts.join(QLatin1Char(';'));
}

std::vector<IndexField> fieldsFromText(const QString& text)
{
    std::vector<IndexField> fields;
    for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        fields.push_back({part.mid(1), part.startsWith(QLatin1Char('-'))});
    return fields;
}

} // namespace

QString passwordFromConnect(const QString& connect)
{
    for (const QString& part : connect.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        if (eq > 0 && part.left(eq).trimmed().compare(QLatin1String("PWD"), Qt::CaseInsensitive) == 0)
            return part.mid(eq + 1);
    }
    return QString();
}

QString Database::quoteIdentifier(const QString& name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

Database::Database() = default;

Database::~Database()
{
    close();
}

void Database::requireOpen() const
{
    if (!db_)
        throw DatabaseException(QStringLiteral("The database is not open."));
}

void Database::exec(const QString& sql)
{
    requireOpen();
    Statement statement(db_, sql);
    statement.exec();
}

void Database::create(const QString& path, const QString& locale, int options)
{
    if (db_)
        throw DatabaseException(QStringLiteral("A database is already open in this object."));
    if (!locale.contains(QLatin1String("LANGID="), Qt::CaseInsensitive))
        throw DatabaseException(QStringLiteral("Invalid locale for a new database: '%1'.").arg(locale));
    if (QFileInfo::exists(path))
        throw DatabaseException(QStringLiteral("Database '%1' already exists.").arg(path));
    openConnection(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                   QStringLiteral("Cannot create the database"));
    // The key is built into the program: who may read the file is what
    // protects the results in it. The file is still empty here.
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    path_ = path;
    fresh_ = true;
    exclusive_ = true;
    readOnly_ = false;
    Q_UNUSED(options); // every file is encrypted once its password is set
}

void Database::openConnection(const QString& path, int flags, const QString& failure)
{
    const QByteArray file = QFile::encodeName(path);
    if (sqlite3_open_v2(file.constData(), &db_, flags, nullptr) == SQLITE_OK)
        return;
    const QString message = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("out of memory");
    sqlite3_close(db_);
    db_ = nullptr;
    throw DatabaseException(QStringLiteral("%1 '%2': %3").arg(failure, path, message));
}

void Database::setPassword(const QString& oldPassword, const QString& newPassword)
{
    requireOpen();
    const QByteArray key = newPassword.toUtf8();
    if (fresh_) {
        if (!oldPassword.isEmpty())
            throw DatabaseException(QStringLiteral("Not a valid password."));
        // The salt is chosen here, so the key derived for it is known and
        // the next opens of this file need not derive it again.
        const QByteArray rawKey = DerivedKeys::rawKeyForNewFile(key);
        const QByteArray& given = rawKey.isEmpty() ? key : rawKey;
        if (sqlite3_key(db_, given.constData(), static_cast<int>(given.size())) != SQLITE_OK)
            throw DatabaseException(QString::fromUtf8(sqlite3_errmsg(db_)));
        fresh_ = false;
        applyCacheSize();
        exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
        // Writing the schema cookie now makes the file a real, keyed database.
        exec(QStringLiteral("PRAGMA user_version=0"));
        takeExclusiveLock();
        return;
    }
    if (sqlite3_rekey(db_, key.constData(), static_cast<int>(key.size())) != SQLITE_OK)
        throw DatabaseException(QString::fromUtf8(sqlite3_errmsg(db_)));
}

void Database::open(const QString& path, bool exclusive, bool readOnly, const QString& connect)
{
    if (db_)
        throw DatabaseException(QStringLiteral("A database is already open in this object."));
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        throw DatabaseException(QStringLiteral("Could not find file '%1'.").arg(path));
    if (info.size() == 0)
        throw DatabaseException(QStringLiteral("Unrecognized database format '%1'.").arg(path));

    const int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    openConnection(path, flags, QStringLiteral("Cannot open"));
    path_ = path;
    exclusive_ = exclusive;
    readOnly_ = readOnly;
    try {
        const QByteArray password = passwordFromConnect(connect).toUtf8();
        const QByteArray rawKey = DerivedKeys::rawKeyForFile(path, password);
        prepareConnection(rawKey.isEmpty() ? password : rawKey);
        int readable = readCheck();
        if (readable == SQLITE_NOTADB && !rawKey.isEmpty()) {
            // The raw key did not read the file: SQLCipher derives the key
            // from the password itself, and its answer is the one given.
            sqlite3_close(db_);
            db_ = nullptr;
            openConnection(path, flags, QStringLiteral("Cannot open"));
            prepareConnection(password);
            readable = readCheck();
            if (readable == SQLITE_ROW)
                DerivedKeys::distrust();
        }
        verifyReadable(readable);
        if (!readOnly && sqlite3_db_readonly(db_, "main") == 1)
            throw DatabaseException(
                QStringLiteral("Cannot open '%1' for writing: the file is read-only.").arg(path));
        if (exclusive && !readOnly)
            takeExclusiveLock();
    } catch (...) {
        sqlite3_close(db_);
        db_ = nullptr;
        path_.clear();
        throw;
    }
}

void Database::setInterruptCheck(std::function<bool()> stop)
{
    requireOpen();
    interruptCheck_ = std::move(stop);
    if (!interruptCheck_) {
        sqlite3_progress_handler(db_, 0, nullptr, nullptr);
        return;
    }
    // Asked every few thousand virtual machine steps: often enough to stop
    // within a fraction of a second, seldom enough to cost nothing measurable.
    sqlite3_progress_handler(
        db_, 10000, [](void* self) -> int { return static_cast<Database*>(self)->interruptCheck_() ? 1 : 0; },
        this);
}

void Database::applyCacheSize()
{
    // Bulk imports touch index pages all over the file; a page cache of 32 MB
    // keeps them from being decrypted and encrypted again and again.
    sqlite3_exec(db_, "PRAGMA cache_size=-32768", nullptr, nullptr, nullptr);
}

void Database::prepareConnection(const QByteArray& key)
{
    if (!key.isEmpty() && sqlite3_key(db_, key.constData(), static_cast<int>(key.size())) != SQLITE_OK)
        throw DatabaseException(QString::fromUtf8(sqlite3_errmsg(db_)));
    sqlite3_busy_timeout(db_, 0);
    applyCacheSize();
    if (exclusive_)
        exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
}

int Database::readCheck()
{
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db_, "SELECT count(*) FROM sqlite_master", -1, &stmt, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(stmt);
    sqlite3_finalize(stmt);
    return rc;
}

void Database::verifyReadable(int rc)
{
    if (rc == SQLITE_ROW)
        return;
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
        throw DatabaseException(
            QStringLiteral(
                "The database '%1' is in use: it is opened exclusively by another program or window.")
                .arg(path_));
    if (rc == SQLITE_NOTADB)
        throw DatabaseException(
            QStringLiteral("Not a valid password, or '%1' is not a test database of this program.")
                .arg(path_));
    throw DatabaseException(
        QStringLiteral("Cannot read '%1': %2").arg(path_, QString::fromUtf8(sqlite3_errmsg(db_))));
}

void Database::takeExclusiveLock()
{
    // In exclusive locking mode the lock taken by the first write transaction
    // is kept until the file is closed.
    const int rc = sqlite3_exec(db_, "BEGIN EXCLUSIVE; COMMIT;", nullptr, nullptr, nullptr);
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
        throw DatabaseException(
            QStringLiteral(
                "The database '%1' is in use: it is opened exclusively by another program or window.")
                .arg(path_));
    if (rc != SQLITE_OK)
        throw DatabaseException(
            QStringLiteral("Cannot lock '%1': %2").arg(path_, QString::fromUtf8(sqlite3_errmsg(db_))));
}

void Database::close()
{
    if (!db_)
        return;
    // Copy: a recordset detaches itself while closing.
    const std::vector<Recordset*> open = recordsets_;
    for (Recordset* recordset : open)
        recordset->close();
    recordsets_.clear();
    if (inTransaction_)
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    inTransaction_ = false;
    statements_.clear();
    tableCache_.clear();
    // A statement still leased somewhere keeps the connection alive until it
    // is finalized; close_v2 defers the close instead of failing.
    sqlite3_close_v2(db_);
    db_ = nullptr;
    path_.clear();
    fresh_ = false;
}

void Database::attachDatabase(const QString& path, const QString& alias, const QString& password)
{
    requireOpen();
    Statement attach(db_, QStringLiteral("ATTACH DATABASE ?1 AS %1 KEY ?2").arg(quoteIdentifier(alias)));
    attach.bindText(1, path);
    const QByteArray rawKey = DerivedKeys::rawKeyForFile(path, password.toUtf8());
    attach.bindText(2, rawKey.isEmpty() ? password : QString::fromLatin1(rawKey));
    attach.exec();
}

void Database::detachDatabase(const QString& alias)
{
    requireOpen();
    statements_.clear(); // a statement on the attached file would keep it busy
    exec(QStringLiteral("DETACH DATABASE %1").arg(quoteIdentifier(alias)));
}

void Database::execute(const QString& sql)
{
    requireOpen();
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db_, utf8.constData(), static_cast<int>(utf8.size()), &stmt, &tail) != SQLITE_OK)
        throw DatabaseException(QString::fromUtf8(sqlite3_errmsg(db_)));
    const bool extra = tail && !QByteArray(tail).trimmed().isEmpty();
    int rc = SQLITE_DONE;
    if (!extra && stmt) {
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        }
    }
    const QString message = QString::fromUtf8(sqlite3_errmsg(db_));
    sqlite3_finalize(stmt);
    forgetSchema();
    if (extra)
        throw DatabaseException(QStringLiteral("Characters found after end of SQL statement."));
    if (rc != SQLITE_DONE)
        throw DatabaseException(message);
}

void Database::forgetSchema()
{
    tableCache_.clear();
    // Statements prepared against the old schema would be re-prepared by
    // SQLite anyway; dropping them frees tables for DROP TABLE.
    statements_.clear();
}

QStringList Database::tableNames()
{
    requireOpen();
    QStringList names;
    Statement statement(db_,
                        QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name"));
    while (statement.step()) {
        const QString name = statement.columnText(0);
        if (!isSystemTable(name))
            names << name;
    }
    return names;
}

bool Database::hasTable(const QString& name)
{
    requireOpen();
    if (tableCache_.contains(name))
        return true;
    StatementLease statement(*this,
                             QStringLiteral("SELECT 1 FROM sqlite_master WHERE type='table' AND name=?1"));
    statement->bindText(1, name);
    return statement->step();
}

const TableDef& Database::tableDef(const QString& name)
{
    requireOpen();
    auto it = tableCache_.constFind(name);
    if (it != tableCache_.constEnd())
        return *it;
    TableDef table;
    table.name = name;
    Statement statement(db_, QStringLiteral("PRAGMA table_info(%1)").arg(quoteIdentifier(name)));
    while (statement.step())
        table.columns.push_back(
            ColumnDef::fromDeclaredType(statement.columnText(1), statement.columnText(2)));
    if (table.columns.empty() || isSystemTable(name))
        throw DatabaseException(QStringLiteral("Table '%1' not found in this database.").arg(name));
    return *tableCache_.insert(name, table);
}

void Database::createTable(const TableDef& table)
{
    requireOpen();
    if (table.columns.empty())
        throw DatabaseException(QStringLiteral("Table '%1' has no columns.").arg(table.name));
    if (hasTable(table.name))
        throw DatabaseException(QStringLiteral("Table '%1' already exists.").arg(table.name));
    QStringList columns;
    for (const ColumnDef& c : table.columns) {
        QString column = quoteIdentifier(c.name) + QLatin1Char(' ') + c.declaredType();
        // Jet compares and sorts text without regard to case.
        if (c.type == ColumnType::Text)
            column += QLatin1String(" COLLATE NOCASE");
        columns << column;
    }
    exec(QStringLiteral("CREATE TABLE %1 (%2)")
             .arg(quoteIdentifier(table.name), columns.join(QLatin1String(", "))));
    forgetSchema();
}

void Database::deleteTable(const QString& name)
{
    requireOpen();
    if (!hasTable(name) || isSystemTable(name))
        throw DatabaseException(QStringLiteral("Table '%1' not found in this database.").arg(name));
    forgetSchema();
    Transaction transaction(*this);
    exec(QStringLiteral("DROP TABLE %1").arg(quoteIdentifier(name)));
    if (hasTable(kIndexCatalog)) {
        StatementLease remove(*this, QStringLiteral("DELETE FROM MSysIndexes WHERE TableName=?1"));
        remove->bindText(1, name);
        remove->exec();
    }
    transaction.commit();
}

void Database::ensureIndexCatalog()
{
    if (!hasTable(kIndexCatalog))
        exec(QStringLiteral("CREATE TABLE MSysIndexes (TableName TEXT NOT NULL, IndexName TEXT NOT NULL, "
                            "Fields TEXT NOT NULL, IsPrimary INTEGER NOT NULL, IsUnique INTEGER NOT NULL, "
                            "IsRequired INTEGER NOT NULL, PRIMARY KEY (TableName, IndexName))"));
}

std::vector<IndexDef> Database::indexes(const QString& table)
{
    requireOpen();
    tableDef(table); // raises for a missing table
    std::vector<IndexDef> out;
    if (!hasTable(kIndexCatalog))
        return out;
    StatementLease statement(*this,
                             QStringLiteral("SELECT IndexName, Fields, IsPrimary, IsUnique, IsRequired "
                                            "FROM MSysIndexes WHERE TableName=?1 ORDER BY rowid"));
    statement->bindText(1, table);
    while (statement->step()) {
        IndexDef index;
        index.name = statement->columnText(0);
        index.fields = fieldsFromText(statement->columnText(1));
        index.primary = statement->columnInt(2) != 0;
        index.unique = statement->columnInt(3) != 0;
        index.required = statement->columnInt(4) != 0;
        out.push_back(index);
    }
    return out;
}

QStringList Database::indexNames(const QString& table)
{
    QStringList names;
    for (const IndexDef& index : indexes(table))
        names << index.name;
    return names;
}

void Database::createIndex(const QString& table, const IndexDef& index)
{
    requireOpen();
    const TableDef def = tableDef(table);
    if (index.name.isEmpty() || index.fields.empty())
        throw DatabaseException(QStringLiteral("An index needs a name and at least one field."));
    QStringList fields;
    QStringList notNull;
    for (const IndexField& field : index.fields) {
        if (!def.column(field.name))
            throw DatabaseException(QStringLiteral("Field '%1' of index '%2' is not in table '%3'.")
                                        .arg(field.name, index.name, table));
        fields << quoteIdentifier(field.name) +
                      (field.descending ? QLatin1String(" DESC") : QLatin1String(""));
        notNull << quoteIdentifier(field.name) + QLatin1String(" IS NULL");
    }
    const std::vector<IndexDef> existing = indexes(table);
    for (const IndexDef& other : existing) {
        if (other.name == index.name)
            throw DatabaseException(
                QStringLiteral("Index '%1' already exists on table '%2'.").arg(index.name, table));
        if (other.primary && index.primary)
            throw DatabaseException(QStringLiteral("Table '%1' already has a primary key.").arg(table));
    }

    const bool ownTransaction = !inTransaction_;
    if (ownTransaction)
        beginTransaction();
    try {
        ensureIndexCatalog();
        if (index.isRequired()) {
            Statement nulls(db_, QStringLiteral("SELECT 1 FROM %1 WHERE %2 LIMIT 1")
                                     .arg(quoteIdentifier(table), notNull.join(QLatin1String(" OR "))));
            if (nulls.step())
                throw DatabaseException(
                    QStringLiteral(
                        "Cannot create index '%1': the field of a required index holds an empty value.")
                        .arg(index.name));
        }
        try {
            exec(QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                     .arg(index.isUnique() ? QStringLiteral("UNIQUE ") : QString(),
                          quoteIdentifier(sqliteIndexName(table, index.name)), quoteIdentifier(table),
                          fields.join(QLatin1String(", "))));
        } catch (const DatabaseException& e) {
            throw DatabaseException(QStringLiteral("Cannot create index '%1' on table '%2': %3")
                                        .arg(index.name, table, e.description()));
        }
        StatementLease insert(
            *this, QStringLiteral("INSERT INTO MSysIndexes (TableName, IndexName, Fields, "
                                  "IsPrimary, IsUnique, IsRequired) VALUES (?1, ?2, ?3, ?4, ?5, ?6)"));
        insert->bindText(1, table);
        insert->bindText(2, index.name);
        insert->bindText(3, fieldsText(index.fields));
        insert->bindInt(4, index.primary ? 1 : 0);
        insert->bindInt(5, index.unique ? 1 : 0);
        insert->bindInt(6, index.required ? 1 : 0);
        insert->exec();
        if (ownTransaction)
            commit();
    } catch (...) {
        if (ownTransaction)
            rollback();
        throw;
    }
    forgetSchema();
}

void Database::beginTransaction()
{
    requireOpen();
    if (inTransaction_)
        throw DatabaseException(QStringLiteral("A transaction is already running."));
    exec(QStringLiteral("BEGIN"));
    inTransaction_ = true;
}

void Database::commit()
{
    requireOpen();
    if (!inTransaction_)
        throw DatabaseException(QStringLiteral("No transaction to commit."));
    exec(QStringLiteral("COMMIT"));
    inTransaction_ = false;
}

void Database::rollback()
{
    requireOpen();
    if (!inTransaction_)
        return;
    inTransaction_ = false;
    // Pending reads would make ROLLBACK fail; cached statements are idle,
    // recordsets hold no statements between calls.
    exec(QStringLiteral("ROLLBACK"));
    tableCache_.clear();
}

std::shared_ptr<Statement> Database::cachedStatement(const QString& sql)
{
    requireOpen();
    auto it = statements_.find(sql);
    if (it != statements_.end())
        return it->second;
    if (statements_.size() >= kStatementCacheLimit)
        statements_.clear(); // statements in use live on in their leases
    auto statement = std::make_shared<Statement>(db_, sql);
    statements_.emplace(sql, statement);
    return statement;
}

std::int64_t Database::countRows(const QString& table)
{
    tableDef(table); // raises for a missing table
    StatementLease statement(*this, QStringLiteral("SELECT count(*) FROM %1").arg(quoteIdentifier(table)));
    return statement->step() ? statement->columnInt(0) : 0;
}

std::int64_t Database::changeCount() const
{
    return db_ ? sqlite3_total_changes(db_) : 0;
}

std::int64_t Database::lastInsertRowId() const
{
    return db_ ? sqlite3_last_insert_rowid(db_) : 0;
}

void Database::attach(Recordset* recordset)
{
    if (std::find(recordsets_.begin(), recordsets_.end(), recordset) == recordsets_.end())
        recordsets_.push_back(recordset);
}

void Database::detach(Recordset* recordset)
{
    recordsets_.erase(std::remove(recordsets_.begin(), recordsets_.end(), recordset), recordsets_.end());
}

Transaction::~Transaction()
{
    if (!done_) {
        try {
            db_.rollback();
        } catch (const DatabaseException&) {
            // Destructors must not throw; closing the database rolls back too.
        }
    }
}

void Transaction::commit()
{
    db_.commit();
    done_ = true;
}
