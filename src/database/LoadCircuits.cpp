#include "database/LoadCircuits.h"

#include "database/CustomStandardsLoader.h"
#include "database/FiberCursor.h"
#include "standards/StandardsCatalog.h"

bool loadCircuits(Database& db, FiberCursor& cursor, QString* error)
{
    StandardsCatalog catalogue;
    CustomStandards::reload(catalogue, db);
    const OperationResult built = cursor.build(db, catalogue);
    if (!built && error)
        *error = built.message();
    return built.ok();
}
