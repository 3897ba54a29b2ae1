#include "database/DatabaseFileWriter.h"

#include "app/JobProgress.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/FileUpgrade.h"
#include "database/SchemaVersions.h"
#include "database/TestDatabaseSchema.h"

#include <QFileInfo>

namespace {

const QString kAlias = QStringLiteral("target");

QString columnList(const TableDef& table)
{
    QStringList names;
    for (const ColumnDef& column : table.columns)
        names << Database::quoteIdentifier(column.name);
    return names.join(QLatin1String(", "));
}

// Links of the target that the saved data measured again: the same name,
// test date and meter serial number (text compares without regard to case,
// as everywhere in a test database).
const QString kFindReplacedLinks = QStringLiteral(
    "CREATE TEMP TABLE replaced_links AS "
    "SELECT ts.SiteNumber AS SiteNumber, ts.CompanyNumber AS CompanyNumber, "
    "ts.CustomStandardID AS CustomStandardID FROM target.Site ts "
    "JOIN target.Company tc ON tc.CompanyNumber = ts.CompanyNumber "
    "WHERE EXISTS (SELECT 1 FROM main.Site ms JOIN main.Company mc ON mc.CompanyNumber = ms.CompanyNumber "
    "WHERE ms.SiteName = ts.SiteName AND ms.Date IS ts.Date AND mc.SerialNo = tc.SerialNo)");

const QStringList kRemoveReplacedLinks = {
    QStringLiteral(
        "DELETE FROM target.Fiber WHERE SiteNumber IN (SELECT SiteNumber FROM temp.replaced_links)"),
    QStringLiteral(
        "DELETE FROM target.Site WHERE SiteNumber IN (SELECT SiteNumber FROM temp.replaced_links)"),
};

// What only the replaced links used: their company rows and custom standards.
const QStringList kRemoveWhatOnlyTheyUsed = {
    QStringLiteral("DELETE FROM target.Company WHERE CompanyNumber IN "
                   "(SELECT CompanyNumber FROM temp.replaced_links) AND CompanyNumber NOT IN "
                   "(SELECT CompanyNumber FROM target.Site WHERE CompanyNumber IS NOT NULL)"),
    QStringLiteral("DELETE FROM target.Standards WHERE CustomStandardID IN "
                   "(SELECT CustomStandardID FROM temp.replaced_links WHERE CustomStandardID IS NOT NULL) "
                   "AND CustomStandardID NOT IN "
                   "(SELECT CustomStandardID FROM target.Site WHERE CustomStandardID IS NOT NULL)"),
    QStringLiteral("DROP TABLE temp.replaced_links"),
};

int countReplacedLinks(Database& db)
{
    StatementLease count(db, QStringLiteral("SELECT count(*) FROM temp.replaced_links"));
    return count->step() ? static_cast<int>(count->columnInt(0)) : 0;
}

} // namespace

DatabaseFileWriter::DatabaseFileWriter(const QString& target) : target_(target) {}

bool DatabaseFileWriter::prepare(QString* error, JobProgress* progress)
{
    std::function<bool()> stop;
    if (progress)
        stop = [progress] { return progress->isCancelled(); };
    // Asked again once the lock is held: another saver may have replaced the
    // file while this one waited.
    return target_.isReplaceable(error) && target_.lock(error, TargetFile::kLockWaitMs, stop) &&
           target_.isReplaceable(error);
}

DatabaseFileWriter::TargetState DatabaseFileWriter::inspect(QString* description)
{
    if (!target_.exists())
        return TargetState::Absent;
    try {
        Database db;
        db.open(target_.path(), true, true, kConnectString);
        return TargetState::TestDatabase;
    } catch (const DatabaseException& e) {
        *description = e.description();
        return e.description().contains(QLatin1String("in use")) ? TargetState::InUse
                                                                 : TargetState::NotTestDatabase;
    }
}

bool DatabaseFileWriter::writeCopy(const QString& workingPath, QString* error, JobProgress* progress)
{
    const QString sibling = target_.createSibling(error);
    if (sibling.isEmpty())
        return false;
    if (!copyFileOver(workingPath, sibling, error, CopyMode::OwnerOnly, progress)) {
        target_.discardSibling();
        return false;
    }
    return target_.commit(error, [progress] { return progress && progress->isCancelled(); });
}

bool DatabaseFileWriter::mergeInto(Database& working, QString* error, MergeReport* report,
                                   JobProgress* progress)
{
    const QString& target = target_.path();
    const float version = SchemaVersions::detectVersion(target);
    if (version != kSchemaVersion2 && version != kCurrentSchemaVersion) {
        *error = version == 0.0f
                     ? QStringLiteral("%1 is not a test database, or it is in use.").arg(target)
                     : QStringLiteral("%1 has an old format; open it once to convert it.").arg(target);
        return false;
    }
    const QString partial = target_.createSibling(error);
    if (partial.isEmpty())
        return false;
    int replaced = 0;
    bool attached = false;
    // The merge is one statement per table; the engine asks between its steps
    // whether the user stopped it, and the transaction then rolls back.
    struct InterruptCheck
    {
        Database& db;
        ~InterruptCheck() { db.setInterruptCheck({}); }
    } interruptCheck{working};
    if (progress)
        working.setInterruptCheck([progress] { return progress->isCancelled(); });
    try {
        QString why;
        if (!copyFileOver(target, partial, &why, CopyMode::OwnerOnly, progress))
            throw DatabaseException(why);
        if (progress)
            progress->report(Strings::loadString(StringId::SavingFile), 0, -1);
        if (version == kSchemaVersion2) {
            const OperationResult upgrade = SchemaVersions::upgradeToCurrent(partial);
            if (!upgrade)
                throw DatabaseException(QStringLiteral("Cannot bring %1 to the current format: %2")
                                            .arg(target, upgrade.message()));
        }
        createTestDatabase(partial, kCurrentSchemaVersion); // adds a missing table or index

        working.attachDatabase(partial, kAlias, kDatabasePassword);
        attached = true;
        // The file is scratch until it is renamed, and it is synced before
        // that: no journal on disk and no syncs of its own are needed, and
        // index pages stay in memory while the rows go in.
        working.execute(QStringLiteral("PRAGMA %1.cache_size=-65536").arg(kAlias));
        working.execute(QStringLiteral("PRAGMA %1.journal_mode=MEMORY").arg(kAlias));
        working.execute(QStringLiteral("PRAGMA %1.synchronous=OFF").arg(kAlias));
        {
            Transaction transaction(working);
            working.execute(kFindReplacedLinks);
            replaced = countReplacedLinks(working);
            for (const QString& sql : kRemoveReplacedLinks)
                working.execute(sql);
            for (const TableLayout& layout : schemaLayout(kCurrentSchemaVersion)) {
                const QString columns = columnList(layout.table);
                const QString table = Database::quoteIdentifier(layout.table.name);
                working.execute(QStringLiteral("INSERT OR REPLACE INTO %1.%2 (%3) SELECT %3 FROM main.%2")
                                    .arg(kAlias, table, columns));
            }
            for (const QString& sql : kRemoveWhatOnlyTheyUsed)
                working.execute(sql);
            transaction.commit();
        }
        working.detachDatabase(kAlias);
        attached = false;
    } catch (const DatabaseException& e) {
        working.setInterruptCheck({});
        if (attached) {
            try {
                working.execute(QStringLiteral("DROP TABLE IF EXISTS temp.replaced_links"));
                working.detachDatabase(kAlias);
            } catch (const DatabaseException&) {
            }
        }
        target_.discardSibling();
        *error = progress && progress->isCancelled() ? Strings::loadString(StringId::OperationCancelled)
                                                     : e.description();
        return false;
    }
    // A cancel that came as the last rows went in still leaves the file as it was.
    if (progress && progress->isCancelled()) {
        target_.discardSibling();
        *error = Strings::loadString(StringId::OperationCancelled);
        return false;
    }
    // A file of the older schema is kept as it was, as opening it would.
    QString backup;
    if (version == kSchemaVersion2) {
        if (!writeBackup(target, error)) {
            target_.discardSibling();
            return false;
        }
        backup = target + QStringLiteral(".backup");
    }
    if (!target_.commit(error, [progress] { return progress && progress->isCancelled(); }))
        return false;
    if (report) {
        report->replacedLinks = replaced;
        report->backupPath = backup;
    }
    return true;
}
