#pragma once

#include <QString>

class PgConnection;

// The tables of the team server and their version. Version 1 holds
// organisations, links (with who published them and when), fibers with
// their readings, custom standards and a log of publications, in real types
// (uuid, timestamp, numeric) rather than the test database's texts.
namespace ServerSchema {

constexpr int kCurrentVersion = 1;

// What server-init did.
struct InitOutcome
{
    int fromVersion = 0; // 0: there was no schema
    int toVersion = 0;
};

// Creates the schema, or upgrades an older one, in one transaction: a
// failure leaves the server as it was. Running it again changes nothing. A
// newer schema is refused (ServerError).
InitOutcome initialise(PgConnection& connection);

// The schema's version, 0 when there is none.
int version(PgConnection& connection);

// Refuses (ServerError, one line) a server without the schema or with one of
// another version than this program's.
void requireCurrent(PgConnection& connection);

} // namespace ServerSchema
