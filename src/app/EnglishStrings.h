#pragma once

#include <span>

struct EnglishString
{
    int id;
    const char* text; // UTF-8
};

// The program's own string table, in no particular order.
std::span<const EnglishString> englishStrings();
