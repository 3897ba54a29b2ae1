#include "database/TargetFile.h"

#include "app/FileNameBytes.h"
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
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// How long a lock file another saver has just made may stay unreadable: it
// is made, then given its mode, in two steps.
constexpr int kNewLockFileMs = 1000;

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

struct LockFile
{
    enum Problem
    {
        None,
        CannotCreate, // the folder may not be written, or the system refuses
        Unreadable,   // there, and this user may not open it
        NotRegular,   // a link, a folder, a FIFO in its place
    };
    int fd = -1;
    Problem problem = None;
    int reason = 0; // errno
};

// Who may open a new lock file: everyone may read it, which is all a lock
// needs on a local disk, and whoever may write the folder may also write it,
// which a lock on a network folder needs. Nobody else can write into it.
mode_t lockFileMode(const struct stat& folder)
{
    return 0644 | (folder.st_mode & 0022);
}

struct NewLockFile
{
    int fd = -1;
    bool exists = false; // another saver made it first
    int reason = 0;      // errno
};

// Makes the lock file with its final owner group and mode before it gets its
// name, so that no one ever finds it half made: a saver killed between the
// two steps would otherwise leave a lock file only its own user may open,
// which no other user could take over. Where the file system has no unnamed
// files (some network folders), the file is made under its name and given
// its mode right after, as before.
NewLockFile makeLockFile(const QByteArray& name)
{
    NewLockFile result;
    const QByteArray folderName = QFile::encodeName(QFileInfo(QFile::decodeName(name)).absolutePath());
    struct stat folder
    {
    };
    const bool folderKnown = ::stat(folderName.constData(), &folder) == 0;
    const auto giveMode = [&](int fd) {
        if (!folderKnown)
            return;
        // The folder's group, as a shared folder without the set-group-id bit would not give it.
        if (::fchown(fd, static_cast<uid_t>(-1), folder.st_gid) != 0) {
            // Not a member of that group: the file keeps the user's own.
        }
        ::fchmod(fd, lockFileMode(folder));
    };

    int fd = ::open(folderName.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0) {
        giveMode(fd);
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0) {
            result.fd = fd;
            return result;
        }
        const int linkError = errno;
        ::close(fd);
        if (linkError == EEXIST) {
            result.exists = true;
            return result;
        }
        // No /proc, or a file system that cannot name the file: make it by name.
    }

    fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        result.exists = errno == EEXIST;
        result.reason = errno;
        return result;
    }
    giveMode(fd);
    result.fd = fd;
    return result;
}

// Opens the lock file, made if it is not there yet. A lock file left by a
// saver that was killed is taken over by the next one, whoever that is.
LockFile openLockFile(const QByteArray& name)
{
    LockFile result;
    for (;;) {
        // Never through a link or onto a device a stranger put in its place.
        constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
        int fd = ::open(name.constData(), O_RDWR | kFlags);
        if (fd < 0 && errno == EACCES)
            fd = ::open(name.constData(), O_RDONLY | kFlags);
        if (fd < 0 && errno == EACCES) {
            // There and not to be opened, or not to be reached at all (a
            // folder on the way that this user may not enter).
            struct stat info
            {
            };
            result.problem =
                ::lstat(name.constData(), &info) == 0 ? LockFile::Unreadable : LockFile::CannotCreate;
            result.reason = EACCES;
            return result;
        }
        if (fd < 0 && errno != ENOENT) {
            result.reason = errno;
            result.problem = errno == ELOOP || errno == EISDIR || errno == ENXIO ? LockFile::NotRegular
                                                                                 : LockFile::CannotCreate;
            return result;
        }
        if (fd < 0) {
            const NewLockFile made = makeLockFile(name);
            if (made.exists)
                continue;
            if (made.fd < 0) {
                result.reason = made.reason;
                result.problem = LockFile::CannotCreate;
                return result;
            }
            fd = made.fd;
        }
        struct stat info
        {
        };
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            ::close(fd);
            result.problem = LockFile::NotRegular;
            return result;
        }
        result.fd = fd;
        return result;
    }
}

QString ownerName(uid_t uid)
{
    passwd entry{};
    passwd* user = nullptr;
    char buffer[4096];
    if (::getpwuid_r(uid, &entry, buffer, sizeof buffer, &user) == 0 && user)
        return QString::fromLocal8Bit(user->pw_name);
    return QString::number(uid);
}

QString lockFailure(const LockFile& opened, const QString& path, const QString& lockPath)
{
    const QString file = QDir::toNativeSeparators(path);
    const QString lock = QDir::toNativeSeparators(lockPath);
    switch (opened.problem) {
    case LockFile::Unreadable: {
        struct stat info
        {
        };
        const QString owner = ::lstat(QFile::encodeName(lockPath).constData(), &info) == 0
                                  ? ownerName(info.st_uid)
                                  : QStringLiteral("?");
        return Strings::formatMessage(Strings::loadString(StringId::LockFileNotOpenable),
                                      {file, lock, owner});
    }
    case LockFile::NotRegular:
        return Strings::formatMessage(Strings::loadString(StringId::LockFileNotRegular), {file, lock});
    default:
        return Strings::formatMessage(Strings::loadString(StringId::LockFolderNotWritable),
                                      {file, QString::fromLocal8Bit(std::strerror(opened.reason)),
                                       QDir::toNativeSeparators(QFileInfo(path).absolutePath())});
    }
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
    if (FileNameBytes::mayStandForOtherBytes(path))
        refusal_ = FileNameBytes::refusal(path);
    else
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

bool TargetFile::isReadOnly() const
{
    return exists_ && refusal_.isEmpty() &&
           (::access(QFile::encodeName(path_).constData(), W_OK) != 0 || !(original_.st_mode & S_IWUSR));
}

bool TargetFile::lock(QString* error, int waitMs, const std::function<bool()>& stop)
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
    int unreadable = 0;
    for (;;) {
        const LockFile opened = openLockFile(name);
        if (opened.fd < 0) {
            if (opened.problem == LockFile::Unreadable && ++unreadable < kNewLockFileMs / 10) {
                QThread::msleep(10);
                continue;
            }
            *error = lockFailure(opened, path_, lockPath_);
            return false;
        }
        unreadable = 0;
        const int fd = opened.fd;
        const int locked = ::flock(fd, LOCK_EX | LOCK_NB);
        if (locked != 0 && errno != EWOULDBLOCK && errno != EINTR) {
            // A network folder may refuse a lock on a file opened for reading only.
            *error = systemError(QStringLiteral("Cannot lock"), path_);
            ::close(fd);
            return false;
        }
        if (locked == 0) {
            // The holder before us removes the lock file as it lets go; a lock
            // on a file that is no longer there locks nothing.
            struct stat held
            {
            };
            struct stat named
            {
            };
            if (::fstat(fd, &held) == 0 && ::lstat(name.constData(), &named) == 0 &&
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
        if (stop && stop()) {
            *error = Strings::loadString(StringId::OperationCancelled);
            return false;
        }
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

bool TargetFile::commit(QString* error, const std::function<bool()>& stop)
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
        if (exists_ && ::fchown(fd, original_.st_uid, original_.st_gid) != 0 &&
            ::fchown(fd, static_cast<uid_t>(-1), original_.st_gid) != 0) {
            // Only root gives a file away, and only a member its group: the copy stays the user's.
        }
        if (::fsync(fd) != 0) {
            *error = systemError(QStringLiteral("Cannot write"), sibling_);
            ok = false;
        }
    }
    if (fd >= 0)
        ::close(fd);
    // The last moment the user's Cancel can still leave the file as it was:
    // the copy is whole and on disk, and the rename is the point of no return.
    if (ok && stop && stop()) {
        *error = Strings::loadString(StringId::OperationCancelled);
        ok = false;
    }
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
