#pragma once

#include "app/OperationResult.h"

#include <QString>

class Database;
class StandardsCatalog;

// A test database opened to read its evaluated circuits, not to change them
// (an export, a printout): read-only, with a shared lock, so it works on a file
// the user may only read and beside other readers, and refuses a file another
// program is writing. The one place that says why a file cannot be read.
class CircuitFile
{
public:
    // Opens `path` into `db` and fills `catalogue` as the program has it for
    // that file (built-in, the file's custom standards, the shared standards
    // file). A shared standards file that cannot be read does not stop it; its
    // problem goes to `standardsProblem`.
    static OperationResult open(const QString& path, Database& db, StandardsCatalog& catalogue,
                                QString* standardsProblem);

    // Why the file at `path` cannot be used as a test database, in the words
    // the user should see: missing, in use, read-only, or not one of ours.
    static QString whyNotATestDatabase(const QString& path);
};
