#pragma once

#include "app/OperationResult.h"
#include "database/CircuitChange.h"
#include "database/CircuitRecord.h"

#include <QHash>

#include <vector>

class Database;
class JobProgress;
class StandardsCatalog;

// The evaluated circuits of a test database, one per Fiber row, sorted by
// link ID and circuit ID (newest test first), with a current position. The
// view pages through it and the reports print it; the view's edits are
// mirrored in it without building it again.
class FiberCursor
{
public:
    // Reads the Company, Site and Fiber tables once and evaluates every
    // fiber, reporting the fibers read to `progress`. A database error or a
    // cancel leaves the cursor empty and says why.
    OperationResult build(Database& db, const StandardsCatalog& catalogue, JobProgress* progress = nullptr);
    void clear();
    // Lets go of up to `count` circuits (the last ones), and of the list's
    // own memory with the last of them; true while circuits are left. A large
    // list is let go a slice at a time by a thread that must not wait long.
    bool releaseSome(int count);

    int count() const { return static_cast<int>(records_.size()); }
    bool isEmpty() const { return records_.empty(); }
    int position() const { return position_; }

    // Each returns whether it moved; at either end the position stays there.
    bool moveNext();
    bool movePrevious();

    CircuitRecord current() const;
    CircuitRecord at(int i) const;
    // No copy, for printing thousands of pages.
    const CircuitRecord& recordAt(int i) const { return records_.at(static_cast<std::size_t>(i)); }

    // Moves to `index`, clamped to the list; returns the position.
    int setPosition(int index);

    void replaceCurrent(const CircuitRecord& record);
    void removeCurrent();
    // Removes the circuit at `index`; the position stays on the circuit it
    // was on, or on the new last one when that one went.
    void removeAt(int index);
    // Puts `record` in at `index` (clamped), where a removed circuit was; the
    // position moves with the circuit it was on.
    void insertAt(int index, CircuitRecord record);
    // The user's edits, mirrored: the circuit ID of one circuit, the link ID
    // and comment of every circuit of a site, the name and telephone of every
    // circuit of a company. Each returns the indexes of the circuits changed.
    IndexRanges setCircuitId(int index, const QString& circuitId);
    IndexRanges setLink(const RecordId& site, const QString& linkId, const QString& comment);
    IndexRanges setCompany(const RecordId& company, const QString& name, const QString& telephone);

    // The sort order: link ID without regard to case, circuit ID as a number
    // when both are plain integers (else as text), then newest test and upload first.
    static bool sortsBefore(const CircuitRecord& a, const CircuitRecord& b);

private:
    void sortRecords();
    // Finds the runs of every site's and company's circuits.
    void indexRecords();

    std::vector<CircuitRecord> records_;
    int position_ = 0;
    // The runs of each site's and each company's circuits: an edit visits its
    // own circuits only, not every record of a hundred thousand.
    QHash<RecordId, IndexRanges> siteRuns_;
    QHash<RecordId, IndexRanges> companyRuns_;
};
