// The document's bulk work on a synthetic download of 2,000 links and 100,000
// fibers measured at three wavelengths, against what raw SQLCipher needs for
// the same rows with the same key:
//   import  - storing the download / a raw transactional INSERT of its rows
//   cursor  - building the fiber cursor / one raw join reading the same columns
//   save    - saving into a new file, and merging into an existing one /
//             SQLite's own backup of the file
// Each stage runs in a process of its own so that its peak RSS is its own.
//   export  - export-csv of 200,000 and 400,000 fibers (8 and 16 links, three
//             wavelengths) / one raw join writing the same rows
// Usage: bench-document [import|project|cursor|save|exportdb|export8|export16 WORKDIR]
#include "database/CKAVCompanySet2.h"
#include "database/CKAVFiberSet2.h"
#include "database/CKAVSiteSet2_1.h"
#include "database/CustomStandardsLoader.h"
#include "database/Database.h"
#include "database/FiberCursor.h"
#include "database/TestDatabaseSchema.h"
#include "document/CFibrologDoc.h"
#include "document/CircuitCsvExport.h"
#include "document/DownloadImporter.h"
#include "meter/DevicePortOpener.h"
#include "meter/DownloadParser.h"
#include "support/ScriptedPrompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "RawSqlCipher.h"

#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int kSites = 2000;
constexpr int kFibersPerSite = 50;
// A download holds at most eight links; one of the same 100,000 fibers has
// 12,500 fibers on each.
constexpr int kDownloadSites = 8;
constexpr int kFibersPerDownloadSite = 12500;

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void writeSyntheticDownload(const QString& path, int fibersPerSite = kFibersPerDownloadSite)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray out = "'Synthetic Cabling','555-0100','PX99999','2.10','01/15/07'\r\n";
    for (int line = 0; line < 4; ++line)
        out += "'Custom',0,'',0,0,0,0,0,0\r\n";
    for (int s = 1; s <= kDownloadSites; ++s) {
        out += QByteArray::number(s) + ",'LINK " + QByteArray::number(s) +
               "','01/20/07',1200,2,1,20,7,2,-20.00,-19.50,-19.00\r\n";
    }
    out += "\r\n";
    file.write(out);
    for (int s = 1; s <= kDownloadSites; ++s) {
        QByteArray list = QByteArray::number(s) + ",1,'LINK " + QByteArray::number(s) +
                          "','01/20/07','850nm','1300nm','1550nm'\r\n";
        for (int f = 1; f <= fibersPerSite; ++f)
            list += "'" + QByteArray::number(f) + "',-24.10,-21.50,-20.80\r\n";
        list += "\r\n";
        file.write(list);
    }
}

// A download-shaped model of 2,000 links with 50 fibers each, for a database
// of the size a project reaches over many downloads.
DownloadModel syntheticProject()
{
    DownloadModel model;
    model.header.companyName = QStringLiteral("Synthetic Cabling");
    model.header.companyTelephone = QStringLiteral("555-0100");
    model.header.serialNumber = QStringLiteral("PX99999");
    model.header.versionText = QStringLiteral("2.10");
    model.header.companyId = newRecordId();
    for (int s = 1; s <= kSites; ++s) {
        DownloadSite site;
        site.siteNumber = s;
        site.name = QStringLiteral("LINK %1").arg(s);
        site.fiberLengthMetres = 1200.0f;
        site.connectorPairs = 2;
        site.splices = 1;
        site.temperature = 20.0f;
        site.wizardFlags = 7;
        site.fiberType = 1;
        site.standardNumber = 2;
        site.referencePowers = {-20.0f, -19.5f, -19.0f};
        site.uploadDate = QDateTime(QDate(2007, 1, 21), QTime(9, 0));
        model.sites[s] = site;
        FiberList list;
        list.siteNumber = s;
        list.fiberType = 1;
        list.name = site.name;
        list.wavelengthNames = {QStringLiteral("850nm"), QStringLiteral("1300nm"), QStringLiteral("1550nm")};
        for (int f = 1; f <= kFibersPerSite; ++f) {
            DownloadFiber fiber;
            fiber.name = QString::number(f);
            fiber.setReading(0, -24.1f - 0.01f * f);
            fiber.setReading(1, -21.5f);
            fiber.setReading(2, -20.8f);
            list.fibers.append(fiber);
        }
        model.fiberLists.append(list);
    }
    return model;
}

void bindText(sqlite3_stmt* statement, int index, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(statement, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
}

// The same Company, Site and Fiber rows the import writes, with raw inserts.
double rawInsert(const DownloadModel& model, const QString& path)
{
    createTestDatabase(path, kCurrentSchemaVersion);
    sqlite3* db = openRawDatabase(path);
    const auto start = Clock::now();
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* company = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO Company (CompanyNumber, CompanyPhone, CompanyName, SerialNo, Version) "
                       "VALUES (?,?,?,?,?)",
                       -1, &company, nullptr);
    const QByteArray companyId = rawGuidBytes(model.header.companyId);
    sqlite3_bind_blob(company, 1, companyId.constData(), 16, SQLITE_TRANSIENT);
    bindText(company, 2, model.header.companyTelephone.leftJustified(13, QLatin1Char(' ')));
    bindText(company, 3, model.header.companyName);
    bindText(company, 4, model.header.serialNumber);
    bindText(company, 5, model.header.versionText);
    sqlite3_step(company);
    sqlite3_finalize(company);

    sqlite3_stmt* site = nullptr;
    sqlite3_prepare_v2(
        db,
        "INSERT INTO Site (SiteNumber, CompanyNumber, SiteName, Date, UploadDate, CalibrationDate, "
        "FiberLength, Connections, Splices, Temperature, FiberType, Wizard, Standard, \"850Reference\", "
        "\"980Reference\", \"1300Reference\", \"1480Reference\", \"1550Reference\", Wavelength1, "
        "Wavelength2, Wavelength3, Wavelength4, Wavelength5) "
        "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
        -1, &site, nullptr);
    sqlite3_stmt* fiber = nullptr;
    sqlite3_prepare_v2(
        db,
        "INSERT INTO Fiber (FiberNumber, SiteNumber, FiberName, FiberType, \"850Power\", "
        "\"980Power\", \"1300Power\", \"1480Power\", \"1550Power\") VALUES (?,?,?,?,?,?,?,?,?)",
        -1, &fiber, nullptr);
    for (const FiberList& list : model.fiberLists) {
        if (model.sites.count(list.siteNumber) == 0)
            continue;
        const DownloadSite& s = model.sites.at(list.siteNumber);
        const QByteArray siteId = rawGuidBytes(newRecordId());
        sqlite3_bind_blob(site, 1, siteId.constData(), 16, SQLITE_TRANSIENT);
        sqlite3_bind_blob(site, 2, companyId.constData(), 16, SQLITE_TRANSIENT);
        bindText(site, 3, s.name);
        bindText(site, 4, QStringLiteral("2007-01-20 00:00:00"));
        bindText(site, 5, s.uploadDate.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        bindText(site, 6, QStringLiteral("2007-01-15 00:00:00"));
        sqlite3_bind_double(site, 7, s.fiberLengthMetres);
        sqlite3_bind_int(site, 8, s.connectorPairs);
        sqlite3_bind_int(site, 9, s.splices);
        sqlite3_bind_double(site, 10, s.temperature);
        sqlite3_bind_int(site, 11, s.fiberType);
        sqlite3_bind_int(site, 12, s.wizardFlags);
        sqlite3_bind_int(site, 13, s.standardNumber);
        for (int slot = 0; slot < 5; ++slot)
            sqlite3_bind_double(site, 14 + slot, s.referenceAt(slot).value_or(0.0f));
        for (int slot = 0; slot < 5; ++slot)
            bindText(site, 19 + slot,
                     (slot < 3 ? list.wavelengthNames.at(slot) : QStringLiteral("9999nm"))
                         .leftJustified(6, QLatin1Char(' ')));
        sqlite3_step(site);
        sqlite3_reset(site);
        for (const DownloadFiber& f : list.fibers) {
            const QByteArray fiberId = rawGuidBytes(newRecordId());
            sqlite3_bind_blob(fiber, 1, fiberId.constData(), 16, SQLITE_TRANSIENT);
            sqlite3_bind_blob(fiber, 2, siteId.constData(), 16, SQLITE_TRANSIENT);
            bindText(fiber, 3, f.name);
            sqlite3_bind_int(fiber, 4, list.fiberType);
            for (int slot = 0; slot < 5; ++slot)
                sqlite3_bind_double(fiber, 5 + slot, slot < 3 ? f.reading(slot).value_or(0.0f) : 0.0);
            sqlite3_step(fiber);
            sqlite3_reset(fiber);
        }
    }
    sqlite3_finalize(site);
    sqlite3_finalize(fiber);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    const double seconds = secondsSince(start);
    sqlite3_close(db);
    return seconds;
}

int stageImport(const QString& dir)
{
    const QString kav = QDir(dir).filePath(QStringLiteral("synthetic.kav"));
    const QString stored = QDir(dir).filePath(QStringLiteral("stored.mdb"));
    const QString raw = QDir(dir).filePath(QStringLiteral("raw.mdb"));
    writeSyntheticDownload(kav);
    QFile::remove(stored);
    QFile::remove(raw);

    auto start = Clock::now();
    const ImportResult result = DownloadImporter::importFile(kav, stored);
    const double import = secondsSince(start);
    const std::optional<DownloadModel> model = DownloadParser::parseFile(kav);
    const double insert = rawInsert(*model, raw);
    std::printf("import   a download of %d links, %d fibers: %.3f s (parse included); raw INSERT %.3f s; "
                "ratio %.2f (goal <= 2); "
                "peak RSS %.0f MB\n",
                result.sites, result.fibers, import, insert, import / insert, peakRssMb());
    return result.stored() ? 0 : 1;
}

int stageProject(const QString& dir)
{
    const QString file = QDir(dir).filePath(QStringLiteral("project.mdb"));
    QFile::remove(file);
    rawInsert(syntheticProject(), file);
    return 0;
}

int stageCursor(const QString& dir)
{
    const QString file = QDir(dir).filePath(QStringLiteral("project.mdb"));
    double rawSeconds = 0;
    {
        sqlite3* db = openRawDatabase(file);
        const auto start = Clock::now();
        sqlite3_stmt* join = nullptr;
        sqlite3_prepare_v2(
            db,
            "SELECT f.FiberNumber, f.SiteNumber, f.FiberName, f.FiberType, f.\"850Power\", f.\"980Power\", "
            "f.\"1300Power\", f.\"1480Power\", f.\"1550Power\", s.CompanyNumber, s.SiteName, s.Date, "
            "s.UploadDate, "
            "s.CalibrationDate, s.FiberLength, s.Connections, s.Splices, s.Temperature, s.FiberType, "
            "s.Wizard, "
            "s.Standard, s.CustomStandardID, s.\"850Reference\", s.\"980Reference\", s.\"1300Reference\", "
            "s.\"1480Reference\", s.\"1550Reference\", s.Wavelength1, s.Wavelength2, s.Wavelength3, "
            "s.Wavelength4, "
            "s.Wavelength5, s.SiteComment, c.CompanyName, c.CompanyPhone, c.SerialNo, c.Version "
            "FROM Fiber f LEFT JOIN Site s ON s.SiteNumber = f.SiteNumber "
            "LEFT JOIN Company c ON c.CompanyNumber = s.CompanyNumber",
            -1, &join, nullptr);
        long rows = 0;
        while (sqlite3_step(join) == SQLITE_ROW) {
            for (int c = 0; c < 37; ++c)
                sqlite3_column_text(join, c);
            ++rows;
        }
        sqlite3_finalize(join);
        rawSeconds = secondsSince(start);
        sqlite3_close(db);
        if (rows == 0)
            return 1;
    }
    Database db;
    db.open(file, true, false, kConnectString);
    StandardsCatalog catalog;
    FiberCursor cursor;
    const auto start = Clock::now();
    cursor.build(db, catalog);
    const double build = secondsSince(start);
    std::printf("cursor   2,000 links, %d circuits: %.3f s; raw join %.3f s; ratio %.2f (goal <= 3); peak "
                "RSS %.0f MB "
                "(goal <= 200)\n",
                cursor.count(), build, rawSeconds, build / rawSeconds, peakRssMb());
    return 0;
}

// The export's baseline: one raw join reading every column the CSV needs,
// ordered by link and circuit, writing one line per measured wavelength with
// the same 20 fields (the figures it cannot compute without the catalogue are
// written as raw values).
double rawJoinExport(const QString& file, const QString& csv, long* rowsWritten)
{
    sqlite3* db = openRawDatabase(file);
    const auto start = Clock::now();
    std::FILE* out = std::fopen(QFile::encodeName(csv).constData(), "wb");
    std::fputs("link_id,circuit_id,test_date,company,serial_number,standard,cable_type,wavelength,"
               "reference_dbm,measured_dbm,fiber_allowance_db,connector_allowance_db,splice_allowance_db,"
               "allowed_loss_db,system_reference_dbm,optical_loss_db,overhead_db,return_loss_db,"
               "margin_percent,verdict\r\n",
               out);
    sqlite3_stmt* join = nullptr;
    sqlite3_prepare_v2(
        db,
        "SELECT s.SiteName, f.FiberName, s.Date, c.CompanyName, c.SerialNo, s.Standard, f.FiberType, "
        "s.FiberLength, s.Connections, s.Splices, "
        "s.Wavelength1, s.Wavelength2, s.Wavelength3, s.Wavelength4, s.Wavelength5, "
        "s.\"850Reference\", s.\"980Reference\", s.\"1300Reference\", s.\"1480Reference\", "
        "s.\"1550Reference\", f.\"850Power\", f.\"980Power\", f.\"1300Power\", f.\"1480Power\", "
        "f.\"1550Power\" "
        "FROM Fiber f LEFT JOIN Site s ON s.SiteNumber = f.SiteNumber "
        "LEFT JOIN Company c ON c.CompanyNumber = s.CompanyNumber "
        "ORDER BY s.SiteName COLLATE NOCASE, f.FiberName",
        -1, &join, nullptr);
    long rows = 0;
    while (sqlite3_step(join) == SQLITE_ROW) {
        for (int slot = 0; slot < 5; ++slot) {
            const double power = sqlite3_column_double(join, 20 + slot);
            if (power == 0.0)
                continue;
            const double reference = sqlite3_column_double(join, 15 + slot);
            const double length = sqlite3_column_double(join, 7);
            std::fprintf(
                out,
                "%s,%s,%.16s,%s,%s,%d,%d,%s,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%.2f,%s\r\n",
                sqlite3_column_text(join, 0), sqlite3_column_text(join, 1), sqlite3_column_text(join, 2),
                sqlite3_column_text(join, 3), sqlite3_column_text(join, 4), sqlite3_column_int(join, 5),
                sqlite3_column_int(join, 6), sqlite3_column_text(join, 10 + slot), reference, power,
                length / 1000.0, sqlite3_column_int(join, 8) * 0.75, sqlite3_column_int(join, 9) * 0.3,
                length, reference - length, reference - power, power - reference, power - reference,
                power / reference * 100.0, power > reference ? "Pass" : "Fail");
            ++rows;
        }
    }
    sqlite3_finalize(join);
    std::fclose(out);
    const double seconds = secondsSince(start);
    sqlite3_close(db);
    *rowsWritten = rows;
    return seconds;
}

// Databases of 8 and 16 links of 25,000 fibers at three wavelengths, for the
// export; 200,000 fibers is the size the export goal is given for, and the
// larger one shows that its memory does not grow with the file.
DownloadModel syntheticLinks(int links, int fibersPerLink)
{
    DownloadModel model = syntheticProject();
    while (static_cast<int>(model.sites.size()) > links)
        model.sites.erase(std::prev(model.sites.end()));
    model.fiberLists.resize(links);
    for (FiberList& list : model.fiberLists) {
        const DownloadFiber pattern = list.fibers.first();
        list.fibers.clear();
        list.fibers.reserve(fibersPerLink);
        for (int f = 1; f <= fibersPerLink; ++f) {
            DownloadFiber fiber = pattern;
            fiber.name = QString::number(f);
            fiber.setReading(0, -24.1f - 0.0001f * f);
            list.fibers.append(fiber);
        }
    }
    return model;
}

QString exportDatabasePath(const QString& dir, int links)
{
    return QDir(dir).filePath(QStringLiteral("export-%1.mdb").arg(links));
}

int stageExportDatabases(const QString& dir)
{
    for (int links : {8, 16}) {
        QFile::remove(exportDatabasePath(dir, links));
        rawInsert(syntheticLinks(links, 25000), exportDatabasePath(dir, links));
    }
    return 0;
}

// The export first, so that the peak RSS is its own; then the raw join.
int stageExport(const QString& dir, int links)
{
    const QString file = exportDatabasePath(dir, links);
    const QString csv = QDir(dir).filePath(QStringLiteral("circuits.csv"));
    const auto start = Clock::now();
    Database db;
    db.open(file, true, true, kConnectString);
    StandardsCatalog catalog;
    CustomStandards::reload(catalog, db);
    QString error;
    if (!exportCircuitsCsv(db, catalog, csv, &error)) {
        std::printf("export failed: %s\n", qPrintable(error));
        return 1;
    }
    db.close();
    const double seconds = secondsSince(start);
    const double exportRss = peakRssMb();
    const qint64 bytes = QFileInfo(csv).size();
    long rawRows = 0;
    const double raw = rawJoinExport(file, QDir(dir).filePath(QStringLiteral("raw.csv")), &rawRows);
    std::printf(
        "export   %d links, %d fibers, %ld CSV rows (%.0f MB): %.3f s; raw join writing the same rows "
        "%.3f s; ratio %.2f (goal <= 2); peak RSS of the export %.0f MB (goal < 150, flat)\n",
        links, links * 25000, rawRows, static_cast<double>(bytes) / 1e6, seconds, raw, seconds / raw,
        exportRss);
    return 0;
}

double backup(const QString& source, const QString& target)
{
    QFile::remove(target);
    sqlite3* from = openRawDatabase(source);
    sqlite3* to = nullptr;
    sqlite3_open_v2(QFile::encodeName(target).constData(), &to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                    nullptr);
    const QByteArray key = kDatabasePassword.toUtf8();
    sqlite3_key(to, key.constData(), static_cast<int>(key.size()));
    const auto start = Clock::now();
    sqlite3_backup* b = sqlite3_backup_init(to, "main", from, "main");
    sqlite3_backup_step(b, -1);
    sqlite3_backup_finish(b);
    const double seconds = secondsSince(start);
    sqlite3_close(to);
    sqlite3_close(from);
    return seconds;
}

int stageSave(const QString& dir)
{
    const QString stored = QDir(dir).filePath(QStringLiteral("project.mdb"));
    const QString backupTarget = QDir(dir).filePath(QStringLiteral("backup.mdb"));
    const double backupSeconds = backup(stored, backupTarget);

    ScriptedPrompt prompt;
    prompt.setFallback(PromptAnswer::Merge);
    NullStatusSink status;
    DevicePortOpener ports;
    CFibrologDoc document(prompt, status, ports);
    if (!document.onOpenDocument(stored))
        return 1;
    const QString fresh = QDir(dir).filePath(QStringLiteral("saved.mdb"));
    QFile::remove(fresh);
    auto start = Clock::now();
    document.onSaveDocument(fresh);
    const double saveNew = secondsSince(start);

    // An existing project file of its own, with its own links, to merge into.
    const QString existing = QDir(dir).filePath(QStringLiteral("existing.mdb"));
    QFile::remove(existing);
    rawInsert(syntheticProject(), existing);
    start = Clock::now();
    document.onSaveDocument(existing);
    const double merge = secondsSince(start);

    // And a small project file of one link.
    const QString small = QDir(dir).filePath(QStringLiteral("small.mdb"));
    QFile::remove(small);
    {
        DownloadModel one = syntheticProject();
        while (one.sites.size() > 1)
            one.sites.erase(std::prev(one.sites.end()));
        one.fiberLists.erase(one.fiberLists.begin() + 1, one.fiberLists.end());
        rawInsert(one, small);
    }
    start = Clock::now();
    document.onSaveDocument(small);
    const double mergeSmall = secondsSince(start);

    std::printf(
        "save     SQLite backup of the file %.3f s; save as a new file %.3f s (ratio %.2f); merge into a "
        "file of one link %.3f s (ratio %.2f); merge into a file of the same size %.3f s (ratio %.2f); goal "
        "<= 3; peak RSS %.0f MB\n",
        backupSeconds, saveNew, saveNew / backupSeconds, mergeSmall, mergeSmall / backupSeconds, merge,
        merge / backupSeconds, peakRssMb());
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3) {
        const QString stage = args.at(1);
        if (stage == QLatin1String("import"))
            return stageImport(args.at(2));
        if (stage == QLatin1String("project"))
            return stageProject(args.at(2));
        if (stage == QLatin1String("cursor"))
            return stageCursor(args.at(2));
        if (stage == QLatin1String("save"))
            return stageSave(args.at(2));
        if (stage == QLatin1String("exportdb"))
            return stageExportDatabases(args.at(2));
        if (stage == QLatin1String("export8"))
            return stageExport(args.at(2), 8);
        if (stage == QLatin1String("export16"))
            return stageExport(args.at(2), 16);
        return 2;
    }
    QTemporaryDir dir;
    for (const char* stage : {"import", "project", "cursor", "save", "exportdb", "export8", "export16"}) {
        QProcess run;
        run.setProcessChannelMode(QProcess::ForwardedChannels);
        run.start(app.applicationFilePath(), {QLatin1String(stage), dir.path()});
        run.waitForFinished(-1);
        if (run.exitCode() != 0)
            return run.exitCode();
    }
    return 0;
}
