#include "meter/DownloadFields.h"

#include "app/AsciiChars.h"

#include <algorithm>
#include <cstdint>

namespace {

bool isNumberCharacter(QChar c)
{
    return isAsciiDigit(c) || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('.');
}

// Digits are clamped, not wrapped: a huge run is simply no valid date part.
constexpr std::int64_t kDigitCap = 1'000'000'000;

std::int64_t accumulate(std::int64_t value, QChar digit)
{
    return std::min(kDigitCap, value * 10 + (digit.unicode() - '0'));
}

} // namespace

QDate parseDownloadDate(QStringView text)
{
    std::int64_t parts[3] = {0, 0, 0};
    qsizetype i = 0;
    for (int part = 0; part < 3; ++part) {
        while (i < text.size() && isAsciiDigit(text[i]))
            parts[part] = accumulate(parts[part], text[i++]);
        if (i >= text.size()) {
            if (part < 2)
                return {};
            break;
        }
        ++i; // the separator
    }
    // Two-digit years pivot as POSIX strptime's %y does: 69-99 are the
    // 1900s, 00-68 the 2000s, so a meter's "12/31/99" is 1999.
    std::int64_t year = parts[2];
    if (year < 69)
        year += 2000;
    else if (year < 100)
        year += 1900;
    const QDate date(static_cast<int>(year), static_cast<int>(std::min<std::int64_t>(parts[0], 99)),
                     static_cast<int>(std::min<std::int64_t>(parts[1], 99)));
    return date.isValid() ? date : QDate();
}

std::optional<float> downloadVersionValue(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && !isNumberCharacter(text[i]))
        ++i;
    if (i >= text.size())
        return std::nullopt;
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    bool inFraction = false;
    for (; i < text.size() && isNumberCharacter(text[i]); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('.'))
            inFraction = true;
        else if (isAsciiDigit(c))
            (inFraction ? fraction : whole) = accumulate(inFraction ? fraction : whole, c);
    }
    return static_cast<float>(whole) + static_cast<float>(fraction) / 100.0f;
}

int linkBudgetWavelengthNumber(QStringView wavelength)
{
    if (wavelength.size() <= 2)
        return 0;
    const QStringView number = wavelength.chopped(2).trimmed();
    std::int64_t value = 0;
    qsizetype i = 0;
    const bool negative = !number.isEmpty() && number[0] == QLatin1Char('-');
    if (!number.isEmpty() && (number[0] == QLatin1Char('-') || number[0] == QLatin1Char('+')))
        ++i;
    for (; i < number.size() && isAsciiDigit(number[i]); ++i)
        value = accumulate(value, number[i]);
    return static_cast<int>(negative ? -value : value);
}
