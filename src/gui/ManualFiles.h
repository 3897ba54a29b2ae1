#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The PDF manuals of the Help menu: which file each command opens and where
// the program looks for it (the installed documentation folder, the
// program's folder, the current folder).
namespace ManualFiles {

// The file a Help > Manuals command opens; empty for another command.
QString fileFor(int commandId);

// The folders searched, in order.
QStringList folders();

// The first folder's copy of `file`, if any folder has it.
std::optional<QString> find(const QString& file, const QStringList& folders);

} // namespace ManualFiles
