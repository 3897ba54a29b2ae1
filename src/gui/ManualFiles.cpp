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
    // The installed folder, then the same folder under the prefix the program
    // runs from (an installation moved elsewhere), then beside the program.
    // Never the current folder: a PDF someone left there would be opened
    // as the program's manual.
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {QStringLiteral(FIBROLOG_DOC_DIR),
            QDir::cleanPath(programFolder + QStringLiteral("/../share/doc/fibrolog")), programFolder};
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
