#pragma once

#include <QString>

// Names for the files a process makes beside the user's files and in the
// temporary folder. Each carries the process id ("<prefix><pid>-XXXXXX"), so
// that files left by a process that was killed can be told from files of one
// that still runs, and removed by the next one.
namespace ProcessFiles {

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
// with its SQLite journal). Returns how many were removed.
int removeLeftOvers(const QString& folder, const QString& prefix, const QStringList& suffixes);

} // namespace ProcessFiles
