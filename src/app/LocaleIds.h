#pragma once

#include <QLocale>
#include <QString>

// Windows locale identifiers (LCIDs) name languages in stored settings and in
// the file names of language modules ("KavLangDll_407" is German). This maps
// the ones the program meets to locales and back.

constexpr int kLcidEnglishUnitedStates = 1033;

// 0 when the locale has no LCID in the table.
int lcidForLocale(const QLocale& locale);

// The locale of an LCID; a locale of the C language when the LCID is unknown.
QLocale localeForLcid(int lcid);

// The language identifier of an LCID (its low 16 bits) and its primary
// language (the low eight bits of that), as used when looking for a close match.
inline int languageIdOf(int lcid)
{
    return lcid & 0xFFFF;
}
inline int primaryLanguageOf(int lcid)
{
    return lcid & 0xFF;
}
