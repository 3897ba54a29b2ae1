#include "app/LinkFollowing.h"

#include "app/FileNameBytes.h"
#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links in a row as the system follows before it gives up (ELOOP).
constexpr int kMostLinks = 40;

QByteArray readLink(const QByteArray& link)
{
    QByteArray target(PATH_MAX, '\0');
    const ssize_t length = ::readlink(link.constData(), target.data(), static_cast<size_t>(target.size()));
    if (length >= target.size())
        errno = ENAMETOOLONG;
    if (length < 0 || length >= target.size())
        return QByteArray();
    target.truncate(length);
    return target;
}

// The system's rule: a link in a sticky, world-writable folder is followed
// only when it belongs to the user or to the folder's owner.
bool mayFollow(const struct stat& link, const struct stat& folder)
{
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}

} // namespace

namespace LinkFollowing {

QString fileToWrite(const QString& path, QString* error)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int followed = 0;; ++followed) {
        const QByteArray name = QFile::encodeName(current);
        struct stat link
        {
        };
        if (::lstat(name.constData(), &link) != 0 || !S_ISLNK(link.st_mode))
            return current;
        if (followed == kMostLinks) {
            errno = ELOOP;
            *error = QStringLiteral("Cannot write %1: %2")
                         .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(ELOOP)));
            return QString();
        }
        const QFileInfo linkInfo(current);
        const QString folder = linkInfo.absolutePath();
        struct stat folderInfo
        {
        };
        if (::stat(QFile::encodeName(folder).constData(), &folderInfo) == 0 && !mayFollow(link, folderInfo)) {
            *error =
                Strings::formatMessage(Strings::loadString(StringId::LinkInSharedFolder),
                                       {QDir::toNativeSeparators(current), QDir::toNativeSeparators(folder)});
            return QString();
        }
        const QByteArray target = readLink(name);
        if (target.isEmpty()) {
            *error = QStringLiteral("Cannot write %1: %2")
                         .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(errno)));
            return QString();
        }
        if (!FileNameBytes::isCarriedExactly(target)) {
            *error = FileNameBytes::refusal(FileNameBytes::shown(target));
            return QString();
        }
        current = QDir::cleanPath(QDir(folder).absoluteFilePath(QFile::decodeName(target)));
    }
}

} // namespace LinkFollowing
