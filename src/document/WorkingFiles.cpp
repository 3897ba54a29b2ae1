#include "document/WorkingFiles.h"

#include "app/ProcessFiles.h"
#include "app/TemporaryFileRegistry.h"
#include "database/FileUpgrade.h"

#include <QDir>
#include <QFile>

const QString WorkingFiles::kPrefix = QStringLiteral("_kavcurrent");
const QString WorkingFiles::kSuffix = QStringLiteral(".mdb");

QString WorkingFiles::newPath()
{
    // Only the name is chosen: the database engine makes the file itself.
    const QString path = ProcessFiles::newRegisteredFile(QDir::tempPath(), kPrefix, kSuffix, false);
    if (!path.isEmpty())
        paths_.append(path);
    return path;
}

QString WorkingFiles::copyOf(const QString& source)
{
    const QString path = newPath();
    if (path.isEmpty())
        return QString();
    if (!copyFileOver(source, path)) {
        remove(path);
        return QString();
    }
    return path;
}

void WorkingFiles::remove(const QString& path)
{
    if (path.isEmpty() || !paths_.contains(path))
        return;
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
    TemporaryFileRegistry::forget(path);
    paths_.removeAll(path);
}

int WorkingFiles::removeLeftOvers()
{
    return ProcessFiles::removeLeftOvers(QDir::tempPath(), kPrefix, {kSuffix});
}

void WorkingFiles::removeAll()
{
    const QStringList paths = paths_;
    for (const QString& path : paths)
        remove(path);
}
