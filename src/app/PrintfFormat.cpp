#include "app/PrintfFormat.h"

#include "app/AsciiChars.h"

#include <QByteArray>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

constexpr int kMaxWidth = 64;

struct Conversion
{
    QString prefix;
    QByteArray directive; // "%" flags width .precision, without length or conversion
    char type = 0;
    QString suffix;
};

// Reads up to two digits; false when the number is longer or above the limit.
bool readSmallNumber(QStringView format, qsizetype& i, QByteArray& out)
{
    QByteArray digits;
    while (i < format.size() && isAsciiDigit(format.at(i)))
        digits.append(static_cast<char>(format.at(i++).unicode()));
    if (digits.size() > 2 || digits.toInt() > kMaxWidth)
        return false;
    out.append(digits);
    return true;
}

// Splits the format around its single conversion; false when it has none,
// several, or one that is not numeric.
bool parse(QStringView format, Conversion& out)
{
    QString* literal = &out.prefix;
    bool found = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%')) {
            literal->append(c);
            continue;
        }
        if (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('%')) {
            literal->append(c);
            ++i;
            continue;
        }
        if (found)
            return false;
        found = true;
        QByteArray directive("%");
        ++i;
        while (i < format.size() && isAsciiOneOf(format.at(i), "-+ #0"))
            directive.append(static_cast<char>(format.at(i++).unicode()));
        if (!readSmallNumber(format, i, directive))
            return false;
        if (i < format.size() && format.at(i) == QLatin1Char('.')) {
            directive.append('.');
            ++i;
            if (!readSmallNumber(format, i, directive))
                return false;
        }
        // Length modifiers carry no meaning here: the value is passed at full width.
        while (i < format.size() && isAsciiOneOf(format.at(i), "hlLqjzt"))
            ++i;
        if (i >= format.size() || !isAsciiOneOf(format.at(i), "diuxXofFeEgGaA"))
            return false;
        out.directive = directive;
        out.type = static_cast<char>(format.at(i).unicode());
        literal = &out.suffix;
    }
    return found;
}

bool isIntegerType(char type)
{
    return std::strchr("diuxXo", type) != nullptr;
}

QString render(const Conversion& c, double asDouble, long long asInteger)
{
    char buffer[256];
    QByteArray format = c.directive;
    format.append(isIntegerType(c.type) ? "ll" : "").append(c.type);
    if (isIntegerType(c.type))
        std::snprintf(buffer, sizeof buffer, format.constData(), asInteger);
    else
        std::snprintf(buffer, sizeof buffer, format.constData(), asDouble);
    return c.prefix + QString::fromLatin1(buffer) + c.suffix;
}

long long toInteger(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<long long>::max()))
        return std::numeric_limits<long long>::max();
    if (value <= static_cast<double>(std::numeric_limits<long long>::min()))
        return std::numeric_limits<long long>::min();
    return static_cast<long long>(value);
}

} // namespace

QString printfNumber(QStringView format, double value)
{
    Conversion c;
    if (!parse(format, c)) {
        c = Conversion{};
        c.directive = "%";
        c.type = 'g';
    }
    return render(c, value, toInteger(value));
}

QString printfNumber(QStringView format, long long value)
{
    Conversion c;
    if (!parse(format, c)) {
        c = Conversion{};
        c.directive = "%";
        c.type = 'd';
    }
    return render(c, static_cast<double>(value), value);
}

int printfPrecision(QStringView format)
{
    const qsizetype dot = format.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return 0;
    int digits = 0;
    for (qsizetype i = dot + 1; i < format.size() && format.at(i).isDigit(); ++i) {
        digits = digits * 10 + format.at(i).digitValue();
        if (digits > kMaxWidth)
            return kMaxWidth;
    }
    return digits;
}
