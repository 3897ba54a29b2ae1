#pragma once

#include <QDate>
#include <QStringView>

#include <optional>

// Field texts of a download that need more than a plain number.

// Month, day and year as three runs of digits, each followed by one separator
// of any kind; a two-digit year 69-99 is 19xx and 00-68 is 20xx (as POSIX
// %y reads it). Null when the text ends inside
// the month or the day, or names no real date.
QDate parseDownloadDate(QStringView text);

// The version text as a number: the whole part plus the digits after the
// point counted in hundredths, so "1.15" is 1.15 and "2.5" is 2.05. Nothing
// when the text holds no number character.
std::optional<float> downloadVersionValue(QStringView text);

// The wavelength number of a user-link-budget wavelength: the text without its
// last two characters ("nm"), trimmed, read as a whole number; 0 when nothing
// is left.
int linkBudgetWavelengthNumber(QStringView wavelength);
