#include "meter/DownloadReader.h"

#include <cstdint>

namespace {

bool isNumberCharacter(char c)
{
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

void raiseFlag(bool* flag)
{
    if (flag)
        *flag = true;
}

} // namespace

// Both number forms at once: whole digits wrap in 32 bits the way the meter's
// own integers do (and never overflow into undefined behaviour), the decimal
// form accumulates in single precision. Digits after the decimal point are no
// part of the whole number: "1500.5" is 1500, not 15005.
struct DownloadReader::Number
{
    bool negative = false;
    std::uint32_t integer = 0;
    float decimal = 0.0f;
    bool inFraction = false;
    float fractionStep = 0.1f;
    // What the meter writes: [sign] digits [. digits], blanks around it.
    bool damaged = false;
    bool anyDigit = false;
    bool blankAfter = false;

    void addDigit(char c)
    {
        anyDigit = true;
        if (blankAfter)
            damaged = true;
        const auto digit = static_cast<std::uint32_t>(c - '0');
        if (inFraction) {
            decimal += static_cast<float>(digit) * fractionStep;
            fractionStep *= 0.1f;
        } else {
            integer = integer * 10u + digit;
            decimal = decimal * 10.0f + static_cast<float>(digit);
        }
    }
};

DownloadReader::DownloadReader(QIODevice& device) : bytes_(device) {}

bool DownloadReader::nextChar(char& c)
{
    return bytes_.next(c);
}

bool DownloadReader::peekChar(char& c)
{
    if (!bytes_.next(c))
        return false;
    bytes_.pushBack(c);
    return true;
}

bool DownloadReader::readString(QString& target, bool skip)
{
    target.clear();
    char c = 0;
    do {
        if (!bytes_.next(c))
            return false;
        if (!skip && c != '\'')
            return false;
    } while (c != '\'');
    text_.truncate(0);
    if (!bytes_.readUntil('\'', text_, kMaxStringLength))
        return false;
    // The meters write 8-bit Windows text; Latin-1 keeps every byte.
    target = QString::fromLatin1(text_);
    return true;
}

bool DownloadReader::readNumber(Number& number, bool skipLineEnds, bool* lineEnd)
{
    char c = 0;
    for (;;) {
        if (!bytes_.next(c)) {
            raiseFlag(lineEnd);
            return false;
        }
        if (isNumberCharacter(c))
            break;
        if (c == ',')
            return false;
        if (c == '\n' && !skipLineEnds) {
            raiseFlag(lineEnd);
            return false;
        }
        if (c != '\n' && !isBlank(c))
            number.damaged = true;
    }
    if (c == '-')
        number.negative = true;
    else if (c == '.')
        number.inFraction = true;
    else if (c != '+')
        number.addDigit(c);
    while (bytes_.next(c)) {
        if (c >= '0' && c <= '9') {
            number.addDigit(c);
        } else if (c == '.') {
            if (number.inFraction || number.blankAfter)
                number.damaged = true;
            number.inFraction = true;
        } else if (c == ',') {
            break;
        } else if (c == '\n') {
            raiseFlag(lineEnd);
            break;
        } else if (isBlank(c)) {
            number.blankAfter = true;
        } else {
            // Anything else is passed over, and the number is no longer one
            // the meter wrote.
            number.damaged = true;
        }
    }
    if (!number.anyDigit)
        number.damaged = true;
    return true;
}

bool DownloadReader::readInteger(int& target, bool skipLineEnds, bool* lineEnd)
{
    target = 0;
    Number number;
    const bool read = readNumber(number, skipLineEnds, lineEnd);
    lastNumberDamaged_ = number.damaged;
    if (!read)
        return false;
    const std::uint32_t magnitude = number.negative ? 0u - number.integer : number.integer;
    target = static_cast<int>(magnitude);
    return true;
}

bool DownloadReader::readDecimal(float& target, bool skipLineEnds, bool* lineEnd)
{
    target = 0.0f;
    Number number;
    const bool read = readNumber(number, skipLineEnds, lineEnd);
    lastNumberDamaged_ = number.damaged;
    if (!read)
        return false;
    target = number.negative ? -number.decimal : number.decimal;
    return true;
}

bool DownloadReader::skipToComma()
{
    char c = 0;
    while (bytes_.next(c)) {
        if (c == ',')
            return true;
    }
    return false;
}

bool DownloadReader::skipToCommaOrLineEnd()
{
    char c = 0;
    while (bytes_.next(c)) {
        if (c == ',')
            return true;
        if (c == '\n')
            return false;
    }
    return false;
}
