#include "app/ProcessFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace ProcessFiles {

QString nameTemplate(const QString& prefix, const QString& suffix)
{
    return prefix + QString::number(static_cast<long>(::getpid())) + QStringLiteral("-XXXXXX") + suffix;
}

long ownerOf(const QString& fileName, const QString& prefix)
{
    if (!fileName.startsWith(prefix))
        return 0;
    const qsizetype dash = fileName.indexOf(QLatin1Char('-'), prefix.size());
    if (dash <= prefix.size())
        return 0;
    bool ok = false;
    const long pid = fileName.mid(prefix.size(), dash - prefix.size()).toLong(&ok);
    return ok && pid > 0 ? pid : 0;
}

bool isLeftOver(const QString& fileName, const QString& prefix)
{
    const long pid = ownerOf(fileName, prefix);
    if (pid <= 0 || pid == static_cast<long>(::getpid()))
        return false;
    // EPERM means the process runs under another user: it is alive.
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

int removeLeftOvers(const QString& folder, const QString& prefix, const QStringList& suffixes)
{
    QStringList patterns;
    for (const QString& suffix : suffixes)
        patterns << prefix + QLatin1Char('*') + suffix
                 << prefix + QLatin1Char('*') + suffix + QStringLiteral("-journal");
    const QDir dir(folder);
    int removed = 0;
    for (const QString& name : dir.entryList(patterns, QDir::Files | QDir::Hidden | QDir::System)) {
        if (isLeftOver(name, prefix) && QFile::remove(dir.filePath(name)))
            ++removed;
    }
    return removed;
}

} // namespace ProcessFiles
