#pragma once

#include <QString>

class CKAVStandardsSet2;
class Database;
class StandardsCatalog;

// Fills the catalogue's custom standards from the open test database and the
// shared standards file. Later sources replace entries of earlier ones with
// an equal key, so the shared file has the last word.

namespace CustomStandards {

// The shared standards file, as the window and the command line both find
// it: the file FIBROLOG_SHARED_STANDARDS names; else "shareddata.mdb" in the
// program's data folder ($XDG_DATA_HOME/fibrolog), where the Custom Standard
// Wizard creates it. Never one in the current folder.
QString sharedStandardsPath();

// Adds every row of the recordset (its filter cleared) to the catalogue.
void loadStandardsRows(StandardsCatalog& catalog, CKAVStandardsSet2& standards);

// Built-in table, then the test database's rows, then the shared file.
// Returns what could not be read and why (empty when all went well); the
// entries read stay.
QString reload(StandardsCatalog& catalog, CKAVStandardsSet2& standardsRecordset);

// The same for an open test database without recordsets of its own.
QString reload(StandardsCatalog& catalog, Database& testDatabase);

// Adds the shared file's rows, read read-only: a file the user may only
// read serves as well as the user's own. A missing file adds nothing and is
// no problem. A file that is there but cannot be read (no permission, not a
// database, another password, no Standards table) adds nothing (rows read
// before a failure stay) and is reported: the result is the sentence for the
// user, empty when all went well.
QString loadSharedStandards(StandardsCatalog& catalog);

// Opens a standards file, waiting a moment while another program holds it:
// a reader or a saver holds it only for the blink it takes. Read-only unless
// `forWriting`. Raises DatabaseException as Database::open does.
void openStandardsFile(Database& db, const QString& path, bool forWriting);

} // namespace CustomStandards
