#include "database/CircuitChange.h"

#include <algorithm>

IndexRanges::IndexRanges(int first, int end)
{
    if (first < end)
        ranges_.push_back({first, end});
}

void IndexRanges::append(int index)
{
    if (!ranges_.empty() && ranges_.back().end == index)
        ++ranges_.back().end;
    else
        ranges_.push_back({index, index + 1});
}

void IndexRanges::removeShifting(int index)
{
    for (Range& range : ranges_) {
        if (range.first > index)
            --range.first;
        if (range.end > index)
            --range.end;
    }
    // Drop runs that emptied and join runs that now touch.
    std::vector<Range> joined;
    for (const Range& range : ranges_) {
        if (range.first == range.end)
            continue;
        if (!joined.empty() && joined.back().end == range.first)
            joined.back().end = range.end;
        else
            joined.push_back(range);
    }
    ranges_ = std::move(joined);
}

int IndexRanges::count() const
{
    int total = 0;
    for (const Range& range : ranges_)
        total += range.end - range.first;
    return total;
}

bool IndexRanges::contains(int index) const
{
    return intersects(index, index + 1);
}

bool IndexRanges::intersects(int first, int end) const
{
    if (first >= end)
        return false;
    // The first run that ends after `first`; it holds an index below `end`
    // when it starts before it.
    const auto run = std::upper_bound(ranges_.begin(), ranges_.end(), first,
                                      [](int index, const Range& range) { return index < range.end; });
    return run != ranges_.end() && run->first < end;
}
