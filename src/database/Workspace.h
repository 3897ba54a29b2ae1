#pragma once

#include "database/Database.h"

#include <memory>
#include <vector>

// The session with the database engine: it makes and opens databases and
// closes whatever is still open when it closes.
class Workspace
{
public:
    Workspace() = default;
    ~Workspace() { close(); }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    Database& openDatabase(const QString& path, bool exclusive, bool readOnly, const QString& connect);
    Database& createDatabase(const QString& path, const QString& locale, int options);
    // Closes and forgets one database of this workspace.
    void closeDatabase(Database& db);
    void close();

private:
    std::vector<std::unique_ptr<Database>> databases_;
};
