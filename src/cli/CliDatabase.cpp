#include "cli/CliDatabase.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "cli/CliCommands.h"
#include "database/CustomStandardsLoader.h"
#include "database/Database.h"
#include "database/SchemaVersions.h"
#include "database/TestDatabaseSchema.h"
#include "standards/StandardsCatalog.h"

bool openCurrentTestDatabase(const QString& path, Database& db, QTextStream& err)
{
    const float version = detectVersion(path);
    if (version == 0.0f) {
        err << "fibrolog-cli: " << whyNotATestDatabase(path) << '\n';
        return false;
    }
    if (version != kCurrentSchemaVersion) {
        err << "fibrolog-cli: " << path << " has schema "
            << QString::number(static_cast<double>(version), 'f', 1) << "; run 'fibrolog-cli upgrade " << path
            << "' first\n";
        return false;
    }
    db.open(path, true, true, kConnectString);
    return true;
}

void loadCatalogue(StandardsCatalog& catalog, Database* db, QTextStream& err)
{
    const QString problem = db ? reload(catalog, *db) : loadSharedStandards(catalog);
    if (!problem.isEmpty())
        err << "fibrolog-cli: " << problem << '\n';
}
