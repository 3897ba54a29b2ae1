#include "database/LoadCircuits.h"

#include "database/CKAVCompanySet2.h"
#include "database/CKAVFiberSet2.h"
#include "database/CKAVSiteSet2_1.h"
#include "database/CKAVStandardsSet2.h"
#include "database/CustomStandardsLoader.h"
#include "database/FiberCursor.h"
#include "standards/StandardsCatalog.h"

bool loadCircuits(Database& db, FiberCursor& cursor)
{
    CKAVCompanySet2 companies(db);
    CKAVSiteSet2_1 sites(db);
    CKAVFiberSet2 fibers(db);
    CKAVStandardsSet2 standards(db);
    companies.open();
    sites.open();
    fibers.open();
    standards.open();
    StandardsCatalog catalogue;
    reload(catalogue, standards);
    return cursor.build(companies, sites, fibers, catalogue);
}
