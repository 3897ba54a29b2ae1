#include "launcher/MediumFolder.h"

#include <QDir>
#include <QFileInfo>

QString findLanguagesFile(const QString& mediumFolder, const QString& currentFolder)
{
    const QString name = QStringLiteral("Languages.ini");
    for (const QString& folder : {mediumFolder, currentFolder}) {
        if (folder.isEmpty())
            continue;
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}
