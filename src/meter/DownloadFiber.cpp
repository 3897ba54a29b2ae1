#include "meter/DownloadFiber.h"

#include <algorithm>
#include <bit>

std::optional<float> DownloadFiber::reading(int column) const
{
    if (column >= 0 && column < kInlineColumns) {
        if (inlinePresent_ & (1u << column))
            return inlinePowers_[static_cast<std::size_t>(column)];
        return std::nullopt;
    }
    const auto it = std::find_if(furtherReadings_.cbegin(), furtherReadings_.cend(),
                                 [column](const Reading& r) { return r.column == column; });
    if (it == furtherReadings_.cend())
        return std::nullopt;
    return it->power;
}

void DownloadFiber::setReading(int column, float power)
{
    if (column < 0)
        return;
    if (column < kInlineColumns) {
        inlinePowers_[static_cast<std::size_t>(column)] = power;
        inlinePresent_ |= static_cast<std::uint8_t>(1u << column);
        return;
    }
    const auto it = std::lower_bound(furtherReadings_.begin(), furtherReadings_.end(), column,
                                     [](const Reading& r, int c) { return r.column < c; });
    if (it != furtherReadings_.end() && it->column == column)
        it->power = power;
    else
        furtherReadings_.insert(it, Reading{column, power});
}

QList<DownloadFiber::Reading> DownloadFiber::readings() const
{
    QList<Reading> all;
    all.reserve(readingCount());
    for (int column = 0; column < kInlineColumns; ++column) {
        if (inlinePresent_ & (1u << column))
            all.append({column, inlinePowers_[static_cast<std::size_t>(column)]});
    }
    all.append(furtherReadings_);
    return all;
}

int DownloadFiber::readingCount() const
{
    return std::popcount(inlinePresent_) + static_cast<int>(furtherReadings_.size());
}
