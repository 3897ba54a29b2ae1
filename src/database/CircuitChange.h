#pragma once

#include <vector>

// Indexes of the fiber cursor, held as sorted runs: the circuits one edit
// changed. A company's circuits lie in long runs of the sorted list, so a few
// runs say what a list of a hundred thousand indexes would.
class IndexRanges
{
public:
    struct Range
    {
        int first = 0;
        int end = 0; // one past the last index of the run

        bool operator==(const Range&) const = default;
    };

    IndexRanges() = default;
    // The indexes first .. end - 1.
    IndexRanges(int first, int end);

    // Adds `index`, which is greater than every index added before.
    void append(int index);
    // Follows the removal of the circuit at `index` from the list: it goes
    // from here if it was held, and every later index moves down by one.
    void removeShifting(int index);

    bool isEmpty() const { return ranges_.empty(); }
    // How many indexes are held.
    int count() const;
    bool contains(int index) const;
    // Whether any of the indexes first .. end - 1 is held.
    bool intersects(int first, int end) const;
    const std::vector<Range>& ranges() const { return ranges_; }

    bool operator==(const IndexRanges&) const = default;

private:
    std::vector<Range> ranges_;
};

// What one edit of the document changed: which circuits, and which of their
// values. A view that shows none of them has nothing to do, and one that does
// shows the changed values anew, nothing else.
struct CircuitChange
{
    enum Part : unsigned
    {
        CircuitId = 1u << 0,
        Link = 1u << 1,    // link ID and link comment
        Company = 1u << 2, // company name and telephone
    };

    IndexRanges circuits;
    unsigned parts = 0;

    bool changed(Part part) const { return (parts & part) != 0; }
};
