#include "server/CopyBinary.h"

#include <QVarLengthArray>
#include <QtEndian>

#include <algorithm>
#include <string>

namespace {

// numeric's binary form (PostgreSQL's numeric_send): the count of base
// 10000 digits, the weight of the first, the sign, the display scale, then
// the digits, all 16-bit big-endian.
constexpr quint16 kPositive = 0x0000;
constexpr quint16 kNegative = 0x4000;
constexpr quint16 kNaN = 0xC000;
constexpr quint16 kPlusInfinity = 0xD000;
constexpr quint16 kMinusInfinity = 0xF000;
constexpr int kDigitPowers = 4; // each base 10000 digit holds four decimal ones
// numeric's own limit of decimals after the point.
constexpr int kMaxScale = 0x3FFF;

void appendUInt16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToBigEndian(value, bytes);
    out.append(bytes, 2);
}

void appendInt32(QByteArray& out, qint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void appendSpecial(QByteArray& out, quint16 sign)
{
    appendInt32(out, 8);
    appendUInt16(out, 0); // digits
    appendUInt16(out, 0); // weight
    appendUInt16(out, sign);
    appendUInt16(out, 0); // scale
}

int floorDiv(int value, int by)
{
    return value >= 0 ? value / by : -((-value + by - 1) / by);
}

} // namespace

namespace CopyBinary {

void appendHeader(QByteArray& out)
{
    out.append("PGCOPY\n\377\r\n\0", 11);
    appendInt32(out, 0); // flags: no OIDs
    appendInt32(out, 0); // no header extension
}

void appendTrailer(QByteArray& out)
{
    appendUInt16(out, 0xFFFF);
}

void appendFieldCount(QByteArray& out, int fields)
{
    appendUInt16(out, static_cast<quint16>(fields));
}

void appendNull(QByteArray& out)
{
    appendInt32(out, -1);
}

void appendBytes(QByteArray& out, const QByteArray& bytes)
{
    appendInt32(out, static_cast<qint32>(bytes.size()));
    out += bytes;
}

void appendInt16(QByteArray& out, qint16 value)
{
    appendInt32(out, 2);
    appendUInt16(out, static_cast<quint16>(value));
}

bool appendNumeric(QByteArray& out, QByteArrayView decimal)
{
    if (decimal == "NaN") {
        appendSpecial(out, kNaN);
        return true;
    }
    if (decimal == "Infinity") {
        appendSpecial(out, kPlusInfinity);
        return true;
    }
    if (decimal == "-Infinity") {
        appendSpecial(out, kMinusInfinity);
        return true;
    }

    // As numeric_in reads it: a sign, digits with at most one point, an
    // exponent. The value is digits x 10^(exponent - decimals after the point).
    const char* at = decimal.constData();
    const char* const end = at + decimal.size();
    bool negative = false;
    if (at < end && (*at == '-' || *at == '+'))
        negative = *at++ == '-';
    std::string digits;
    int afterPoint = 0;
    bool point = false;
    for (; at < end && ((*at >= '0' && *at <= '9') || (*at == '.' && !point)); ++at) {
        if (*at == '.') {
            point = true;
            continue;
        }
        digits += *at;
        if (point)
            ++afterPoint;
    }
    // Nothing this program sends comes near numeric's limits; text that
    // does is refused rather than weighed.
    if (digits.empty() || digits.size() > 1000)
        return false;
    long exponent = 0;
    if (at < end && (*at == 'e' || *at == 'E')) {
        ++at;
        bool negativeExponent = false;
        if (at < end && (*at == '-' || *at == '+'))
            negativeExponent = *at++ == '-';
        if (at == end)
            return false;
        for (; at < end && *at >= '0' && *at <= '9'; ++at) {
            exponent = exponent * 10 + (*at - '0');
            if (exponent > 2 * kMaxScale)
                return false;
        }
        if (negativeExponent)
            exponent = -exponent;
    }
    if (at != end)
        return false;
    const long lowestPower = exponent - afterPoint;
    const long scale = std::max(0L, -lowestPower);
    if (scale > kMaxScale)
        return false;

    // Base 10000 digits, the first of the highest weight: a decimal digit
    // of power p falls in the one of weight floor(p / 4).
    static constexpr int kPowers[kDigitPowers] = {1, 10, 100, 1000};
    const int lowest = static_cast<int>(lowestPower);
    const int highestWeight = floorDiv(lowest + static_cast<int>(digits.size()) - 1, kDigitPowers);
    QVarLengthArray<int, 16> groups(highestWeight - floorDiv(lowest, kDigitPowers) + 1, 0);
    int power = lowest;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit, ++power) {
        const int weight = floorDiv(power, kDigitPowers);
        groups[highestWeight - weight] += (*digit - '0') * kPowers[power - weight * kDigitPowers];
    }
    // Zero digits at either end are left out, as the server leaves them;
    // zero itself has no digits and no sign.
    qsizetype first = 0;
    while (first < groups.size() && groups[first] == 0)
        ++first;
    qsizetype last = groups.size();
    while (last > first && groups[last - 1] == 0)
        --last;
    const auto count = static_cast<int>(last - first);
    appendInt32(out, 8 + 2 * count);
    appendUInt16(out, static_cast<quint16>(count));
    appendUInt16(out, count == 0 ? 0 : static_cast<quint16>(static_cast<qint16>(highestWeight - first)));
    appendUInt16(out, negative && count > 0 ? kNegative : kPositive);
    appendUInt16(out, static_cast<quint16>(scale));
    for (qsizetype i = first; i < last; ++i)
        appendUInt16(out, static_cast<quint16>(groups[i]));
    return true;
}

} // namespace CopyBinary
