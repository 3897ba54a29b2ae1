#pragma once

#include "app/OperationResult.h"
#include "standards/RecordId.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <cstdint>

class Database;

// A row as the file stored it: its place in the table (the rowid, which
// orders circuits that sort alike) and every column's stored value, so that
// putting it back leaves the file as it was before the row went.
struct StoredRow
{
    std::int64_t rowId = 0;
    QStringList columns;
    QVariantList values;
};

// The edits and the delete a user makes to one circuit, each written to its
// row found by the row's key (never by the texts it holds, so a name with a
// quote is found like any other) in a transaction of its own. A failure
// leaves the row as it was and says why, ready to show: a value its field
// cannot hold is refused before the engine sees it, in the user's words
// ("The circuit ID cannot be empty."); anything else the engine refuses
// follows "An error occurred:".
class CircuitRowWriter
{
public:
    explicit CircuitRowWriter(Database& db) : db_(db) {}

    OperationResult renameFiber(const RecordId& fiberNumber, const QString& circuitId);
    // An empty comment is stored as a single blank: the engine refuses an
    // empty text, and a link's comment must be clearable.
    OperationResult setLink(const RecordId& siteNumber, const QString& linkId, const QString& comment);
    // An empty telephone is stored blank, for the same reason.
    OperationResult setCompany(const RecordId& companyNumber, const QString& name, const QString& telephone);
    // With `deleted`, the row as it was before it went, for restoreFiber().
    OperationResult deleteFiber(const RecordId& fiberNumber, StoredRow* deleted = nullptr);
    // Puts a deleted Fiber row back in its place, every value as it was.
    OperationResult restoreFiber(const StoredRow& row);

    // What a cleared comment or telephone is stored as.
    static QString storedBlankable(const QString& text);

private:
    template <typename Write>
    OperationResult inTransaction(Write write);

    Database& db_;
};
