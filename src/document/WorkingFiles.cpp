#include "document/WorkingFiles.h"

#include "app/LogCategories.h"
#include "app/ProcessFiles.h"
#include "app/TemporaryFileRegistry.h"
#include "app/UserFolders.h"
#include "database/FileUpgrade.h"

#include <QDir>
#include <QFile>

const QString WorkingFiles::kPrefix = QStringLiteral("_kavcurrent");
const QString WorkingFiles::kSuffix = QStringLiteral(".mdb");

QString WorkingFiles::newPath()
{
    // Only the name is chosen: the database engine makes the file itself.
    const QString folder = UserFolders::workingFolder();
    QString why;
    const QString path = ProcessFiles::newRegisteredFile(folder, kPrefix, kSuffix, false, &why);
    if (path.isEmpty()) {
        qCWarning(lcFiles).noquote() << "No working copy can be made in" << folder + QLatin1Char(':') << why;
        return path;
    }
    qCDebug(lcFiles).noquote() << "Working copy" << path;
    paths_.append(path);
    return path;
}

QString WorkingFiles::copyOf(const QString& source)
{
    const QString path = newPath();
    if (path.isEmpty())
        return QString();
    if (!copyFileOver(source, path)) {
        qCWarning(lcFiles).noquote() << "The working copy of" << source << "could not be made";
        remove(path);
        return QString();
    }
    return path;
}

void WorkingFiles::remove(const QString& path)
{
    if (path.isEmpty() || !paths_.contains(path))
        return;
    qCDebug(lcFiles).noquote() << "Removing the working copy" << path;
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
    TemporaryFileRegistry::forget(path);
    paths_.removeAll(path);
}

int WorkingFiles::removeLeftOvers()
{
    // Where this run makes them, and the temporary folder, where a run
    // without a usable runtime folder made them.
    int removed = ProcessFiles::removeLeftOvers(QDir::tempPath(), kPrefix, {kSuffix});
    const QString folder = UserFolders::workingFolder();
    if (folder != QDir::tempPath())
        removed += ProcessFiles::removeLeftOvers(folder, kPrefix, {kSuffix});
    if (removed > 0)
        qCDebug(lcFiles) << "Removed" << removed << "working copies that ended runs left";
    return removed;
}

void WorkingFiles::removeAll()
{
    const QStringList paths = paths_;
    for (const QString& path : paths)
        remove(path);
}
