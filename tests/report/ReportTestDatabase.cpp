#include "ReportTestDatabase.h"

#include "database/CKAVCompanySet2.h"
#include "database/CKAVFiberSet2.h"
#include "database/CKAVSiteSet2_1.h"
#include "database/CKAVStandardsSet2.h"
#include "database/LoadCircuits.h"
#include "database/TestDatabaseSchema.h"

#include <stdexcept>

ReportTestDatabase::ReportTestDatabase(const QString& path) : path_(path)
{
    if (!createTestDatabase(path, kCurrentSchemaVersion))
        throw std::runtime_error("cannot create the test database");
    db_.open(path, true, false, kConnectString);
}

RecordId ReportTestDatabase::addCompany(const QString& name, const QString& phone, const QString& serial,
                                        const QString& version)
{
    CKAVCompanySet2 companies(db_);
    companies.open();
    RecordId id;
    if (!companies.addCompany(name, phone, serial, version, id))
        throw std::runtime_error("cannot add a company");
    return id;
}

RecordId ReportTestDatabase::addSite(const Site& site)
{
    CKAVSiteSet2_1 sites(db_);
    sites.open();
    // After the update the recordset is back on the row it was on before.
    const RecordId id = newRecordId();
    sites.addNew();
    sites.siteNumber = id;
    sites.companyNumber = site.company;
    sites.siteName = site.linkId;
    sites.date = site.date;
    sites.uploadDate = site.date;
    sites.calibrationDate = site.calibrationDate;
    sites.fiberLength = site.lengthMetres;
    sites.connections = static_cast<std::int16_t>(site.connectors);
    sites.splices = static_cast<std::int16_t>(site.splices);
    sites.temperature = site.temperature;
    sites.fiberType = static_cast<std::int16_t>(site.fiberType);
    sites.wizard = static_cast<std::int16_t>(site.wizard);
    sites.standard = static_cast<std::int16_t>(site.standard);
    sites.customStandardId = site.customStandardId;
    sites.references = site.references;
    sites.wavelengths = site.wavelengths;
    sites.siteComment = site.comment;
    sites.update();
    return id;
}

RecordId ReportTestDatabase::addFiber(const RecordId& site, const QString& name,
                                      const std::array<float, kSlotCount>& powers, int fiberType)
{
    CKAVFiberSet2 fibers(db_);
    fibers.open();
    const RecordId id = newRecordId();
    fibers.addNew();
    fibers.fiberNumber = id;
    fibers.siteNumber = site;
    fibers.fiberName = name;
    fibers.fiberType = static_cast<std::int16_t>(fiberType);
    fibers.powers = powers;
    fibers.update();
    return id;
}

RecordId ReportTestDatabase::addCustomStandard(int number, const QString& name, int fiberType,
                                               const QStringList& wavelengths, float maxLoss)
{
    const RecordId id = newRecordId();
    CKAVStandardsSet2 standards(db_);
    standards.open();
    for (const QString& wavelength : wavelengths) {
        standards.addNew();
        StandardEntry entry;
        entry.standardNumber = static_cast<std::int16_t>(number);
        entry.standardName = name;
        entry.customStandardId = id;
        entry.fiberType = static_cast<std::uint8_t>(fiberType);
        entry.wavelength = wavelength;
        entry.maxLoss = maxLoss;
        standards.setEntry(entry);
        standards.update();
    }
    return id;
}

void ReportTestDatabase::addBulk(int links, int fibersPerLink)
{
    Site site;
    site.company =
        addCompany(QStringLiteral("Bulk Cabling"), QStringLiteral("555-0100"), QStringLiteral("SN:P204417"));
    site.lengthMetres = 850;
    site.comment = QStringLiteral("Bulk link");
    db_.beginTransaction();
    CKAVFiberSet2 fibers(db_);
    fibers.open();
    for (int link = 0; link < links; ++link) {
        site.linkId = QStringLiteral("Link %1").arg(link + 1, 5, 10, QLatin1Char('0'));
        const RecordId siteNumber = addSite(site);
        for (int fiber = 0; fiber < fibersPerLink; ++fiber) {
            fibers.addNew();
            fibers.fiberNumber = newRecordId();
            fibers.siteNumber = siteNumber;
            fibers.fiberName = QString::number(fiber + 1);
            fibers.powers = {-23.0f - 0.01f * (fiber % 50), 0, -21.5f - 0.01f * (fiber % 30), 0, 0};
            fibers.update();
        }
    }
    db_.commit();
}

FiberCursor ReportTestDatabase::cursor()
{
    FiberCursor cursor;
    if (!loadCircuits(db_, cursor))
        throw std::runtime_error("cannot build the circuit list");
    return cursor;
}
