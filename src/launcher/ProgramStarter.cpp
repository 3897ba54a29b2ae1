#include "launcher/ProgramStarter.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

ProgramStarter::ProgramStarter(QString mediumFolder, QString opener)
    : mediumFolder_(std::move(mediumFolder)), opener_(std::move(opener))
{
}

QString ProgramStarter::resolveProgram(const QString& program) const
{
    if (program.isEmpty() || QDir::isAbsolutePath(program))
        return program;
    const QString onMedium = QDir(mediumFolder_).absoluteFilePath(program);
    if (program.contains(QLatin1Char('/')) || QFileInfo::exists(onMedium))
        return onMedium;
    return program;
}

QString ProgramStarter::resolvePath(const QString& path) const
{
    if (path.isEmpty())
        return QDir(mediumFolder_).absolutePath();
    return QDir(mediumFolder_).absoluteFilePath(path);
}

bool ProgramStarter::startProgram(const QString& program, QString* failed) const
{
    const QString resolved = resolveProgram(program);
    if (!resolved.isEmpty() && QProcess::startDetached(resolved, {}, mediumFolder_))
        return true;
    if (failed)
        *failed = resolved;
    return false;
}

bool ProgramStarter::openPath(const QString& path, QString* failed) const
{
    const QString resolved = resolvePath(path);
    if (!QFileInfo::exists(resolved)) {
        if (failed)
            *failed = resolved;
        return false;
    }
    if (QProcess::startDetached(opener_, {resolved}, mediumFolder_))
        return true;
    if (failed)
        *failed = opener_;
    return false;
}
