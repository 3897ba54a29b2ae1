#include "database/CircuitFile.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/CustomStandardsLoader.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/SchemaVersions.h"
#include "database/TestDatabaseSchema.h"
#include "standards/StandardsCatalog.h"

#include <QDir>
#include <QFileInfo>

QString CircuitFile::whyNotATestDatabase(const QString& path)
{
    if (!QFileInfo::exists(path))
        return QStringLiteral("Could not find file '%1'.").arg(path);
    try {
        Database db;
        db.open(path, true, true, kConnectString);
    } catch (const DatabaseException& e) {
        if (e.description().contains(QLatin1String("in use")) ||
            e.description().contains(QLatin1String("read-only")))
            return e.description();
    }
    return Strings::loadString(StringId::NotCreatedBySoftware);
}

OperationResult CircuitFile::open(const QString& path, Database& db, StandardsCatalog& catalogue,
                                  QString* standardsProblem)
{
    const float version = SchemaVersions::detectVersion(path);
    if (version == 0.0f)
        return OperationResult::failure(whyNotATestDatabase(path));
    if (version != kCurrentSchemaVersion)
        return OperationResult::failure(Strings::formatMessage(
            Strings::loadString(StringId::OlderSchemaToConvert),
            {QDir::toNativeSeparators(path), QString::number(static_cast<double>(version), 'f', 1)}));
    try {
        db.open(path, true, true, kConnectString);
        const QString problem = CustomStandards::reload(catalogue, db);
        if (standardsProblem)
            *standardsProblem = problem;
    } catch (const DatabaseException& e) {
        db.close();
        return OperationResult::failure(Strings::loadString(StringId::ErrorOccurred) + e.description());
    }
    return OperationResult::success();
}
