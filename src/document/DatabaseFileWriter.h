#pragma once

#include <QString>

class Database;

// Writes the working database into the file the user saves to, whole or not
// at all: the new file is built beside the target and renamed over it, so a
// failure at any point (a full disk, a database error) leaves the target as it was.
class DatabaseFileWriter
{
public:
    enum class TargetState
    {
        TestDatabase,
        NotTestDatabase,
        InUse
    };

    // What an existing target is; `description` says why it is not usable.
    static TargetState inspect(const QString& target, QString* description);

    // The target becomes a copy of the working database.
    static bool writeCopy(const QString& workingPath, const QString& target, QString* error);

    // The working database's rows are added to the target's, in one
    // transaction; a row already in the target (same identity) is replaced by
    // the working database's version. A schema 2.0 target is upgraded on the way.
    static bool mergeInto(Database& working, const QString& target, QString* error);
};
