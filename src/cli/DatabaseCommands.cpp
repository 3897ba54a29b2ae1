#include "cli/CliCommands.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "cli/CliApp.h"
#include "database/CircuitFile.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/FileUpgrade.h"
#include "database/SchemaVersions.h"
#include "database/TestDatabaseSchema.h"

#include <QFileInfo>

const CommandSpec kCreateSpec{QStringLiteral("create"), 1, 1, {QStringLiteral("schema")}, {}};
const CommandSpec kInfoSpec{QStringLiteral("info"), 1, 1, {}, {}};
const CommandSpec kUpgradeSpec{QStringLiteral("upgrade"), 1, 1, {}, {}};

namespace {

QString versionText(float version)
{
    return QString::number(static_cast<double>(version), 'f', 1);
}

} // namespace

int runCreate(const CommandLine& line, CliContext& context)
{
    const QString path = line.positional().at(0);
    const QString schema =
        line.has(QStringLiteral("schema")) ? line.value(QStringLiteral("schema")) : QStringLiteral("2.1");
    float version = 0;
    if (schema == QLatin1String("1.0"))
        version = kSchemaVersion1;
    else if (schema == QLatin1String("2.0"))
        version = kSchemaVersion2;
    else if (schema == QLatin1String("2.1"))
        version = kCurrentSchemaVersion;
    else
        throw UsageError(QStringLiteral("option --schema takes 1.0, 2.0 or 2.1"));
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        context.err << "fibrolog-cli: " << path << " exists already; nothing was created\n";
        return ExitError;
    }
    try {
        createTestDatabase(path, version);
    } catch (const DatabaseException& e) {
        context.err << "fibrolog-cli: " << Strings::loadString(StringId::ErrorOccurred) << e.description()
                    << '\n';
        return ExitError;
    }
    return ExitOk;
}

int runInfo(const CommandLine& line, CliContext& context)
{
    const QString path = line.positional().at(0);
    const float version = SchemaVersions::detectVersion(path);
    if (version == 0.0f) {
        context.err << "fibrolog-cli: " << CircuitFile::whyNotATestDatabase(path) << '\n';
        return ExitError;
    }
    try {
        Database db;
        db.open(path, true, true, kConnectString);
        context.out << "schema " << versionText(version) << '\n';
        for (const char* table : {"Company", "Site", "Fiber", "Standards"}) {
            const QString name = QLatin1String(table);
            context.out << name << ' ' << (db.hasTable(name) ? db.countRows(name) : 0) << '\n';
        }
    } catch (const DatabaseException& e) {
        context.err << "fibrolog-cli: " << Strings::loadString(StringId::ErrorOccurred) << e.description()
                    << '\n';
        return ExitError;
    }
    return ExitOk;
}

int runUpgrade(const CommandLine& line, CliContext& context)
{
    const QString path = line.positional().at(0);
    const FileUpgradeResult result = upgradeFileInPlace(path);
    if (!result.ok) {
        context.err << "fibrolog-cli: " << result.error << '\n';
        return ExitError;
    }
    if (result.backupPath.isEmpty()) {
        context.out << "schema " << versionText(result.fromVersion) << " is current; nothing to do\n";
    } else {
        context.out << "upgraded schema " << versionText(result.fromVersion) << " to "
                    << versionText(kCurrentSchemaVersion) << "; the original is kept as " << result.backupPath
                    << '\n';
    }
    return ExitOk;
}
