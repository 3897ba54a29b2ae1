#pragma once

#include "database/ColumnDef.h"
#include "database/FieldExchange.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

class Database;
class Statement;

// The rows of one table, as a dynaset: requery takes the keys of the rows that
// pass the filter, in sort order; moving loads one row into the bound members;
// add new, edit and update write the changed members back. Rows deleted after
// the requery are skipped; rows added appear at the end.
class Recordset
{
public:
    enum class EditMode
    {
        None,
        Edit,
        AddNew
    };

    explicit Recordset(Database& db);
    virtual ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Opens over the default source (the bracketed table name) or another one.
    // Every bound column must exist in the table, or opening fails.
    void open();
    void open(const QString& source);
    void close();
    bool isOpen() const { return open_; }

    Database& database() const { return db_; }
    const QString& tableName() const { return table_.name; }
    const TableDef& tableDef() const { return table_; }

    const QString& filter() const { return filter_; }
    void setFilter(const QString& filter) { filter_ = filter; }
    const QString& sort() const { return sort_; }
    void setSort(const QString& sort) { sort_ = sort; }
    // Runs the filter and sort again and moves to the first row.
    void requery();

    bool isEOF() const;
    bool isBOF() const;
    void moveFirst();
    void moveNext();
    // Rows in the current set, deleted ones included until the next requery.
    int recordCount() const { return static_cast<int>(rowIds_.size()); }

    void addNew();
    void edit();
    void update();
    void cancelUpdate();
    void deleteRecord();
    EditMode editMode() const { return editMode_; }

protected:
    virtual QString defaultSql() const = 0;
    virtual void doFieldExchange(FieldExchange& fx) = 0;
    // Called after every load of the members (a row, or a new row's defaults).
    virtual void afterLoad() {}
    // Called with the table's definition before the columns are described.
    virtual void bindTable(const TableDef&) {}

private:
    void requireOpen() const;
    void requireRow() const;
    void exchange(FieldExchange::Pass pass, std::vector<QVariant>& values, bool emptyMeansUnset = false);
    void loadCurrent();
    void loadDefaults();
    void skipToValidRow(int step);
    bool loadRow(std::int64_t rowId);
    bool isFresh(std::int64_t rowId) const;
    std::vector<QVariant> collectMembers(bool emptyMeansUnset = false);
    void checkRequiredFields(const std::vector<QVariant>& finalValues) const;
    [[noreturn]] void rethrowWrite(const QString& description) const;
    Statement& writeStatement(bool insert, std::uint64_t columns);

    Database& db_;
    bool open_ = false;
    TableDef table_;
    QStringList names_;
    std::vector<int> columnIndexes_; // bound column -> table column
    QString selectRow_;
    std::shared_ptr<Statement> selectRowStatement_; // kept: it runs for every row loaded
    QString filter_;
    QString sort_;

    std::vector<std::int64_t> rowIds_; // 0 marks a deleted row
    int position_ = 0;
    // The row requery just loaded; a moveFirst right after it need not load
    // it again as long as nothing was written since.
    std::int64_t freshRowId_ = 0;
    std::int64_t freshAtChange_ = -1;
    std::vector<QVariant> loaded_;   // the row as stored (null for a new row)
    std::vector<QVariant> baseline_; // the members as loaded for an edit, for finding what it changed
    EditMode editMode_ = EditMode::None;
    // Write statements by the set of columns they write (bit n: bound column n).
    std::unordered_map<std::uint64_t, std::shared_ptr<Statement>> insertStatements_;
    std::unordered_map<std::uint64_t, std::shared_ptr<Statement>> updateStatements_;
    std::vector<std::vector<int>> requiredFields_;
    std::vector<QString> requiredIndexNames_;
};
