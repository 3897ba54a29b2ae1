#pragma once

#include <QString>

// Brings a test database file of schema 1.x or 2.0 to the current schema in
// place, the way opening it does: the original is kept beside it with
// ".backup" appended, the work is done on copies in the temporary folder, and
// the file is replaced in one rename only when the conversion succeeded.
struct FileUpgradeResult
{
    bool ok = false;
    float fromVersion = 0;
    QString backupPath;
    QString error; // the message for the user when !ok
};

FileUpgradeResult upgradeFileInPlace(const QString& path);

// Replaces `target` with a copy of `source` by writing a sibling file and
// renaming it over the target, so the target is never half written.
bool replaceFileWithCopy(const QString& source, const QString& target);

// Copies `source` to `target`, replacing an existing target.
bool copyFileOver(const QString& source, const QString& target);
