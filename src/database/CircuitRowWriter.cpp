#include "database/CircuitRowWriter.h"

#include "database/CKAVCompanySet2.h"
#include "database/CKAVFiberSet2.h"
#include "database/CKAVSiteSet2_1.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/TestDatabaseSchema.h"

#include "app/StringIds.h"
#include "app/StringTable.h"

namespace {

// How many characters a column of the current schema holds.
int columnSize(const QString& table, const QString& column)
{
    for (const TableLayout& layout : schemaLayout(kCurrentSchemaVersion)) {
        if (layout.table.name != table)
            continue;
        for (const ColumnDef& def : layout.table.columns) {
            if (def.name == column)
                return def.size;
        }
    }
    return 0;
}

// One field the user edits: where it is stored and what is said when the
// text does not fit. A field without `emptyId` is stored blank when emptied.
struct EditedField
{
    const char* table;
    const char* column;
    int emptyId;
    int tooLongId;
};

constexpr EditedField kCircuitId{"Fiber", "FiberName", StringId::EditCircuitIdEmpty,
                                 StringId::EditCircuitIdTooLong};
constexpr EditedField kLinkId{"Site", "SiteName", StringId::EditLinkIdEmpty, StringId::EditLinkIdTooLong};
constexpr EditedField kLinkComment{"Site", "SiteComment", 0, StringId::EditLinkCommentTooLong};
constexpr EditedField kCompany{"Company", "CompanyName", StringId::EditCompanyEmpty,
                               StringId::EditCompanyTooLong};
constexpr EditedField kTelephone{"Company", "CompanyPhone", 0, StringId::EditTelephoneTooLong};

// Why `text` cannot be stored in `field`, in the user's words; empty when it can.
QString refusal(const EditedField& field, const QString& text)
{
    if (text.isEmpty() && field.emptyId != 0)
        return Strings::loadString(field.emptyId);
    const int size = columnSize(QLatin1String(field.table), QLatin1String(field.column));
    if (size > 0 && text.size() > size)
        return Strings::formatMessage(Strings::loadString(field.tooLongId), {QString::number(size)});
    return QString();
}

// The first refusal among the fields of one edit.
QString firstRefusal(std::initializer_list<std::pair<const EditedField&, const QString&>> fields)
{
    for (const auto& [field, text] : fields) {
        if (QString why = refusal(field, text); !why.isEmpty())
            return why;
    }
    return QString();
}

// The recordset positioned on the row whose key is `id`; throws when there is none.
template <typename Set>
void findByKey(Set& set, const char* keyColumn, const RecordId& id)
{
    if (isNullGuid(guidFromRecordId(id)))
        throw DatabaseException(QStringLiteral("The record has no valid key."));
    // Filtered before it opens: an open without a filter would first list
    // every row of the table, a hundred thousand fibers for one keystroke.
    set.setFilter(QStringLiteral("[%1] = %2").arg(QLatin1String(keyColumn), id));
    set.open();
    if (set.isEOF())
        throw DatabaseException(QStringLiteral("The record is no longer in the database."));
}

} // namespace

QString CircuitRowWriter::storedBlankable(const QString& text)
{
    return text.isEmpty() ? QStringLiteral(" ") : text;
}

template <typename Write>
OperationResult CircuitRowWriter::inTransaction(Write write)
{
    try {
        Transaction transaction(db_);
        write();
        transaction.commit();
        return OperationResult::success();
    } catch (const DatabaseException& e) {
        return OperationResult::failure(Strings::loadString(StringId::ErrorOccurred) + e.description());
    }
}

OperationResult CircuitRowWriter::renameFiber(const RecordId& fiberNumber, const QString& circuitId)
{
    if (const QString why = firstRefusal({{kCircuitId, circuitId}}); !why.isEmpty())
        return OperationResult::failure(why);
    return inTransaction([&] {
        CKAVFiberSet2 fibers(db_);
        findByKey(fibers, "FiberNumber", fiberNumber);
        fibers.edit();
        fibers.fiberName = circuitId;
        fibers.update();
    });
}

OperationResult CircuitRowWriter::setLink(const RecordId& siteNumber, const QString& linkId,
                                          const QString& comment)
{
    if (const QString why = firstRefusal({{kLinkId, linkId}, {kLinkComment, comment}}); !why.isEmpty())
        return OperationResult::failure(why);
    return inTransaction([&] {
        CKAVSiteSet2_1 sites(db_);
        findByKey(sites, "SiteNumber", siteNumber);
        sites.edit();
        sites.siteName = linkId;
        sites.siteComment = storedBlankable(comment);
        sites.update();
    });
}

OperationResult CircuitRowWriter::setCompany(const RecordId& companyNumber, const QString& name,
                                             const QString& telephone)
{
    if (const QString why = firstRefusal({{kCompany, name}, {kTelephone, telephone}}); !why.isEmpty())
        return OperationResult::failure(why);
    return inTransaction([&] {
        CKAVCompanySet2 companies(db_);
        findByKey(companies, "CompanyNumber", companyNumber);
        companies.edit();
        companies.companyName = name;
        companies.companyPhone = storedBlankable(telephone);
        companies.update();
    });
}

OperationResult CircuitRowWriter::deleteFiber(const RecordId& fiberNumber)
{
    return inTransaction([&] {
        CKAVFiberSet2 fibers(db_);
        findByKey(fibers, "FiberNumber", fiberNumber);
        fibers.deleteRecord();
    });
}
