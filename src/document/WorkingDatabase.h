#pragma once

#include "app/OperationResult.h"
#include "database/FiberCursor.h"
#include "standards/StandardsCatalog.h"

#include <QString>
#include <QTimer>

#include <deque>
#include <future>
#include <memory>
#include <vector>

class CKAVCompanySet2;
class CKAVFiberSet2;
class CKAVSiteSet2_1;
class CKAVStandardsSet2;
class Database;
class JobProgress;

// A working database opened with everything the document shows of it: its
// recordsets, the catalogue with its custom standards, and its evaluated,
// sorted circuits. It is built whole on a worker thread, away from the
// document, which goes on showing what it had; the document then takes it
// over on its own thread in one step. Nothing in it is shared with anything
// else until then.
class WorkingDatabase
{
public:
    WorkingDatabase();
    ~WorkingDatabase();
    WorkingDatabase(const WorkingDatabase&) = delete;
    WorkingDatabase& operator=(const WorkingDatabase&) = delete;

    // Opens the working file at `path` and builds the rest. `progress` hears
    // of the circuits read and may stop the work; a failure or a cancel
    // leaves this empty (the file stays, for its owner to remove).
    OperationResult open(const QString& path, JobProgress& progress);
    // Closes the database and lets everything go.
    void close();

    // The database goes last: the recordsets use it until they go.
    QString path;
    std::unique_ptr<Database> database;
    std::unique_ptr<CKAVFiberSet2> fibers;
    std::unique_ptr<CKAVCompanySet2> companies;
    std::unique_ptr<CKAVSiteSet2_1> sites;
    std::unique_ptr<CKAVStandardsSet2> standards;
    StandardsCatalog catalog;
    // What could not be read of the custom standards, of the circuits; empty when all was.
    QString standardsProblem;
    QString circuitsProblem;
    FiberCursor circuits;
};

// Lets working databases go without keeping the window waiting: closing a
// large one takes longer than the window may wait, and goes on a thread of
// its own; its circuits go on the document's thread, a slice at each turn
// of its event loop. Freed on another thread, the memory of a hundred
// thousand circuits held up the window's own allocations for up to a tenth
// of a second. Whatever is left goes when the disposal goes itself.
class WorkingDatabaseDisposal
{
public:
    WorkingDatabaseDisposal();
    ~WorkingDatabaseDisposal();
    WorkingDatabaseDisposal(const WorkingDatabaseDisposal&) = delete;
    WorkingDatabaseDisposal& operator=(const WorkingDatabaseDisposal&) = delete;

    void dispose(std::unique_ptr<WorkingDatabase> working);

private:
    void releaseSlice();

    std::vector<std::future<void>> pending_;
    std::deque<FiberCursor> circuits_;
    QTimer slices_;
};
