#pragma once

#include "standards/FiberTypes.h"
#include "standards/RecordId.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <memory>

class Database;

// Fills a current-schema test database with rows chosen by a test.
class TestDatabaseBuilder
{
public:
    struct Site
    {
        QString name = QStringLiteral("Link A");
        RecordId company;
        QDateTime date = QDateTime(QDate(2026, 3, 2), QTime(10, 15, 30));
        QDateTime uploadDate = QDateTime(QDate(2026, 3, 3), QTime(8, 0, 0));
        QDateTime calibrationDate = QDateTime(QDate(2025, 11, 20), QTime(0, 0, 0));
        float lengthMetres = 2000.0f;
        int connections = 2;
        int splices = 1;
        float temperature = 72.0f;
        int fiberType = 0;
        int wizard = 1;
        int standard = 2;
        RecordId customStandardId;
        std::array<float, kSlotCount> references{-20.0f, 0, 0, 0, 0};
        std::array<QString, kSlotCount> wavelengths{"850nm", "9999nm", "9999nm", "9999nm", "9999nm"};
        QString comment;
    };

    explicit TestDatabaseBuilder(const QString& path);
    ~TestDatabaseBuilder();

    Database& database() { return *db_; }

    RecordId addCompany(const QString& name, const QString& serialNo = QStringLiteral("SN:P2031"),
                        const QString& version = QStringLiteral("2.10"),
                        const QString& phone = QStringLiteral("555-0142"));
    RecordId addSite(const Site& site);
    RecordId addFiber(const RecordId& site, const QString& name, int fiberType,
                      const std::array<float, kSlotCount>& powers);
    void addStandard(std::int16_t number, const QString& name, const RecordId& id, std::uint8_t fiberType,
                     const QString& wavelength, float maxLoss, float attenuation = 0, float connectorLoss = 0,
                     float spliceLoss = 0);
    void close();

private:
    std::unique_ptr<Database> db_;
};
