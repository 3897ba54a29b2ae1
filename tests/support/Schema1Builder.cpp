#include "support/Schema1Builder.h"

#include "database/CKAVCompanySet1.h"
#include "database/CKAVFiberSet1.h"
#include "database/CKAVSiteSet1.h"
#include "database/Database.h"
#include "database/TestDatabaseSchema.h"

Schema1Builder::Schema1Builder(const QString& path) : db_(std::make_unique<Database>())
{
    createTestDatabase(path, kSchemaVersion1);
    db_->open(path, true, false, kConnectString);
}

Schema1Builder::~Schema1Builder() = default;

void Schema1Builder::close()
{
    db_->close();
}

RecordId Schema1Builder::addCompany(const QString& name, const QString& version, const QString& serialNo)
{
    CKAVCompanySet1 set(*db_);
    set.open();
    set.addNew();
    set.companyNumber = newRecordId();
    set.companyName = name;
    set.companyPhone = QStringLiteral("555-0100");
    set.serialNo = serialNo;
    set.version = version;
    const RecordId id = set.companyNumber;
    set.update();
    return id;
}

RecordId Schema1Builder::addSite(const RecordId& company, const QString& name, int packedFiberType,
                                 float lengthMetres, int connections, int splices, float ref850,
                                 float ref1300, float ref1500)
{
    CKAVSiteSet1 set(*db_);
    set.open();
    set.addNew();
    set.siteNumber = newRecordId();
    set.companyNumber = company;
    set.siteName = name;
    set.date = QDateTime(QDate(1999, 11, 2), QTime(9, 30, 15));
    set.uploadDate = QDateTime(QDate(1999, 11, 3), QTime(8, 0, 0));
    set.calibrationDate = QDateTime(QDate(1999, 1, 15), QTime(0, 0, 0));
    set.fiberLength = lengthMetres;
    set.connections = static_cast<std::int16_t>(connections);
    set.splices = static_cast<std::int16_t>(splices);
    set.temperature = 68.0f;
    set.fiberType = static_cast<std::int16_t>(packedFiberType);
    set.references = {ref850, ref1300, ref1500};
    const RecordId id = set.siteNumber;
    set.update();
    return id;
}

RecordId Schema1Builder::addFiber(const RecordId& site, const QString& name, int fiberType, float p850,
                                  float p1300, float p1500)
{
    CKAVFiberSet1 set(*db_);
    set.open();
    set.addNew();
    set.fiberNumber = newRecordId();
    set.siteNumber = site;
    set.fiberName = name;
    set.fiberType = static_cast<std::int16_t>(fiberType);
    set.powers = {p850, p1300, p1500};
    const RecordId id = set.fiberNumber;
    set.update();
    return id;
}
