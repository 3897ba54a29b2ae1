#include "meter/CorvinaDownload.h"

#include <algorithm>

std::optional<QString> CorvinaDownload::meterSerial() const
{
    // An empty field names no serial number either.
    if (!hasHeader || serialNumber == kNoSerial || serialNumber.isEmpty())
        return std::nullopt;
    return serialNumber;
}

std::optional<QString> CorvinaDownload::meterVersion() const
{
    if (!hasHeader || versionText.isEmpty())
        return std::nullopt;
    return versionText;
}

int CorvinaDownload::fiberCount() const
{
    qsizetype longest = 0;
    for (const CorvinaSlot& slot : slots)
        longest = std::max(longest, slot.readings.size());
    return static_cast<int>(longest);
}
