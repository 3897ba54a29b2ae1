#include "app/UserFolders.h"

#include "app/LogCategories.h"
#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kProgramFolder = QStringLiteral("fibrolog");

// The base folder an XDG variable names, or `fallback` under the home
// folder. A relative value is invalid by the XDG rules and ignored: it
// would name a folder under the current one.
QString xdgBase(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir(QDir::homePath()).filePath(fallback);
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString text(int id, const QStringList& arguments)
{
    return Strings::formatMessage(Strings::loadString(id), arguments);
}

// Why `folder` is not a private folder of the user's own, in the user's
// words; empty when it is.
QString privateFolderFault(const QString& folder)
{
    using namespace StringId;
    const QString name = QDir::toNativeSeparators(folder);
    struct stat info
    {
    };
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return text(UserFolderCannotBeMade, {name, systemReason(errno)});
    if (S_ISLNK(info.st_mode))
        return text(UserFolderIsLink, {name});
    if (!S_ISDIR(info.st_mode))
        return text(UserFolderNotAFolder, {name});
    if (info.st_uid != ::geteuid())
        return text(UserFolderOfAnotherUser, {name});
    if ((info.st_mode & 077) != 0)
        return text(UserFolderOpenToOthers,
                    {name, QStringLiteral("%1").arg(info.st_mode & 07777, 4, 8, QLatin1Char('0'))});
    return QString();
}

// Makes the program's own folder, or closes one of the user's that others
// may enter (made by hand, or by mkdir -p): it holds the user's measurements.
QString makeOwnFolder(const QString& folder)
{
    const QByteArray name = QFile::encodeName(folder);
    if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
        return text(StringId::UserFolderCannotBeMade,
                    {QDir::toNativeSeparators(folder), systemReason(errno)});
    struct stat info
    {
    };
    if (::lstat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
        (info.st_mode & 077) != 0)
        ::chmod(name.constData(), 0700);
    return privateFolderFault(folder);
}

} // namespace

namespace UserFolders {

QString dataFolder()
{
    return QDir(xdgBase("XDG_DATA_HOME", QStringLiteral(".local/share"))).filePath(kProgramFolder);
}

QString stateFolder()
{
    return QDir(xdgBase("XDG_STATE_HOME", QStringLiteral(".local/state"))).filePath(kProgramFolder);
}

QString downloadsFolder()
{
    return QDir(stateFolder()).filePath(QStringLiteral("downloads"));
}

bool makePrivateFolder(const QString& folder, QString* error)
{
    const QString parent = QDir::cleanPath(folder + QStringLiteral("/.."));
    // The parents are the user's ordinary folders (~/.local/share): made as
    // mkdir -p makes them; only the program's own is kept private.
    const QString fault =
        !QDir().mkpath(parent)
            ? text(StringId::UserFolderCannotBeMade, {QDir::toNativeSeparators(parent), systemReason(errno)})
            : makeOwnFolder(folder);
    if (fault.isEmpty())
        return true;
    if (error)
        *error = fault;
    return false;
}

QString workingFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        return QDir::tempPath();
    QString why;
    if (!QDir::isAbsolutePath(runtime))
        why = QStringLiteral("XDG_RUNTIME_DIR is not an absolute path.");
    else if (const QString fault = privateFolderFault(runtime); !fault.isEmpty())
        why = fault;
    const QString folder = QDir(runtime).filePath(kProgramFolder);
    if (why.isEmpty() && makePrivateFolder(folder, &why))
        return folder;
    qCWarning(lcFiles).noquote() << "Working copies go to" << QDir::tempPath() + QLatin1Char(':') << why;
    return QDir::tempPath();
}

} // namespace UserFolders
