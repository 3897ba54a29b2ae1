#pragma once

#include <QString>
#include <QStringList>

// Names for the files a process makes beside the user's files and in the
// temporary folder. Each carries the process id ("<prefix><pid>-XXXXXX"), so
// that files left by a process that was killed can be told from files of one
// that still runs, and removed by the next one.
namespace ProcessFiles {

// What is built beside a user's file: an output being written
// (".fibrolog-<pid>-XXXXXX.part") and a save or upgrade being built
// (".fibrolog-<pid>-XXXXXX.saving").
inline const QString kSiblingPrefix = QStringLiteral(".fibrolog-");
inline const QString kPartialOutputSuffix = QStringLiteral(".part");
inline const QString kSavingSuffix = QStringLiteral(".saving");
// The runtime folder a command that draws makes when the session has none.
inline const QString kRuntimeFolderPrefix = QStringLiteral("fibrolog-runtime-");

// "<prefix><pid>-XXXXXX<suffix>", for QTemporaryFile's template.
QString nameTemplate(const QString& prefix, const QString& suffix);

// A new file "<prefix><pid>-<random><suffix>" in `folder`, registered for
// removal on a signal before it exists, so that no moment leaves it behind.
// With `create` it is made empty and owner-only (O_EXCL); without, the name
// is only chosen (for a database engine that makes the file itself). Empty,
// with the system's reason in `error` ("Permission denied"), on failure.
QString newRegisteredFile(const QString& folder, const QString& prefix, const QString& suffix, bool create,
                          QString* error = nullptr);

// The process id in a name made from `prefix`, or 0 when it has none.
long ownerOf(const QString& fileName, const QString& prefix);

// True when the name carries the id of a process that no longer runs.
bool isLeftOver(const QString& fileName, const QString& prefix);

// Removes the files in `folder` whose names start with `prefix`, carry the id
// of a process that no longer runs and end with one of `suffixes` (each also
// with its SQLite journal), and that belong to the user: another user's are
// theirs to remove, and on a shared network folder a process id says nothing
// about a process on another machine. Returns how many were removed.
int removeLeftOvers(const QString& folder, const QString& prefix, const QStringList& suffixes);

// The same for the user's folders "<prefix><pid>-XXXXXX" in `folder`, with
// what they hold.
int removeLeftOverFolders(const QString& folder, const QString& prefix);

// What runs of the program that were killed (SIGKILL, a power cut) left
// behind, wherever it is: runtime and conversion folders in the temporary
// folder, and the outputs and saves they were building beside the user's
// files (see UnfinishedOutputNote). Every program calls it as it starts.
void removeWhatKilledRunsLeft();

} // namespace ProcessFiles
