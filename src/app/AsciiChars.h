#pragma once

#include <QChar>

#include <cstring>

// Characters of the files, templates and fields the program reads, where
// only ASCII has a meaning: QChar::isDigit() takes every script's digits.
inline bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Whether `c` is one of the ASCII characters of `set`.
inline bool isAsciiOneOf(QChar c, const char* set)
{
    return c.unicode() != 0 && c.unicode() < 128 &&
           std::strchr(set, static_cast<char>(c.unicode())) != nullptr;
}
