#pragma once

#include <QString>
#include <QTextStream>

class Database;
class StandardsCatalog;

// Opens a test database of the current schema for reading, through the
// engine and its locking (a file another program holds is "in use", never
// read behind its back). False, with the reason written to `err`, when it
// cannot be used.
bool openCurrentTestDatabase(const QString& path, Database& db, QTextStream& err);

// The catalogue as the program has it once a file is open: the built-in
// standards, the custom standards of `db` (when given) and those of the
// shared standards file. A shared file that cannot be read costs one line on `err`.
void loadCatalogue(StandardsCatalog& catalog, Database* db, QTextStream& err);
