#pragma once

#include "database/CircuitRecord.h"

#include <QString>

#include <functional>

class Database;
class StandardsCatalog;

// Every evaluated circuit of a test database, in the fiber cursor's order,
// without holding them all: the circuits are built one link ID at a time
// (the sites of that ID and their fibers), so an export of any size needs
// the memory of its largest link, not of the whole file.
class CircuitStream
{
public:
    // Returns false to stop early.
    using Visitor = std::function<bool(const CircuitRecord&)>;

    // Asked now and then while a link's circuits are built; true stops.
    using StopCheck = std::function<bool()>;

    // False when a database error stopped it, with the engine's description
    // in `error`; true when every circuit was visited, or the visitor or the
    // stop check stopped it.
    static bool forEach(Database& db, const StandardsCatalog& catalogue, const Visitor& visit,
                        QString* error = nullptr, const StopCheck& stopped = {});
};
