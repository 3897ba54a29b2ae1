#include "database/CKAVCompanySet2.h"

#include "database/DatabaseException.h"

void CKAVCompanySet2::listCompanyNames()
{
    pairs_.clear();
    try {
        setFilter(QString());
        setSort("[CompanyName]");
        requery();
        QString previous;
        for (moveFirst(); !isEOF(); moveNext()) {
            if (companyName != previous) {
                pairs_.append({companyName, companyNumber});
                previous = companyName;
            }
        }
    } catch (const DatabaseException&) {
        // The list keeps what was read before the failure.
    }
    setFilter(QString());
    setSort(QString());
}

bool CKAVCompanySet2::addCompany(const QString& name, const QString& phone, const QString& serialNo,
                                 const QString& version, RecordId& newId)
{
    try {
        addNew();
        companyName = name;
        companyPhone = phone;
        this->serialNo = serialNo.isEmpty() ? "unknown" : serialNo;
        this->version = version.isEmpty() ? "unknown" : version;
        const RecordId id = newRecordId();
        companyNumber = id;
        update();
        newId = id;
        return true;
    } catch (const DatabaseException&) {
        cancelUpdate();
        return false;
    }
}
