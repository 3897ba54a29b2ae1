#pragma once

#include <QString>

class Database;
class FiberCursor;

// Fills `cursor` with the evaluated circuits of an open test database, as the
// document does when it shows one: the catalogue with the custom standards of
// the database and of the shared standards file, then the cursor. False, with
// the engine's description in `error`, when building the cursor stopped part
// way; a database error before that raises DatabaseException.
bool loadCircuits(Database& db, FiberCursor& cursor, QString* error = nullptr);
