#include "cli/CliCommands.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "cli/CliApp.h"
#include "cli/CliOutput.h"
#include "database/CircuitFile.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/FileUpgrade.h"
#include "database/SchemaVersions.h"
#include "database/TestDatabaseSchema.h"

#include <QFileInfo>
#include <QJsonObject>

const CommandSpec kCreateSpec{
    QStringLiteral("create"),
    1,
    1,
    {QStringLiteral("schema")},
    {},
    {},
    {QStringLiteral("create FILE.mdb [--schema 1.0|2.0|2.1]"),
     QStringLiteral("create an empty test database"),
     QStringLiteral("Refuses a FILE.mdb that exists.\n"
                    "\n"
                    "  --schema V   the file format: 2.1 (the default), or 2.0 or 1.0 for older programs")}};
const CommandSpec kInfoSpec{
    QStringLiteral("info"),
    1,
    1,
    {},
    {QStringLiteral("json")},
    {},
    {QStringLiteral("info FILE.mdb [--json]"), QStringLiteral("schema version and row counts"),
     QStringLiteral("Prints \"schema X.Y\" and the rows of Company, Site, Fiber and Standards,\n"
                    "one \"name N\" a line.\n"
                    "\n"
                    "  --json   one JSON document: {\"schema\": \"2.1\", \"rows\": {\"company\": N, ...}};\n"
                    "           a table the file's schema does not have is null")}};
const CommandSpec kUpgradeSpec{
    QStringLiteral("upgrade"),
    1,
    1,
    {},
    {},
    {},
    {QStringLiteral("upgrade FILE.mdb"),
     QStringLiteral("convert a 1.0 or 2.0 file to 2.1, keeping FILE.mdb.backup"),
     QStringLiteral("Converts the file as opening it in Fibrolog would; the original is kept as\n"
                    "FILE.mdb.backup. A current file is left as it is.")}};

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
        QJsonObject rows;
        QString plain = QStringLiteral("schema ") + versionText(version) + QLatin1Char('\n');
        for (const char* table : {"Company", "Site", "Fiber", "Standards"}) {
            const QString name = QLatin1String(table);
            const bool present = db.hasTable(name);
            const qint64 count = present ? db.countRows(name) : 0;
            plain += name + QLatin1Char(' ') + QString::number(count) + QLatin1Char('\n');
            rows.insert(name.toLower(), present ? QJsonValue(count) : QJsonValue());
        }
        if (line.has(QStringLiteral("json"))) {
            CliOutput::writeJson(context, {{QStringLiteral("file"), path},
                                           {QStringLiteral("schema"), versionText(version)},
                                           {QStringLiteral("rows"), rows}});
        } else {
            context.out << plain;
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
        context.status << "schema " << versionText(result.fromVersion) << " is current; nothing to do\n";
    } else {
        context.status << "upgraded schema " << versionText(result.fromVersion) << " to "
                       << versionText(kCurrentSchemaVersion) << "; the original is kept as "
                       << result.backupPath << '\n';
    }
    return ExitOk;
}
