#pragma once

#include "database/TargetFile.h"

#include <QString>

class Database;
class JobProgress;

// Writes the working database into the file the user saves to, whole or not
// at all: the new file is built beside the target and renamed over it, so a
// failure at any point (a full disk, a database error, a signal) leaves the
// target as it was. The target is the real file behind any symbolic link and
// keeps its mode and owner; while it is written, every other program saving
// or upgrading it waits.
class DatabaseFileWriter
{
public:
    enum class TargetState
    {
        Absent,
        TestDatabase,
        NotTestDatabase,
        InUse,
    };

    // What a merge did besides adding rows.
    struct MergeReport
    {
        int replacedLinks = 0; // links of the target that the saved data measured again
        QString backupPath;    // the ".backup" of a target that had to be upgraded
    };

    explicit DatabaseFileWriter(const QString& target);

    const QString& targetPath() const { return target_.path(); }
    bool targetExists() const { return target_.exists(); }
    // The rule every program replacing a file follows; see TargetFile.
    bool targetIsReadOnly() const { return target_.isReadOnly(); }

    // Refuses a target that may not be replaced (see TargetFile), then waits
    // for other savers, no longer once `progress` is cancelled.
    bool prepare(QString* error, JobProgress* progress = nullptr);

    // What the target is; `description` says why it is not usable.
    TargetState inspect(QString* description);

    // The target becomes a copy of the working database. `progress` hears of
    // the work and may stop it: the target then stays as it was.
    bool writeCopy(const QString& workingPath, QString* error, JobProgress* progress = nullptr);

    // The working database's rows are added to the target's, in one
    // transaction. A row already in the target (same identity) is replaced by
    // the working database's version, and so is a link measured again: one
    // with the same name, test date and meter serial number, whose circuits
    // are replaced rather than added twice. A schema 2.0 target is upgraded
    // on the way and kept as ".backup".
    bool mergeInto(Database& working, QString* error, MergeReport* report = nullptr,
                   JobProgress* progress = nullptr);

private:
    TargetFile target_;
};
