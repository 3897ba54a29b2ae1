#include "report/ViewSummaryPages.h"

#include "database/CircuitChange.h"
#include "database/FiberCursor.h"
#include "report/SummaryPagination.h"

#include <algorithm>

bool SummaryPageColumns::holds(const QString& name) const
{
    return std::find(names_.begin(), names_.begin() + count_, name) != names_.begin() + count_;
}

bool SummaryPageColumns::take(const CircuitRecord& circuit)
{
    std::array<const QString*, kSlotCount> added{};
    int addedCount = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const QString& name = circuit.wavelengthNames[static_cast<std::size_t>(slot)];
        if (!circuit.isMeasured(slot) || holds(name))
            continue;
        const auto addedEnd = added.begin() + addedCount;
        if (std::find_if(added.begin(), addedEnd, [&](const QString* n) { return *n == name; }) == addedEnd)
            added[static_cast<std::size_t>(addedCount++)] = &name;
    }
    const int room = kMaxColumns - count_;
    if (addedCount > room) {
        if (taken_)
            return false;
        addedCount = room;
        overflowed_ = true;
    }
    for (int i = 0; i < addedCount; ++i)
        names_[static_cast<std::size_t>(count_++)] = *added[static_cast<std::size_t>(i)];
    taken_ = true;
    return true;
}

QStringList SummaryPageColumns::names() const
{
    return QStringList(names_.begin(), names_.begin() + count_);
}

int ViewSummaryPages::endOf(const FiberCursor& cursor, int start)
{
    if (start < 0 || start >= cursor.count())
        return start;
    const int limit = std::min(start + kMaxRows, cursor.count());
    SummaryPageColumns columns;
    int end = start;
    for (; end < limit; ++end) {
        const CircuitRecord& circuit = cursor.recordAt(end);
        if (end > start && SummaryPagination::startsGroup(cursor.recordAt(end - 1), circuit))
            break;
        if (!columns.take(circuit))
            break;
    }
    return end;
}

bool ViewSummaryPages::breaksMayMove(const FiberCursor& cursor, const CircuitChange& change)
{
    if (change.changed(CircuitChange::Link))
        return true;
    if (!change.changed(CircuitChange::Company))
        return false;
    const auto sameLink = [&cursor](int a, int b) {
        return a >= 0 && b < cursor.count() && cursor.recordAt(a).linkId == cursor.recordAt(b).linkId;
    };
    for (const IndexRanges::Range& run : change.circuits.ranges()) {
        if (sameLink(run.first - 1, run.first) || sameLink(run.end - 1, run.end))
            return true;
    }
    return false;
}

int ViewSummaryPages::lastPageStart(const FiberCursor& cursor, int floor, int groupEnd)
{
    SummaryPageColumns columns;
    int start = groupEnd;
    while (start > floor + 1 && groupEnd - start < kMaxRows) {
        if (!columns.take(cursor.recordAt(start - 1)))
            break;
        --start;
        // A circuit that alone needs more columns than there are is a page of its own.
        if (columns.overflowed())
            break;
    }
    return start;
}

void ViewSummaryPages::build(const FiberCursor& cursor)
{
    starts_.clear();
    int groupFirstPage = 0;
    for (int start = 0; start < cursor.count();) {
        const int end = endOf(cursor, start);
        const bool groupEnds = end == cursor.count() ||
                               SummaryPagination::startsGroup(cursor.recordAt(end - 1), cursor.recordAt(end));
        if (!groupEnds || end - start == kMaxRows || static_cast<int>(starts_.size()) == groupFirstPage) {
            starts_.push_back(start);
        } else {
            // The group's last page, short of ten: it shows the group's last
            // circuits instead, as many as fit after the page before it.
            starts_.push_back(lastPageStart(cursor, starts_.back(), end));
        }
        if (groupEnds)
            groupFirstPage = static_cast<int>(starts_.size());
        start = end;
    }
}

int ViewSummaryPages::pageOf(int index) const
{
    if (starts_.empty())
        return -1;
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), index);
    return after == starts_.begin() ? 0 : static_cast<int>(after - starts_.begin()) - 1;
}
