#include "server/ServerInfo.h"

#include "server/PgConnection.h"
#include "server/ServerSchema.h"

ServerCounts readServerCounts(PgConnection& server)
{
    ServerSchema::requireCurrent(server);
    const PgResult row = server.execute(
        "SELECT (SELECT count(*) FROM organisations), (SELECT count(*) FROM links), "
        "(SELECT count(*) FROM fibers), (SELECT count(DISTINCT custom_standard_id) FROM custom_standards)");
    ServerCounts counts;
    counts.schema = ServerSchema::kCurrentVersion;
    counts.organisations = row.integer(0, 0);
    counts.links = row.integer(0, 1);
    counts.fibers = row.integer(0, 2);
    counts.customStandards = row.integer(0, 3);
    return counts;
}
