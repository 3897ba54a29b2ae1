#include "database/TargetFile.h"

#include "app/LinkFollowing.h"
#include "app/ProcessFiles.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/TemporaryFileRegistry.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

QString systemError(const QString& what, const QString& path)
{
    return QStringLiteral("%1 %2: %3")
        .arg(what, QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(errno)));
}

// The lock file's name depends on the file's name but is short whatever
// that name's length, so a name near the file system's limit still works.
QString lockPathFor(const QString& realPath)
{
    const QFileInfo info(realPath);
    const QByteArray hash =
        QCryptographicHash::hash(QFile::encodeName(info.fileName()), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return info.dir().filePath(QStringLiteral(".fibrolog-lock-") + QString::fromLatin1(hash));
}

bool syncPath(const QString& path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace

TargetFile::TargetFile(const QString& path)
{
    path_ = LinkFollowing::fileToWrite(path, &refusal_);
    if (path_.isEmpty()) {
        // Named as given, and never written.
        path_ = QFileInfo(path).absoluteFilePath();
        return;
    }
    exists_ = ::stat(QFile::encodeName(path_).constData(), &original_) == 0;
}

TargetFile::~TargetFile()
{
    discardSibling();
    unlock();
}

bool TargetFile::isReplaceable(QString* error) const
{
    if (!refusal_.isEmpty()) {
        *error = refusal_;
        return false;
    }
    if (!exists_)
        return true;
    const QString shown = QDir::toNativeSeparators(path_);
    if (!S_ISREG(original_.st_mode)) {
        *error = QStringLiteral("%1 is not a regular file; it is left as it is.").arg(shown);
        return false;
    }
    // Saving is whole or not at all, a new file renamed over the old one;
    // keeping the other names would mean writing the file in place.
    if (original_.st_nlink > 1) {
        *error = Strings::formatMessage(Strings::loadString(StringId::HardLinkedTarget),
                                        {shown, QString::number(original_.st_nlink)});
        return false;
    }
    return true;
}

bool TargetFile::lock(QString* error, int waitMs)
{
    if (isLocked())
        return true;
    if (!refusal_.isEmpty()) {
        *error = refusal_;
        return false;
    }
    lockPath_ = lockPathFor(path_);
    const QByteArray name = QFile::encodeName(lockPath_);
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            *error = systemError(QStringLiteral("Cannot lock"), path_);
            return false;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // The holder before us removes the lock file as it lets go; a lock
            // on a file that is no longer there locks nothing.
            struct stat held
            {
            };
            struct stat named
            {
            };
            if (::fstat(fd, &held) == 0 && ::stat(name.constData(), &named) == 0 &&
                held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
                lockFd_ = fd;
                // Another saver may have made or replaced the file meanwhile.
                exists_ = ::stat(QFile::encodeName(path_).constData(), &original_) == 0;
                return true;
            }
            ::close(fd);
            continue;
        }
        ::close(fd);
        if (waited.elapsed() >= waitMs) {
            *error = QStringLiteral("%1 is in use: another program is saving it.")
                         .arg(QDir::toNativeSeparators(path_));
            return false;
        }
        QThread::msleep(50);
    }
}

void TargetFile::unlock()
{
    if (lockFd_ < 0)
        return;
    ::unlink(QFile::encodeName(lockPath_).constData());
    ::close(lockFd_);
    lockFd_ = -1;
}

QString TargetFile::createSibling(QString* error)
{
    discardSibling();
    if (!refusal_.isEmpty()) {
        *error = refusal_;
        return QString();
    }
    const QString folder = QFileInfo(path_).absolutePath();
    ProcessFiles::removeLeftOvers(folder, ProcessFiles::kSiblingPrefix, {ProcessFiles::kSavingSuffix});
    note_.reset(folder);
    QString reason;
    sibling_ = ProcessFiles::newRegisteredFile(folder, ProcessFiles::kSiblingPrefix,
                                               ProcessFiles::kSavingSuffix, true, &reason);
    if (sibling_.isEmpty()) {
        *error = QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path_), reason);
        note_.reset(QString());
    }
    return sibling_;
}

void TargetFile::discardSibling()
{
    if (!sibling_.isEmpty()) {
        QFile::remove(sibling_);
        QFile::remove(sibling_ + QStringLiteral("-journal"));
        TemporaryFileRegistry::forget(sibling_);
        sibling_.clear();
    }
    note_.reset(QString());
}

bool TargetFile::commit(QString* error)
{
    const QByteArray sibling = QFile::encodeName(sibling_);
    const int fd = ::open(sibling.constData(), O_RDWR | O_CLOEXEC);
    bool ok = fd >= 0;
    if (!ok)
        *error = systemError(QStringLiteral("Cannot open"), sibling_);
    if (ok) {
        // The user's file keeps who may read it; a new one is the owner's alone.
        const mode_t mode = exists_ ? (original_.st_mode & 07777) : 0600;
        ::fchmod(fd, mode);
        if (exists_ && ::fchown(fd, original_.st_uid, original_.st_gid) != 0)
            (void)::fchown(fd, static_cast<uid_t>(-1), original_.st_gid);
        if (::fsync(fd) != 0) {
            *error = systemError(QStringLiteral("Cannot write"), sibling_);
            ok = false;
        }
    }
    if (fd >= 0)
        ::close(fd);
    if (ok && std::rename(sibling.constData(), QFile::encodeName(path_).constData()) != 0) {
        *error = systemError(QStringLiteral("Cannot replace"), path_);
        ok = false;
    }
    if (!ok) {
        discardSibling();
        return false;
    }
    TemporaryFileRegistry::forget(sibling_);
    sibling_.clear();
    note_.reset(QString());
    syncPath(QFileInfo(path_).absolutePath(), O_RDONLY | O_DIRECTORY);
    return true;
}
