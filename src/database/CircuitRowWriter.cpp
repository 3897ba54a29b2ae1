#include "database/CircuitRowWriter.h"

#include "database/CKAVCompanySet2.h"
#include "database/CKAVFiberSet2.h"
#include "database/CKAVSiteSet2_1.h"
#include "database/Database.h"
#include "database/DatabaseException.h"

namespace {

// The recordset positioned on the row whose key is `id`; throws when there is none.
template <typename Set>
void findByKey(Set& set, const char* keyColumn, const RecordId& id)
{
    if (isNullGuid(guidFromRecordId(id)))
        throw DatabaseException(QStringLiteral("The record has no valid key."));
    set.open();
    set.setFilter(QStringLiteral("[%1] = %2").arg(QLatin1String(keyColumn), id));
    set.requery();
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
        return OperationResult::failure(e.description());
    }
}

OperationResult CircuitRowWriter::renameFiber(const RecordId& fiberNumber, const QString& circuitId)
{
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
