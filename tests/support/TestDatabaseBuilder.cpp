#include "support/TestDatabaseBuilder.h"

#include "database/CKAVCompanySet2.h"
#include "database/CKAVFiberSet2.h"
#include "database/CKAVSiteSet2_1.h"
#include "database/CKAVStandardsSet2.h"
#include "database/Database.h"
#include "database/TestDatabaseSchema.h"

namespace {

// Opening a recordset reads the row ids its filter passes. Filtered on the
// key of the row about to be added it reads none, so a row costs the same
// however many the table holds: large files build in seconds.
void openForNewRow(Recordset& set, const char* keyColumn, const RecordId& id)
{
    set.setFilter(QStringLiteral("[%1] = %2").arg(QLatin1String(keyColumn), id));
    set.open();
}

} // namespace

TestDatabaseBuilder::TestDatabaseBuilder(const QString& path) : db_(std::make_unique<Database>())
{
    createTestDatabase(path, kCurrentSchemaVersion);
    db_->open(path, true, false, kConnectString);
}

TestDatabaseBuilder::~TestDatabaseBuilder() = default;

void TestDatabaseBuilder::close()
{
    db_->close();
}

RecordId TestDatabaseBuilder::addCompany(const QString& name, const QString& serialNo, const QString& version,
                                         const QString& phone)
{
    CKAVCompanySet2 set(*db_);
    set.open();
    RecordId id;
    set.addCompany(name, phone, serialNo, version, id);
    return id;
}

RecordId TestDatabaseBuilder::addSite(const Site& site)
{
    CKAVSiteSet2_1 set(*db_);
    const RecordId id = newRecordId();
    openForNewRow(set, "SiteNumber", id);
    set.addNew();
    set.siteNumber = id;
    set.companyNumber = site.company;
    set.siteName = site.name;
    set.date = site.date;
    set.uploadDate = site.uploadDate;
    set.calibrationDate = site.calibrationDate;
    set.fiberLength = site.lengthMetres;
    set.connections = static_cast<std::int16_t>(site.connections);
    set.splices = static_cast<std::int16_t>(site.splices);
    set.temperature = site.temperature;
    set.fiberType = static_cast<std::int16_t>(site.fiberType);
    set.wizard = static_cast<std::int16_t>(site.wizard);
    set.standard = static_cast<std::int16_t>(site.standard);
    set.customStandardId = site.customStandardId;
    set.references = site.references;
    set.wavelengths = site.wavelengths;
    set.siteComment = site.comment;
    set.update();
    return id;
}

RecordId TestDatabaseBuilder::addFiber(const RecordId& site, const QString& name, int fiberType,
                                       const std::array<float, kSlotCount>& powers)
{
    CKAVFiberSet2 set(*db_);
    const RecordId id = newRecordId();
    openForNewRow(set, "FiberNumber", id);
    set.addNew();
    set.fiberNumber = id;
    set.siteNumber = site;
    set.fiberName = name;
    set.fiberType = static_cast<std::int16_t>(fiberType);
    set.powers = powers;
    set.update();
    return id;
}

void TestDatabaseBuilder::addStandard(std::int16_t number, const QString& name, const RecordId& id,
                                      std::uint8_t fiberType, const QString& wavelength, float maxLoss,
                                      float attenuation, float connectorLoss, float spliceLoss)
{
    CKAVStandardsSet2 set(*db_);
    set.open();
    set.addNew();
    set.standardNumber = number;
    set.standardName = name;
    set.customStandardId = id;
    set.fiberType = fiberType;
    set.wavelength = wavelength;
    set.maxLoss = maxLoss;
    set.attenuation = attenuation;
    set.connectorLoss = connectorLoss;
    set.spliceLoss = spliceLoss;
    set.update();
}
