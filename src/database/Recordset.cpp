#include "database/Recordset.h"

#include "database/ColumnValues.h"
#include "database/Condition.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/Statement.h"

#include <sqlcipher/sqlite3.h>

namespace {

QString tableFromSource(const QString& source)
{
    QString name = source.trimmed();
    if (name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']')))
        name = name.mid(1, name.size() - 2);
    return name;
}

} // namespace

Recordset::Recordset(Database& db) : db_(db) {}

Recordset::~Recordset()
{
    close();
}

void Recordset::requireOpen() const
{
    if (!open_)
        throw DatabaseException(QStringLiteral("Operation is not allowed when the recordset is closed."));
}

void Recordset::requireRow() const
{
    requireOpen();
    if (isEOF() || isBOF() || rowIds_[static_cast<std::size_t>(position_)] == 0)
        throw DatabaseException(QStringLiteral("No current record."));
}

void Recordset::open()
{
    open(defaultSql());
}

void Recordset::open(const QString& source)
{
    if (open_)
        close();
    const QString tableName = tableFromSource(source);
    table_ = db_.tableDef(tableName);
    bindTable(table_);

    names_.clear();
    std::vector<QVariant> unused;
    exchange(FieldExchange::Pass::Describe, unused);
    if (names_.size() > 64)
        throw DatabaseException(QStringLiteral("A recordset binds at most 64 columns."));
    columnIndexes_.clear();
    QStringList quoted;
    for (const QString& name : names_) {
        const int index = table_.columnIndex(name);
        if (index < 0)
            throw DatabaseException(
                QStringLiteral("Field '%1' not found in table '%2'.").arg(name, tableName));
        columnIndexes_.push_back(index);
        quoted << Database::quoteIdentifier(table_.columns[static_cast<std::size_t>(index)].name);
    }
    selectRow_ = QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?1")
                     .arg(quoted.join(QLatin1String(", ")), Database::quoteIdentifier(tableName));

    requiredFields_.clear();
    requiredIndexNames_.clear();
    for (const IndexDef& index : db_.indexes(tableName)) {
        if (!index.isRequired())
            continue;
        std::vector<int> fields;
        for (const IndexField& field : index.fields)
            fields.push_back(table_.columnIndex(field.name));
        requiredFields_.push_back(fields);
        requiredIndexNames_.push_back(index.name);
    }

    open_ = true;
    db_.attach(this);
    try {
        requery();
    } catch (...) {
        close();
        throw;
    }
}

void Recordset::close()
{
    if (!open_)
        return;
    open_ = false;
    db_.detach(this);
    selectRowStatement_.reset();
    insertStatements_.clear();
    updateStatements_.clear();
    rowIds_.clear();
    loaded_.clear();
    baseline_.clear();
    editMode_ = EditMode::None;
}

void Recordset::exchange(FieldExchange::Pass pass, std::vector<QVariant>& values, bool emptyMeansUnset)
{
    FieldExchange fx(pass, values, names_);
    fx.setEmptyMeansUnset(emptyMeansUnset);
    doFieldExchange(fx);
    if (pass == FieldExchange::Pass::Load)
        afterLoad();
}

void Recordset::requery()
{
    requireOpen();
    editMode_ = EditMode::None;
    const SqlCondition condition = parseCondition(filter_, table_);
    const QString order = parseSort(sort_, table_);
    QString sql = QStringLiteral("SELECT rowid FROM %1").arg(Database::quoteIdentifier(table_.name));
    if (!condition.sql.isEmpty())
        sql += QLatin1String(" WHERE ") + condition.sql;
    sql += QLatin1String(" ORDER BY ") +
           (order.isEmpty() ? QStringLiteral("rowid") : order + QLatin1String(", rowid"));

    rowIds_.clear();
    {
        StatementLease statement(db_, sql);
        for (int i = 0; i < condition.parameters.size(); ++i)
            statement->bind(i + 1, condition.parameters.at(i));
        while (statement->step())
            rowIds_.push_back(statement->columnInt(0));
    }
    position_ = 0;
    skipToValidRow(1);
    freshRowId_ = isEOF() ? 0 : rowIds_[static_cast<std::size_t>(position_)];
    freshAtChange_ = db_.changeCount();
}

bool Recordset::isEOF() const
{
    return !open_ || position_ >= static_cast<int>(rowIds_.size());
}

bool Recordset::isBOF() const
{
    return !open_ || position_ < 0 || rowIds_.empty();
}

bool Recordset::isFresh(std::int64_t rowId) const
{
    return rowId != 0 && rowId == freshRowId_ && freshAtChange_ == db_.changeCount();
}

bool Recordset::loadRow(std::int64_t rowId)
{
    if (!selectRowStatement_)
        selectRowStatement_ = db_.cachedStatement(selectRow_);
    Statement& statement = *selectRowStatement_;
    statement.bindInt(1, rowId);
    const bool found = statement.step();
    if (found) {
        loaded_.assign(columnIndexes_.size(), QVariant());
        for (std::size_t i = 0; i < columnIndexes_.size(); ++i) {
            const ColumnDef& column = table_.columns[static_cast<std::size_t>(columnIndexes_[i])];
            loaded_[i] = ColumnValues::fromStorage(column, statement, static_cast<int>(i));
        }
    }
    statement.reset();
    return found;
}

void Recordset::skipToValidRow(int step)
{
    while (position_ >= 0 && position_ < static_cast<int>(rowIds_.size())) {
        std::int64_t& rowId = rowIds_[static_cast<std::size_t>(position_)];
        if (rowId != 0 && loadRow(rowId)) {
            exchange(FieldExchange::Pass::Load, loaded_);
            return;
        }
        rowId = 0; // gone since the requery
        position_ += step;
    }
}

void Recordset::moveFirst()
{
    requireOpen();
    const bool fresh = editMode_ == EditMode::None && !rowIds_.empty() && isFresh(rowIds_.front());
    freshRowId_ = 0;
    editMode_ = EditMode::None;
    position_ = 0;
    if (!fresh)
        skipToValidRow(1);
}

void Recordset::moveNext()
{
    requireOpen();
    if (isEOF())
        throw DatabaseException(QStringLiteral("No current record."));
    freshRowId_ = 0;
    editMode_ = EditMode::None;
    ++position_;
    skipToValidRow(1);
}

std::vector<QVariant> Recordset::collectMembers(bool emptyMeansUnset)
{
    std::vector<QVariant> values;
    values.reserve(columnIndexes_.size());
    exchange(FieldExchange::Pass::Store, values, emptyMeansUnset);
    return values;
}

void Recordset::loadDefaults()
{
    loaded_.assign(columnIndexes_.size(), QVariant());
    exchange(FieldExchange::Pass::Load, loaded_);
    baseline_ = loaded_;
}

void Recordset::addNew()
{
    requireOpen();
    freshRowId_ = 0;
    loadDefaults();
    editMode_ = EditMode::AddNew;
}

void Recordset::edit()
{
    requireRow();
    // Start from the row as it is now, in case it changed since it was loaded.
    if (!loadRow(rowIds_[static_cast<std::size_t>(position_)]))
        throw DatabaseException(QStringLiteral("Record is deleted."));
    exchange(FieldExchange::Pass::Load, loaded_);
    baseline_ = collectMembers();
    freshRowId_ = 0;
    editMode_ = EditMode::Edit;
}

void Recordset::cancelUpdate()
{
    if (editMode_ == EditMode::None)
        return;
    editMode_ = EditMode::None;
    if (!isEOF() && !isBOF())
        skipToValidRow(1);
}

void Recordset::checkRequiredFields(const std::vector<QVariant>& finalValues) const
{
    for (std::size_t i = 0; i < requiredFields_.size(); ++i) {
        for (int tableColumn : requiredFields_[i]) {
            bool empty = true;
            for (std::size_t b = 0; b < columnIndexes_.size(); ++b) {
                if (columnIndexes_[b] == tableColumn)
                    empty = finalValues[b].isNull();
            }
            if (empty)
                throw DatabaseException(
                    QStringLiteral("Field '%1.%2' cannot be empty: the index '%3' requires a value.")
                        .arg(table_.name, table_.columns[static_cast<std::size_t>(tableColumn)].name,
                             requiredIndexNames_[i]));
        }
    }
}

void Recordset::rethrowWrite(const QString& description) const
{
    if (description.contains(QLatin1String("UNIQUE constraint failed"))) {
        QString index;
        for (const IndexDef& def : db_.indexes(table_.name)) {
            if (!def.isUnique())
                continue;
            bool all = true;
            for (const IndexField& field : def.fields)
                all = all && description.contains(table_.name + QLatin1Char('.') + field.name);
            if (all)
                index = def.name;
        }
        throw DatabaseException(
            QStringLiteral("The changes were not made because they would create duplicate "
                           "values in the index '%1' of table '%2'.")
                .arg(index, table_.name));
    }
    throw DatabaseException(description);
}

Statement& Recordset::writeStatement(bool insert, std::uint64_t columns)
{
    auto& cache = insert ? insertStatements_ : updateStatements_;
    auto it = cache.find(columns);
    if (it != cache.end())
        return *it->second;
    QStringList names;
    for (std::size_t i = 0; i < columnIndexes_.size(); ++i) {
        if (columns & (std::uint64_t{1} << i))
            names << Database::quoteIdentifier(
                table_.columns[static_cast<std::size_t>(columnIndexes_[i])].name);
    }
    const QString table = Database::quoteIdentifier(table_.name);
    QString sql;
    if (insert && names.isEmpty()) {
        sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table);
    } else if (insert) {
        QStringList marks;
        for (int i = 1; i <= names.size(); ++i)
            marks << QStringLiteral("?%1").arg(i);
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(table, names.join(QLatin1String(", ")), marks.join(QLatin1String(", ")));
    } else {
        QStringList sets;
        for (int i = 0; i < names.size(); ++i)
            sets << QStringLiteral("%1 = ?%2").arg(names.at(i)).arg(i + 1);
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?%3")
                  .arg(table, sets.join(QLatin1String(", ")))
                  .arg(names.size() + 1);
    }
    auto statement = db_.cachedStatement(sql);
    cache.emplace(columns, statement);
    return *statement;
}

void Recordset::update()
{
    requireOpen();
    if (editMode_ == EditMode::None)
        throw DatabaseException(QStringLiteral("Update without AddNew or Edit."));
    const bool insert = editMode_ == EditMode::AddNew;
    // A new row gets every member that holds a value; an edited row only the
    // members that changed since the load.
    const std::vector<QVariant> members = collectMembers(insert);
    std::uint64_t columns = 0;
    std::vector<QVariant> values;
    std::vector<QVariant> finalValues = loaded_;
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (insert ? members[i].isNull() : ColumnValues::sameValue(members[i], baseline_[i]))
            continue;
        const ColumnDef& column = table_.columns[static_cast<std::size_t>(columnIndexes_[i])];
        const QVariant stored = ColumnValues::toStorage(table_.name, column, members[i]);
        columns |= std::uint64_t{1} << i;
        values.push_back(stored);
        finalValues[i] = stored;
    }
    checkRequiredFields(finalValues);

    if (insert || columns != 0) {
        Statement& statement = writeStatement(insert, columns);
        try {
            for (std::size_t i = 0; i < values.size(); ++i)
                statement.bind(static_cast<int>(i) + 1, values[i]);
            if (!insert)
                statement.bindInt(static_cast<int>(values.size()) + 1,
                                  rowIds_[static_cast<std::size_t>(position_)]);
            statement.exec();
        } catch (const DatabaseException& e) {
            statement.reset();
            rethrowWrite(e.description());
        }
    }
    if (insert) {
        const bool wasAtEnd = isEOF();
        rowIds_.push_back(db_.lastInsertRowId());
        if (wasAtEnd)
            position_ = static_cast<int>(rowIds_.size());
    }
    editMode_ = EditMode::None;
    // As after a Jet update, the current record is the one that was current
    // before: reload it so the members show what is stored.
    if (!insert || (!isEOF() && !isBOF()))
        skipToValidRow(1);
}

void Recordset::deleteRecord()
{
    requireRow();
    StatementLease statement(
        db_, QStringLiteral("DELETE FROM %1 WHERE rowid = ?1").arg(Database::quoteIdentifier(table_.name)));
    statement->bindInt(1, rowIds_[static_cast<std::size_t>(position_)]);
    statement->exec();
    rowIds_[static_cast<std::size_t>(position_)] = 0;
    editMode_ = EditMode::None;
}
