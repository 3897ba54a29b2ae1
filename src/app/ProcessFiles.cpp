#include "app/ProcessFiles.h"

#include "app/TemporaryFileRegistry.h"
#include "app/UnfinishedOutputs.h"
#include "app/UserFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

// True when `path` is a `type` (S_IFREG, S_IFDIR) of the user's own, not
// reached through a symbolic link.
bool isOwn(const QString& path, mode_t type)
{
    struct stat info
    {
    };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && (info.st_mode & S_IFMT) == type &&
           info.st_uid == ::geteuid();
}

// The folder the work of an upgrade is done in; see upgradeFileInPlace().
const QString kConversionFolderPrefix = QStringLiteral("_kavcurrent");

} // namespace

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
        const QString path = dir.filePath(name);
        if (isLeftOver(name, prefix) && isOwn(path, S_IFREG) && QFile::remove(path))
            ++removed;
    }
    return removed;
}

int removeLeftOverFolders(const QString& folder, const QString& prefix)
{
    const QDir dir(folder);
    int removed = 0;
    for (const QString& name :
         dir.entryList({prefix + QLatin1Char('*')}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QString path = dir.filePath(name);
        // The folder is the user's and owner-only: nobody else can have put
        // a link in it, and removeRecursively() removes links, not what they name.
        if (isLeftOver(name, prefix) && isOwn(path, S_IFDIR) && QDir(path).removeRecursively())
            ++removed;
    }
    return removed;
}

void removeWhatKilledRunsLeft()
{
    const QString temporary = QDir::tempPath();
    removeLeftOverFolders(temporary, kRuntimeFolderPrefix);
    removeLeftOverFolders(temporary, kConversionFolderPrefix);
    // Conversions are made in the working folder when the session has one.
    const QString working = UserFolders::workingFolder();
    if (working != temporary)
        removeLeftOverFolders(working, kConversionFolderPrefix);
    UnfinishedOutputs::removeLeftOvers();
}

} // namespace ProcessFiles
