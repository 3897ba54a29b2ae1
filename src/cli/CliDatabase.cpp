#include "cli/CliDatabase.h"

#include "database/CircuitFile.h"
#include "database/CustomStandardsLoader.h"
#include "database/Database.h"
#include "standards/StandardsCatalog.h"

bool openCircuitFile(const QString& path, Database& db, StandardsCatalog& catalog, QTextStream& err)
{
    QString standardsProblem;
    const OperationResult opened = CircuitFile::open(path, db, catalog, &standardsProblem);
    if (!opened) {
        err << "fibrolog-cli: " << opened.message() << '\n';
        return false;
    }
    if (!standardsProblem.isEmpty())
        err << "fibrolog-cli: " << standardsProblem << '\n';
    return true;
}

void loadSharedCatalogue(StandardsCatalog& catalog, QTextStream& err)
{
    const QString problem = CustomStandards::loadSharedStandards(catalog);
    if (!problem.isEmpty())
        err << "fibrolog-cli: " << problem << '\n';
}
