#pragma once

#include <QString>
#include <QTextStream>

class Database;
class StandardsCatalog;

// Opens a test database to read its circuits (read-only, shared lock) with
// the catalogue as the program has it for that file. False, with the reason
// written to `err`, when it cannot be used; a shared standards file that
// cannot be read costs one line on `err` and stops nothing.
bool openCircuitFile(const QString& path, Database& db, StandardsCatalog& catalog, QTextStream& err);

// The catalogue without a test database: built-in and the shared standards file.
void loadSharedCatalogue(StandardsCatalog& catalog, QTextStream& err);
