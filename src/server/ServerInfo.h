#pragma once

class PgConnection;

// What the team server holds.
struct ServerCounts
{
    int schema = 0;
    long long organisations = 0;
    long long links = 0;
    long long fibers = 0;
    long long customStandards = 0; // distinct custom standards, not their rows
};

// Counts in one snapshot. Throws ServerError, also for a server without the
// schema or with one of another version.
ServerCounts readServerCounts(PgConnection& server);
