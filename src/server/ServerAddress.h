#pragma once

#include <QString>

// Where the team server is: the --server value, else FIBROLOG_SERVER. A
// libpq connection string ("host=... dbname=...", "service=NAME") or URI
// ("postgresql://user@host/db"). A password is never taken from there: it
// would sit in the shell's history, the process list and the settings file,
// so libpq's own means (~/.pgpass, PGPASSFILE, a service file) give it.
class ServerAddress
{
public:
    // The address to use, or empty with `error` saying why there is none or
    // why it is refused.
    static QString resolve(const QString& given, QString* error);
};
