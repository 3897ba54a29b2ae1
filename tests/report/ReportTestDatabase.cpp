#include "ReportTestDatabase.h"

#include "database/CKAVFiberSet2.h"
#include "database/LoadCircuits.h"

#include <stdexcept>

ReportTestDatabase::ReportTestDatabase(const QString& path) : path_(path), builder_(path) {}

RecordId ReportTestDatabase::addCompany(const QString& name, const QString& phone, const QString& serial,
                                        const QString& version)
{
    const RecordId id = builder_.addCompany(name, serial, version, phone);
    if (id.isEmpty())
        throw std::runtime_error("cannot add a company");
    return id;
}

RecordId ReportTestDatabase::addSite(const Site& site)
{
    TestDatabaseBuilder::Site row;
    row.name = site.linkId;
    row.company = site.company;
    row.date = site.date;
    row.uploadDate = site.date;
    row.calibrationDate = site.calibrationDate;
    row.lengthMetres = site.lengthMetres;
    row.connections = site.connectors;
    row.splices = site.splices;
    row.temperature = site.temperature;
    row.fiberType = site.fiberType;
    row.wizard = site.wizard;
    row.standard = site.standard;
    row.customStandardId = site.customStandardId;
    row.references = site.references;
    row.wavelengths = site.wavelengths;
    row.comment = site.comment;
    return builder_.addSite(row);
}

RecordId ReportTestDatabase::addFiber(const RecordId& site, const QString& name,
                                      const std::array<float, kSlotCount>& powers, int fiberType)
{
    return builder_.addFiber(site, name, fiberType, powers);
}

RecordId ReportTestDatabase::addCustomStandard(int number, const QString& name, int fiberType,
                                               const QStringList& wavelengths, float maxLoss)
{
    const RecordId id = newRecordId();
    for (const QString& wavelength : wavelengths) {
        builder_.addStandard(static_cast<std::int16_t>(number), name, id,
                             static_cast<std::uint8_t>(fiberType), wavelength, maxLoss);
    }
    return id;
}

RecordId ReportTestDatabase::addCustomStandard(int number, const QString& name, int fiberType,
                                               const QList<std::pair<QString, float>>& maxLossAt)
{
    const RecordId id = newRecordId();
    for (const auto& [wavelength, maxLoss] : maxLossAt) {
        builder_.addStandard(static_cast<std::int16_t>(number), name, id,
                             static_cast<std::uint8_t>(fiberType), wavelength, maxLoss);
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
    database().beginTransaction();
    CKAVFiberSet2 fibers(database());
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
    database().commit();
}

FiberCursor ReportTestDatabase::cursor()
{
    FiberCursor cursor;
    if (!loadCircuits(database(), cursor))
        throw std::runtime_error("cannot build the circuit list");
    return cursor;
}
