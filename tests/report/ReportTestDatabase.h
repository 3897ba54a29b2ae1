#pragma once

#include "database/Database.h"
#include "database/FiberCursor.h"
#include "standards/FiberTypes.h"
#include "standards/RecordId.h"
#include "support/TestDatabaseBuilder.h"

#include <QDateTime>
#include <QString>

#include <array>

// A test database built row by row for the report tests: companies, sites
// (links) with chosen standards, budget-mode bits, references and wavelength
// names, fibers with chosen powers, and custom standards. The rows are written
// by the shared TestDatabaseBuilder; this class adds the reports' defaults.
class ReportTestDatabase
{
public:
    struct Site
    {
        QString linkId = QStringLiteral("Riser A");
        RecordId company;
        int standard = 2; // EIA/TIA 568-A
        RecordId customStandardId;
        int fiberType = 0; // 62.5 um multimode
        int wizard = 0x1f; // every slot measured against the budget
        float lengthMetres = 2000;
        int connectors = 2;
        int splices = 1;
        float temperature = 72.5f;
        std::array<float, kSlotCount> references{-20, 0, -20, 0, 0};
        std::array<QString, kSlotCount> wavelengths{"850nm", "980nm", "1300nm", "1480nm", "1550nm"};
        QDateTime date = QDateTime(QDate(2024, 3, 14), QTime(9, 30));
        QDateTime calibrationDate = QDateTime(QDate(2023, 11, 2), QTime(0, 0));
        QString comment;
    };

    explicit ReportTestDatabase(const QString& path);

    RecordId addCompany(const QString& name, const QString& phone, const QString& serial,
                        const QString& version = QStringLiteral("2.10"));
    RecordId addSite(const Site& site);
    RecordId addFiber(const RecordId& site, const QString& name, const std::array<float, kSlotCount>& powers,
                      int fiberType = 0);
    // Custom rows of one standard (number and name) for a fiber type at the
    // given wavelengths; returns its custom standard id.
    RecordId addCustomStandard(int number, const QString& name, int fiberType, const QStringList& wavelengths,
                               float maxLoss);
    // The same with a maximum loss of its own for each wavelength.
    RecordId addCustomStandard(int number, const QString& name, int fiberType,
                               const QList<std::pair<QString, float>>& maxLossAt);

    // Many circuits at once, in one transaction: `links` links of `fibersPerLink`
    // fibers each, measured at 850 and 1300 nm.
    void addBulk(int links, int fibersPerLink);

    // The evaluated circuits, as the reports get them.
    FiberCursor cursor();

    Database& database() { return builder_.database(); }
    const QString& path() const { return path_; }

private:
    QString path_;
    TestDatabaseBuilder builder_;
};
