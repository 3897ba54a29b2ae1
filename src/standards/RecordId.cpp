#include "standards/RecordId.h"

#include <QUuid>

#include <algorithm>
#include <cstring>

namespace {

const QString kPrefix = QStringLiteral("{guid {");
const QString kSuffix = QStringLiteral("}}");
constexpr int kGuidTextLength = 36;

} // namespace

RecordId recordIdFromGuid(const Guid& guid)
{
    QByteArray bytes(reinterpret_cast<const char*>(guid.data()), static_cast<qsizetype>(guid.size()));
    const QUuid uuid = QUuid::fromRfc4122(bytes);
    return kPrefix + uuid.toString(QUuid::WithoutBraces).toLower() + kSuffix;
}

RecordId newRecordId()
{
    const QByteArray bytes = QUuid::createUuid().toRfc4122();
    Guid guid{};
    std::memcpy(guid.data(), bytes.constData(), guid.size());
    return recordIdFromGuid(guid);
}

Guid guidFromRecordId(QStringView text)
{
    Guid guid{};
    if (text.size() != kRecordIdLength)
        return guid;
    const QUuid uuid = QUuid::fromString(text.mid(kPrefix.size(), kGuidTextLength));
    const QByteArray bytes = uuid.toRfc4122();
    std::memcpy(guid.data(), bytes.constData(), guid.size());
    return guid;
}

bool isNullGuid(const Guid& guid)
{
    return std::all_of(guid.begin(), guid.end(), [](std::uint8_t b) { return b == 0; });
}

std::uint16_t guidHash(const Guid& guid)
{
    // FNV-1a over the 16 bytes, folded to 16 bits.
    std::uint32_t h = 2166136261u;
    for (std::uint8_t b : guid) {
        h ^= b;
        h *= 16777619u;
    }
    return static_cast<std::uint16_t>((h >> 16) ^ (h & 0xFFFFu));
}
