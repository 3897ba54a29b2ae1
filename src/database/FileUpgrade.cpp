#include "database/FileUpgrade.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/SchemaVersions.h"
#include "database/TestDatabaseSchema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

bool copyFileOver(const QString& source, const QString& target)
{
    if (QFileInfo::exists(target) && !QFile::remove(target))
        return false;
    if (!QFile::copy(source, target))
        return false;
    // A copy of a read-only file would be read-only too.
    QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

bool replaceFileWithCopy(const QString& source, const QString& target)
{
    const QString partial = target + QStringLiteral(".partial");
    if (!copyFileOver(source, partial))
        return false;
    const QFileDevice::Permissions permissions = QFileInfo(target).permissions();
    if (permissions != QFileDevice::Permissions())
        QFile(partial).setPermissions(permissions);
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target).constData()) != 0) {
        QFile::remove(partial);
        return false;
    }
    return true;
}

FileUpgradeResult upgradeFileInPlace(const QString& path)
{
    FileUpgradeResult result;
    result.fromVersion = detectVersion(path);
    if (result.fromVersion == 0.0f) {
        result.error = loadString(StringId::NotCreatedBySoftware);
        return result;
    }
    if (result.fromVersion == kCurrentSchemaVersion) {
        result.ok = true;
        return result;
    }

    QTemporaryDir work(QDir(QDir::tempPath()).filePath(QStringLiteral("_kavcurrentXXXXXX")));
    if (!work.isValid()) {
        result.error = QStringLiteral("Cannot make a folder for the conversion in %1.").arg(QDir::tempPath());
        return result;
    }
    result.backupPath = path + QStringLiteral(".backup");
    const QString converted = work.filePath(QStringLiteral("converted.mdb"));

    if (result.fromVersion < kSchemaVersion2) {
        if (!copyFileOver(path, result.backupPath)) {
            result.error = QStringLiteral("Cannot write the backup %1.").arg(result.backupPath);
            return result;
        }
        QString why;
        if (!convertSchema1(path, converted, &why)) {
            result.error = loadString(StringId::UnableToConvert) + QLatin1Char('\n') + why;
            return result;
        }
    } else {
        QString why = QStringLiteral("Cannot copy %1 to %2.").arg(path, converted);
        if (!QFile::copy(path, converted) || !upgradeToCurrent(converted, &why)) {
            result.error = loadString(StringId::UnableToConvert) + QLatin1Char('\n') + why;
            return result;
        }
        if (!copyFileOver(path, result.backupPath)) {
            result.error = QStringLiteral("Cannot write the backup %1.").arg(result.backupPath);
            return result;
        }
    }
    if (!replaceFileWithCopy(converted, path)) {
        result.error = QStringLiteral("Cannot replace %1 with the converted database.").arg(path);
        return result;
    }
    result.ok = true;
    return result;
}
