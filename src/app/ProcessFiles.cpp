#include "app/ProcessFiles.h"

#include "app/TemporaryFileRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
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

QString newRegisteredFile(const QString& folder, const QString& prefix, const QString& suffix, bool create,
                          QString* error)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const QDir dir(folder);
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString random;
        for (int i = 0; i < 6; ++i)
            random += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(62)]);
        const QString path = dir.filePath(prefix + QString::number(static_cast<long>(::getpid())) +
                                          QLatin1Char('-') + random + suffix);
        if (QFileInfo::exists(path))
            continue;
        TemporaryFileRegistry::add(path);
        if (!create)
            return path;
        const int fd =
            ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        const int reason = errno;
        TemporaryFileRegistry::forget(path);
        if (reason != EEXIST) {
            if (error)
                *error = QString::fromLocal8Bit(std::strerror(reason));
            return QString();
        }
    }
    if (error)
        *error = QStringLiteral("no free file name in %1").arg(QDir::toNativeSeparators(folder));
    return QString();
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
