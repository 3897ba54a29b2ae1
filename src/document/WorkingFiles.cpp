#include "document/WorkingFiles.h"

#include "app/ProcessFiles.h"
#include "app/TemporaryFileRegistry.h"
#include "database/FileUpgrade.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

const QString WorkingFiles::kPrefix = QStringLiteral("_kavcurrent");
const QString WorkingFiles::kSuffix = QStringLiteral(".mdb");

QString WorkingFiles::newPath()
{
    // The temporary file reserves a unique name; the database engine wants to
    // create the file itself, so the empty placeholder goes again at once.
    QTemporaryFile reserve(QDir(QDir::tempPath()).filePath(ProcessFiles::nameTemplate(kPrefix, kSuffix)));
    if (!reserve.open())
        return QString();
    const QString path = reserve.fileName();
    reserve.close();
    reserve.remove();
    paths_.append(path);
    TemporaryFileRegistry::add(path);
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
