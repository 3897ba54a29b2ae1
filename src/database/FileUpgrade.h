#pragma once

#include <QString>

class JobProgress;

// Brings a test database file of schema 1.x or 2.0 to the current schema in
// place, the way opening it does: the original is kept beside it with
// ".backup" appended, the work is done on copies in the temporary folder, and
// the file is replaced in one rename only when the conversion succeeded.
// Other programs saving or upgrading the same file wait for it.
struct FileUpgradeResult
{
    bool ok = false;
    float fromVersion = 0;
    QString backupPath;
    QString error; // the message for the user when !ok: why it was not upgraded
};

FileUpgradeResult upgradeFileInPlace(const QString& path);

// Replaces `target` (through any symbolic link, keeping its mode and owner)
// with a copy of `source`: the copy is written beside it and renamed over it,
// so the target is never half written, with the lock every saver takes.
bool replaceFileWithCopy(const QString& source, const QString& target, QString* error = nullptr);

// Who may read a copy: the owner alone (working copies, new databases), or
// whoever may read the source (a backup of the user's file).
enum class CopyMode
{
    OwnerOnly,
    LikeSource,
};

// Copies `source` to `target`, replacing an existing target; `error` gives
// the system's reason ("No space left on device"). `progress` hears of the
// bytes copied and may stop the copy, which then removes the target.
bool copyFileOver(const QString& source, const QString& target, QString* error = nullptr,
                  CopyMode mode = CopyMode::OwnerOnly, JobProgress* progress = nullptr);

// The ".backup" copy of a user's file kept before it is converted or upgraded.
bool writeBackup(const QString& path, QString* error = nullptr);
