#include "standards/RecordId.h"

#include <QUuid>

#include <algorithm>
#include <cstring>

namespace {

const QString kPrefix = QStringLiteral("{guid {");
const QString kSuffix = QStringLiteral("}}");
constexpr int kGuidTextLength = 36;

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

} // namespace

RecordId recordIdFromGuid(const Guid& guid)
{
    // Written by hand: every GUID of every row read goes through here.
    static const char hex[] = "0123456789abcdef";
    QString text(kRecordIdLength, Qt::Uninitialized);
    QChar* out = text.data();
    for (QChar c : kPrefix)
        *out++ = c;
    for (std::size_t i = 0; i < guid.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            *out++ = QLatin1Char('-');
        *out++ = QLatin1Char(hex[guid[i] >> 4]);
        *out++ = QLatin1Char(hex[guid[i] & 0xF]);
    }
    *out++ = QLatin1Char('}');
    *out = QLatin1Char('}');
    return text;
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
    // 8-4-4-4-12 hexadecimal digits; anything else gives the zero GUID.
    const QStringView digits = text.mid(kPrefix.size(), kGuidTextLength);
    Guid parsed{};
    std::size_t byte = 0;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (digits[i] != QLatin1Char('-'))
                return guid;
            continue;
        }
        const int value = hexValue(digits[i]);
        if (value < 0)
            return guid;
        parsed[byte / 2] = static_cast<std::uint8_t>(parsed[byte / 2] << 4 | value);
        ++byte;
    }
    return parsed;
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
