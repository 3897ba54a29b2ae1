#pragma once

#include "database/CircuitChange.h"
#include "standards/RecordId.h"
#include "standards/VerdictCell.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

class FiberCursor;

// What the circuit browser knows of every circuit of the document, in compact
// arrays indexed as the document's circuit list (FiberCursor) is: the link
// and company of each, its test date, and per measured wavelength the optical
// loss, the overhead and the verdict. It is read once when the circuits are
// built and kept up to date by the document's edits and deletes, so that a
// sort orders an index vector by a precomputed key and a filter scans these
// arrays, and neither reads a circuit's record. The table shows the rows of
// the current branch (all, a company, a link) that pass the verdict and text
// filters, in the current order; the tree shows the companies and links with
// their counts.
class CircuitBrowserIndex
{
public:
    enum class VerdictFilter
    {
        All,
        Failing, // a wavelength failed
        Notes,   // a wavelength has a note instead of a verdict
    };

    // The fixed columns; after them three per wavelength (wavelengthColumn()).
    enum Column : int
    {
        LinkColumn = 0,
        CircuitColumn = 1,
        TestDateColumn = 2,
        FirstWavelengthColumn = 3,
    };
    enum class WavelengthValue
    {
        OpticalLoss = 0,
        Overhead = 1,
        Verdict = 2,
    };
    static constexpr int kColumnsPerWavelength = 3;

    struct Company
    {
        RecordId id;
        QString name;
        QString folded; // for the text filter
        int circuits = 0;
        int failing = 0;
    };
    struct Link
    {
        RecordId id; // the site's
        int company = -1;
        QString name;
        QString folded;
        int circuits = 0;
        int failing = 0;
    };
    struct Branch
    {
        enum Kind
        {
            All,
            Company,
            Link,
        } kind = All;
        int index = -1; // of the company or link

        bool operator==(const Branch&) const = default;
    };

    CircuitBrowserIndex();
    ~CircuitBrowserIndex();

    // Reads every circuit of `cursor` anew; the branch goes back to All, the
    // filters and the order stay.
    void rebuild(const FiberCursor& cursor);
    // The same in steps, for a list too long to read while the user waits:
    // startReading() forgets what was read, and each readFor() reads on for
    // about `budgetMs` (all of it when negative) and says whether it is done.
    // The list must not change between the steps; until the reading is done
    // nothing is shown.
    void startReading(const FiberCursor& cursor);
    bool readFor(const FiberCursor& cursor, qint64 budgetMs);
    bool isReading() const { return reading_ != nullptr; }
    // An edit of the document: the changed circuits' values are read again.
    // Returns whether the rows shown changed (order or membership), not only
    // their texts.
    bool applyChange(const FiberCursor& cursor, const CircuitChange& change);
    // Whether applyChange() may change which rows are shown or their order:
    // it sorts or filters by a value the change touches.
    bool mayMoveRows(const CircuitChange& change) const;
    // The circuit at `index` went from the document's list; later indexes
    // move down by one. Returns the row it had, -1 when it was not shown.
    int remove(int index);

    int circuitCount() const { return static_cast<int>(link_.size()); }
    int failingCount() const { return failingTotal_; }
    const std::vector<Company>& companies() const { return companies_; }
    const std::vector<Link>& links() const { return links_; }
    const QStringList& wavelengths() const { return wavelengths_; }
    int columnCount() const
    {
        return FirstWavelengthColumn + kColumnsPerWavelength * int(wavelengths_.size());
    }
    static int wavelengthColumn(int wavelength, WavelengthValue value)
    {
        return FirstWavelengthColumn + kColumnsPerWavelength * wavelength + int(value);
    }
    // Whether any circuit of the branch was measured at `wavelength`.
    bool branchHasWavelength(int wavelength) const;

    // The rows shown: indexes into the document's circuit list.
    int rowCount() const { return static_cast<int>(shown_.size()); }
    int circuitAt(int row) const { return shown_.at(static_cast<std::size_t>(row)); }
    // The row of the circuit at `index`, -1 when it is not shown.
    int rowOf(int index) const;
    // The slot of the circuit at `index` measured at `wavelength`, -1 when none.
    int slotAt(int index, int wavelength) const;
    VerdictCell verdictAt(int index, int wavelength) const;

    void setBranch(Branch branch);
    Branch branch() const { return branch_; }
    void setVerdictFilter(VerdictFilter filter);
    VerdictFilter verdictFilter() const { return verdictFilter_; }
    // Circuits whose link, circuit ID or company holds `text`, in any case.
    void setText(const QString& text);
    void sortBy(int column, bool ascending);
    int sortColumn() const { return sortColumn_; }
    bool sortAscending() const { return ascending_; }

private:
    enum Flag : std::uint8_t
    {
        HasFail = 1u << 0,
        HasNote = 1u << 1,
    };

    struct Reading;

    void readCircuitId(const QString& circuitId, int index);
    void countCircuit(int index, int delta);
    // The order of every circuit by the sort column, then the rows shown.
    void sortAll();
    void filter();
    void findBranchWavelengths();
    void rankLinks();

    // Per circuit.
    std::vector<int> link_;
    std::vector<std::int64_t> testDate_; // ms since the epoch; the lowest for none
    std::vector<std::uint8_t> flags_;
    std::vector<QString> circuitFolded_;
    std::vector<std::int64_t> circuitNumber_; // -1 when the circuit ID is not a plain number
    // Per circuit and slot (circuit * kSlotCount + slot).
    std::vector<int> column_; // the slot's wavelength, -1 when it was not measured
    std::vector<std::int8_t> verdict_;
    std::vector<float> loss_;     // NaN where the view shows none
    std::vector<float> overhead_; // NaN where the view shows none

    std::vector<Company> companies_;
    std::vector<Link> links_;
    std::vector<int> linkRank_; // links in the order of their names, equal names equal
    QStringList wavelengths_;
    std::vector<bool> branchWavelengths_;
    int failingTotal_ = 0;

    std::unique_ptr<Reading> reading_;
    Branch branch_;
    VerdictFilter verdictFilter_ = VerdictFilter::All;
    QString text_; // case-folded
    int sortColumn_ = LinkColumn;
    bool ascending_ = true;
    std::vector<int> order_;        // every circuit, sorted
    std::vector<int> shown_;        // the rows
    std::vector<int> rowOfCircuit_; // the row of each circuit, -1 when not shown
};
