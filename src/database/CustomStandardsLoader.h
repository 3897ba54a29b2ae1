#pragma once

#include <QString>

class CKAVStandardsSet2;
class StandardsCatalog;

// Fills the catalogue's custom standards from the open test database and the
// shared standards file. Later sources replace entries of earlier ones with
// an equal key, so the shared file has the last word.

// The shared standards file: "shareddata.mdb" in the working folder, or the
// file named by FIBROLOG_SHARED_STANDARDS.
QString sharedStandardsPath();

// Adds every row of the recordset (its filter cleared) to the catalogue.
void loadStandardsRows(StandardsCatalog& catalog, CKAVStandardsSet2& standards);

// Built-in table, then the test database's rows, then the shared file.
void reload(StandardsCatalog& catalog, CKAVStandardsSet2& standardsRecordset);

// Adds the shared file's rows. A file that is missing, cannot be opened, has
// another password or no Standards table adds nothing and shows nothing;
// rows read before a failure stay.
void loadSharedStandards(StandardsCatalog& catalog);
