// Database engine against raw SQLCipher doing the same work with the same key:
//   - 100,000 Fiber rows inserted through the recordset layer in one
//     transaction, against a raw prepared INSERT loop;
//   - 100,000 lookups of a Site row by "[SiteNumber] = " filter, requery and
//     move first, against the raw indexed SELECT;
//   - opening a file, key derivation included.
// Prints the times and the ratios. Usage: bench-database [rows]
#include "database/CKAVFiberSet2.h"
#include "database/CKAVSiteSet2_1.h"
#include "database/Database.h"
#include "database/TestDatabaseSchema.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include "RawSqlCipher.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double recordsetInsert(const QString& path, const std::vector<RecordId>& sites, int rows)
{
    Database db;
    db.open(path, true, false, kConnectString);
    const auto start = Clock::now();
    Transaction transaction(db);
    CKAVFiberSet2 fibers(db);
    fibers.open();
    for (int i = 0; i < rows; ++i) {
        fibers.addNew();
        fibers.fiberNumber = newRecordId();
        fibers.siteNumber = sites[static_cast<std::size_t>(i) % sites.size()];
        fibers.fiberName = QString::number(i % 48 + 1);
        fibers.fiberType = 1;
        fibers.powers = {-21.5f, 0.0f, -19.25f, 0.0f, -18.0f};
        fibers.update();
    }
    transaction.commit();
    return secondsSince(start);
}

double rawInsert(const QString& path, const std::vector<RecordId>& sites, int rows)
{
    sqlite3* db = openRawDatabase(path);
    const auto start = Clock::now();
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(
        db,
        "INSERT INTO Fiber (FiberNumber, SiteNumber, FiberName, FiberType, \"850Power\", "
        "\"980Power\", \"1300Power\", \"1480Power\", \"1550Power\") VALUES (?,?,?,?,?,?,?,?,?)",
        -1, &insert, nullptr);
    for (int i = 0; i < rows; ++i) {
        const QByteArray fiber = rawGuidBytes(newRecordId());
        const QByteArray site = rawGuidBytes(sites[static_cast<std::size_t>(i) % sites.size()]);
        const QByteArray name = QByteArray::number(i % 48 + 1);
        sqlite3_bind_blob(insert, 1, fiber.constData(), 16, SQLITE_TRANSIENT);
        sqlite3_bind_blob(insert, 2, site.constData(), 16, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, name.constData(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 4, 1);
        sqlite3_bind_double(insert, 5, -21.5);
        sqlite3_bind_double(insert, 6, 0.0);
        sqlite3_bind_double(insert, 7, -19.25);
        sqlite3_bind_double(insert, 8, 0.0);
        sqlite3_bind_double(insert, 9, -18.0);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    const double seconds = secondsSince(start);
    sqlite3_close(db);
    return seconds;
}

std::vector<RecordId> addSites(const QString& path, int count)
{
    Database db;
    db.open(path, true, false, kConnectString);
    Transaction transaction(db);
    CKAVSiteSet2_1 sites(db);
    sites.open();
    std::vector<RecordId> ids;
    for (int i = 0; i < count; ++i) {
        sites.addNew();
        sites.siteNumber = newRecordId();
        sites.companyNumber = newRecordId();
        sites.siteName = QStringLiteral("Link %1").arg(i);
        sites.fiberLength = 1200.0f;
        sites.wavelengths = {"850nm", "9999nm", "1300nm", "9999nm", "9999nm"};
        ids.push_back(sites.siteNumber);
        sites.update();
    }
    transaction.commit();
    return ids;
}

double recordsetLookups(const QString& path, const std::vector<RecordId>& sites, int lookups,
                        double* checksum)
{
    Database db;
    db.open(path, true, false, kConnectString);
    CKAVSiteSet2_1 set(db);
    set.open();
    const auto start = Clock::now();
    for (int i = 0; i < lookups; ++i) {
        set.setFilter(QStringLiteral("[SiteNumber] = ") + sites[static_cast<std::size_t>(i) % sites.size()]);
        set.requery();
        set.moveFirst();
        *checksum += set.fiberLength;
    }
    return secondsSince(start);
}

double rawLookups(const QString& path, const std::vector<RecordId>& sites, int lookups, double* checksum)
{
    sqlite3* db = openRawDatabase(path);
    sqlite3_stmt* select = nullptr;
    sqlite3_prepare_v2(
        db,
        "SELECT SiteNumber, CompanyNumber, SiteName, Date, UploadDate, CalibrationDate, "
        "FiberLength, Connections, Splices, Temperature, FiberType, Wizard, Standard, "
        "CustomStandardID, \"850Reference\", \"980Reference\", \"1300Reference\", \"1480Reference\", "
        "\"1550Reference\", Wavelength1, Wavelength2, Wavelength3, Wavelength4, Wavelength5, "
        "SiteComment FROM Site WHERE SiteNumber = ?",
        -1, &select, nullptr);
    std::vector<QByteArray> keys;
    for (const RecordId& id : sites)
        keys.push_back(rawGuidBytes(id));
    const auto start = Clock::now();
    for (int i = 0; i < lookups; ++i) {
        // The same text-to-GUID step the recordset does, to compare like with like.
        const QByteArray key = rawGuidBytes(sites[static_cast<std::size_t>(i) % sites.size()]);
        sqlite3_bind_blob(select, 1, key.constData(), 16, SQLITE_TRANSIENT);
        if (sqlite3_step(select) == SQLITE_ROW) {
            *checksum += sqlite3_column_double(select, 6);
            for (int c = 0; c < 25; ++c)
                sqlite3_column_text(select, c);
        }
        sqlite3_reset(select);
    }
    const double seconds = secondsSince(start);
    sqlite3_finalize(select);
    sqlite3_close(db);
    return seconds;
}

double openTime(const QString& path, int times)
{
    const auto start = Clock::now();
    for (int i = 0; i < times; ++i) {
        Database db;
        db.open(path, true, false, kConnectString);
    }
    return secondsSince(start) / times;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    const QString layer = dir.filePath(QStringLiteral("layer.mdb"));
    const QString raw = dir.filePath(QStringLiteral("raw.mdb"));
    createTestDatabase(layer, kCurrentSchemaVersion);
    createTestDatabase(raw, kCurrentSchemaVersion);
    const std::vector<RecordId> sites = addSites(layer, 2000);
    addSites(raw, 1); // same indexes and schema; the raw run needs no sites

    const double insertLayer = recordsetInsert(layer, sites, rows);
    const double insertRaw = rawInsert(raw, sites, rows);
    std::printf("insert %d Fiber rows   recordset %7.3f s   raw %7.3f s   ratio %.2f (goal <= 2)\n", rows,
                insertLayer, insertRaw, insertLayer / insertRaw);

    double checkLayer = 0;
    double checkRaw = 0;
    const double lookupLayer = recordsetLookups(layer, sites, rows, &checkLayer);
    const double lookupRaw = rawLookups(layer, sites, rows, &checkRaw);
    std::printf("%d Site lookups        recordset %7.3f s   raw %7.3f s   ratio %.2f (goal <= 3)%s\n", rows,
                lookupLayer, lookupRaw, lookupLayer / lookupRaw, checkLayer == checkRaw ? "" : "   MISMATCH");

    std::printf("open with key derivation: %.1f ms\n", openTime(layer, 20) * 1000.0);
    return 0;
}
