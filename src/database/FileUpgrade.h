#pragma once

#include "app/OperationResult.h"

#include <QString>

#include <functional>

class JobProgress;

// Brings a test database file of schema 1.x or 2.0 to the current schema in
// place, the way opening it does: the original is kept beside it with
// ".backup" appended, the work is done on copies in the temporary folder, and
// the file is replaced in one rename only when the conversion succeeded.
// Other programs saving or upgrading the same file wait for it.
struct FileUpgradeResult
{
    bool ok = false;
    bool cancelled = false; // the user stopped it: the file is as it was
    float fromVersion = 0;
    QString backupPath;
    QString error; // the message for the user when !ok: why it was not upgraded
};

// What is done with the converted file before it replaces the user's (the
// window opens it): a result that is not a success leaves the file as it
// was, with no backup, and becomes the upgrade's result.
using BeforeReplacing = std::function<OperationResult(const QString& converted)>;

// `progress` may stop the upgrade until the converted file is ready, which
// leaves the file as it was; the backup and the replacement that follow are
// not stopped.
FileUpgradeResult upgradeFileInPlace(const QString& path, JobProgress* progress = nullptr,
                                     const BeforeReplacing& beforeReplacing = {});

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
// bytes copied, under `label` ("Saving" when empty), and may stop the copy,
// which then removes the target.
bool copyFileOver(const QString& source, const QString& target, QString* error = nullptr,
                  CopyMode mode = CopyMode::OwnerOnly, JobProgress* progress = nullptr,
                  const QString& label = QString());

// The ".backup" copy of a user's file kept before it is converted or upgraded.
bool writeBackup(const QString& path, QString* error = nullptr);
