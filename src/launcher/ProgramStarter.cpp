#include "launcher/ProgramStarter.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {

bool isWithin(const QString& path, const QString& folder)
{
    return path == folder ||
           path.startsWith(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
}

} // namespace

ProgramStarter::ProgramStarter(QString mediumFolder, QString opener)
    : mediumFolder_(std::move(mediumFolder)), opener_(std::move(opener))
{
}

QString ProgramStarter::pathOnMedium(const QString& name) const
{
    return QDir::cleanPath(QDir(mediumFolder_).absoluteFilePath(name));
}

std::optional<QString> ProgramStarter::insideMedium(const QString& name) const
{
    // The name as written must stay inside ...
    const QString folder = QDir::cleanPath(QDir(mediumFolder_).absolutePath());
    const QString path = pathOnMedium(name);
    if (!isWithin(path, folder))
        return std::nullopt;
    // ... and so must the file it leads to once links are followed.
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonicalFolder.isEmpty() || canonical.isEmpty() || !isWithin(canonical, canonicalFolder))
        return std::nullopt;
    return canonical;
}

bool ProgramStarter::startProgram(const QString& program, QString* failed) const
{
    const auto resolved = program.isEmpty() ? std::nullopt : insideMedium(program);
    if (resolved) {
        const QFileInfo file(*resolved);
        if (file.isFile() && file.isExecutable() && QProcess::startDetached(*resolved, {}, mediumFolder_))
            return true;
    }
    if (failed)
        *failed = pathOnMedium(program);
    return false;
}

bool ProgramStarter::openPath(const QString& path, QString* failed) const
{
    const auto resolved = insideMedium(path);
    if (!resolved) {
        if (failed)
            *failed = pathOnMedium(path);
        return false;
    }
    if (QProcess::startDetached(opener_, {*resolved}, mediumFolder_))
        return true;
    if (failed)
        *failed = opener_;
    return false;
}
