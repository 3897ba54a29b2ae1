#include "app/RecordPositionText.h"

#include "app/AsciiChars.h"
#include "app/EnglishStrings.h"
#include "app/PrintfFormat.h"
#include "app/StringIds.h"
#include "app/StringTable.h"

#include <optional>

namespace {

constexpr int kConversionCount = 2;
// The widest field the number formatting writes.
constexpr int kMaxWidth = 64;

// A width or precision: up to two digits, at most kMaxWidth.
bool readSmallNumber(QStringView templ, qsizetype& i)
{
    int value = 0;
    int digits = 0;
    while (i < templ.size() && isAsciiDigit(templ.at(i))) {
        value = value * 10 + templ.at(i).digitValue();
        ++i;
        if (++digits > 2)
            return false;
    }
    return value <= kMaxWidth;
}

// Reads one conversion starting after its "%"; the index ends after the
// conversion letter. False for anything but an integer conversion.
bool readIntegerConversion(QStringView templ, qsizetype& i)
{
    while (i < templ.size() && QStringView(u"-+ 0").contains(templ.at(i)))
        ++i;
    if (!readSmallNumber(templ, i))
        return false;
    if (i < templ.size() && templ.at(i) == QLatin1Char('.')) {
        ++i;
        if (!readSmallNumber(templ, i))
            return false;
    }
    if (i >= templ.size() || !QStringView(u"diu").contains(templ.at(i)))
        return false;
    ++i;
    return true;
}

// Where the first conversion of a valid template ends; nothing for an
// invalid template. A "$" never passes: it is not a flag, a digit or a letter above.
std::optional<qsizetype> firstConversionEnd(QStringView templ)
{
    int conversions = 0;
    qsizetype firstEnd = 0;
    for (qsizetype i = 0; i < templ.size();) {
        if (templ.at(i) != QLatin1Char('%')) {
            ++i;
            continue;
        }
        if (i + 1 < templ.size() && templ.at(i + 1) == QLatin1Char('%')) {
            i += 2;
            continue;
        }
        ++i;
        if (!readIntegerConversion(templ, i) || ++conversions > kConversionCount)
            return std::nullopt;
        if (conversions == 1)
            firstEnd = i;
    }
    if (conversions != kConversionCount)
        return std::nullopt;
    return firstEnd;
}

QString englishText(int id)
{
    for (const EnglishString& s : englishStrings()) {
        if (s.id == id)
            return QString::fromUtf8(s.text);
    }
    return QString();
}

// Each half of the split template holds exactly one conversion, which is the
// shape the string table's checked number formatting writes.
QString render(QStringView templ, qsizetype split, int position, int count)
{
    return printfNumber(templ.left(split), static_cast<long long>(position)) +
           printfNumber(templ.mid(split), static_cast<long long>(count));
}

} // namespace

bool isRecordPositionTemplate(QStringView templ)
{
    return firstConversionEnd(templ).has_value();
}

QString recordPositionText(int position, int count)
{
    const QString loaded = Strings::loadString(StringId::RecordPosition);
    if (const auto split = firstConversionEnd(loaded))
        return render(loaded, *split, position, count);
    const QString english = englishText(StringId::RecordPosition);
    if (const auto split = firstConversionEnd(english))
        return render(english, *split, position, count);
    return QString();
}
