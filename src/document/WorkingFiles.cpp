#include "document/WorkingFiles.h"

#include "database/FileUpgrade.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

QString WorkingFiles::newPath()
{
    // The temporary file reserves a unique name; the database engine wants to
    // create the file itself, so the empty placeholder goes again at once.
    QTemporaryFile reserve(QDir(QDir::tempPath()).filePath(QStringLiteral("_kavcurrentXXXXXX.mdb")));
    if (!reserve.open())
        return QString();
    const QString path = reserve.fileName();
    reserve.close();
    reserve.remove();
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
    paths_.removeAll(path);
}

void WorkingFiles::removeAll()
{
    const QStringList paths = paths_;
    for (const QString& path : paths)
        remove(path);
}
