#pragma once

#include <QStringList>

#include <array>
#include <vector>

struct CircuitChange;
struct CircuitRecord;
class FiberCursor;

// The wavelength columns of one Summary page: the distinct names of its
// circuits' measured slots, at most four.
class SummaryPageColumns
{
public:
    static constexpr int kMaxColumns = 4;

    // Adds the circuit's names when they fit beside those taken before. The
    // first circuit of a page always belongs to it: one measured at five
    // wavelengths gets its first four, rather than a page that could never
    // show it; `overflowed()` then says so.
    bool take(const CircuitRecord& circuit);
    bool overflowed() const { return overflowed_; }
    // In the order they were taken.
    QStringList names() const;

private:
    bool holds(const QString& name) const;

    // Fixed room rather than a list: the whole file is paged this way after
    // an edit of a link, and that must take no allocation per circuit.
    std::array<QString, kMaxColumns> names_;
    int count_ = 0;
    bool taken_ = false;
    bool overflowed_ = false;
};

// How the view's Summary layout falls into pages, as the printed summary
// does: a page holds the circuits of one link and one company, never more
// than ten, and ends before a circuit that would need a fifth wavelength
// column. A group's pages run from its first circuit on, except its last page,
// which shows the group's last circuits, as many as fit: it is full whenever
// the group has circuits enough, and may then repeat rows of the page before.
class ViewSummaryPages
{
public:
    static constexpr int kMaxRows = 10;

    void build(const FiberCursor& cursor);
    void clear() { starts_.clear(); }

    int count() const { return static_cast<int>(starts_.size()); }
    bool isEmpty() const { return starts_.empty(); }
    // The cursor index of the page's first circuit.
    int start(int page) const { return starts_.at(static_cast<std::size_t>(page)); }
    // The page shown for circuit `index`: the last one starting at or before
    // it, which holds it. -1 without pages.
    int pageOf(int index) const;

    // The end (one past the last circuit) of the page that starts at `start`.
    static int endOf(const FiberCursor& cursor, int start);
    // Whether an edit may have moved where pages break: a link renamed, or a
    // company renamed whose circuits border circuits of the same link ID.
    // Within a run of changed circuits nothing moves: they all changed alike.
    static bool breaksMayMove(const FiberCursor& cursor, const CircuitChange& change);

private:
    // The first circuit of the fullest page that ends at `groupEnd` and starts after `floor`.
    static int lastPageStart(const FiberCursor& cursor, int floor, int groupEnd);

    std::vector<int> starts_;
};
