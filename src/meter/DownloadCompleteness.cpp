#include "meter/DownloadCompleteness.h"

#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace DownloadCompleteness {

bool endsInsideRecord(char lastByte)
{
    return lastByte != '\n';
}

bool fileEndsInsideRecord(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0 || !file.seek(file.size() - 1))
        return false;
    char last = 0;
    return file.getChar(&last) && endsInsideRecord(last);
}

QString incompleteName(const QString& path)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    const QString base = suffix.isEmpty() ? info.fileName() : info.completeBaseName();
    return info.dir().filePath(base + QStringLiteral("-incomplete") +
                               (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix));
}

QString message(const QString& keptPath)
{
    return Strings::formatMessage(Strings::loadString(StringId::DownloadIncomplete),
                                  {QDir::toNativeSeparators(QFileInfo(keptPath).absoluteFilePath())});
}

} // namespace DownloadCompleteness
