#include "document/DatabaseFileWriter.h"

#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/FileUpgrade.h"
#include "database/SchemaVersions.h"
#include "database/TestDatabaseSchema.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QString kAlias = QStringLiteral("target");

QString partialPathFor(const QString& target)
{
    return target + QStringLiteral(".saving");
}

// Data must be on the disk before the rename makes it the user's file.
bool syncFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

void discard(const QString& partial)
{
    QFile::remove(partial);
    QFile::remove(partial + QStringLiteral("-journal"));
}

// Makes the finished partial file the target, or removes it.
bool finish(const QString& partial, const QString& target, QString* error)
{
    QString why;
    if (!syncFile(partial))
        why = QStringLiteral("Cannot write %1 to the disk.").arg(partial);
    else if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target).constData()) != 0)
        why = QStringLiteral("Cannot replace %1.").arg(target);
    if (why.isEmpty())
        return true;
    discard(partial);
    *error = why;
    return false;
}

QString columnList(const TableDef& table)
{
    QStringList names;
    for (const ColumnDef& column : table.columns)
        names << Database::quoteIdentifier(column.name);
    return names.join(QLatin1String(", "));
}

} // namespace

DatabaseFileWriter::TargetState DatabaseFileWriter::inspect(const QString& target, QString* description)
{
    try {
        Database db;
        db.open(target, true, true, kConnectString);
        return TargetState::TestDatabase;
    } catch (const DatabaseException& e) {
        *description = e.description();
        return e.description().contains(QLatin1String("in use")) ? TargetState::InUse
                                                                 : TargetState::NotTestDatabase;
    }
}

bool DatabaseFileWriter::writeCopy(const QString& workingPath, const QString& target, QString* error)
{
    const QString partial = partialPathFor(target);
    if (!copyFileOver(workingPath, partial)) {
        discard(partial);
        *error = QStringLiteral("Cannot write %1.").arg(partial);
        return false;
    }
    return finish(partial, target, error);
}

bool DatabaseFileWriter::mergeInto(Database& working, const QString& target, QString* error)
{
    const float version = detectVersion(target);
    if (version != kSchemaVersion2 && version != kCurrentSchemaVersion) {
        *error = version == 0.0f
                     ? QStringLiteral("%1 is not a test database, or it is in use.").arg(target)
                     : QStringLiteral("%1 has an old format; open it once to convert it.").arg(target);
        return false;
    }
    const QString partial = partialPathFor(target);
    bool attached = false;
    try {
        if (!copyFileOver(target, partial))
            throw DatabaseException(QStringLiteral("Cannot write %1.").arg(partial));
        if (version == kSchemaVersion2 && !upgradeToCurrent(partial))
            throw DatabaseException(QStringLiteral("Cannot bring %1 to the current format.").arg(target));
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
            for (const TableLayout& layout : schemaLayout(kCurrentSchemaVersion)) {
                const QString columns = columnList(layout.table);
                const QString table = Database::quoteIdentifier(layout.table.name);
                working.execute(QStringLiteral("INSERT OR REPLACE INTO %1.%2 (%3) SELECT %3 FROM main.%2")
                                    .arg(kAlias, table, columns));
            }
            transaction.commit();
        }
        working.detachDatabase(kAlias);
        attached = false;
    } catch (const DatabaseException& e) {
        if (attached) {
            try {
                working.detachDatabase(kAlias);
            } catch (const DatabaseException&) {
            }
        }
        discard(partial);
        *error = e.description();
        return false;
    }
    return finish(partial, target, error);
}
