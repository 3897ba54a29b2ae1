#include "gui/ManualFiles.h"

#include "gui/CommandIds.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ManualFiles::fileFor(int commandId)
{
    switch (commandId) {
    case CommandIds::ManualLintel:
        return QStringLiteral("lintelmanual.pdf");
    case CommandIds::ManualLintelOrl:
        return QStringLiteral("lintelorlmanual.pdf");
    case CommandIds::ManualPendra:
        return QStringLiteral("pendramanual.pdf");
    case CommandIds::ManualCorvina:
        return QStringLiteral("corvinamanual.pdf");
    case CommandIds::ManualInvalidMargin:
        return QStringLiteral("invalid operating margin.pdf");
    default:
        return QString();
    }
}

QStringList ManualFiles::folders()
{
    // The installed manuals folder, the same folder under the prefix the
    // program runs from, beside the program; then the documentation folders
    // where a packager or an administrator may have put the meters' manuals.
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {QStringLiteral(FIBROLOG_MANUAL_DIR),
            QDir::cleanPath(programFolder + QStringLiteral("/../share/fibrolog/manuals")), programFolder,
            QStringLiteral(FIBROLOG_DOC_DIR),
            QDir::cleanPath(programFolder + QStringLiteral("/../share/doc/fibrolog"))};
}

QStringList ManualFiles::guideFolders(const QString& programFolder, const QString& installedGuideFolder)
{
    // Beside the program first, as the language modules: a build tree's
    // program shows the guide built with it, not an older installed one.
    return {QDir(programFolder).filePath(QStringLiteral("guide")), installedGuideFolder,
            QDir::cleanPath(programFolder + QStringLiteral("/../share/fibrolog/guide"))};
}

QStringList ManualFiles::guideFolders()
{
    return guideFolders(QCoreApplication::applicationDirPath(), QStringLiteral(FIBROLOG_GUIDE_DIR));
}

QString ManualFiles::guidePage()
{
    return QStringLiteral("index.html");
}

std::optional<QString> ManualFiles::find(const QString& file, const QStringList& folders)
{
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(file);
        if (QFileInfo(path).isFile())
            return path;
    }
    return std::nullopt;
}
