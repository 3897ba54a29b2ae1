#pragma once

#include <QString>

// The line that names a language in the language choice: its native name
// and, in brackets, its country's native name ("Deutsch (Deutschland)").
// An LCID the program has no locale for gets a line with its hexadecimal
// value from the string table.
QString nativeLanguageLine(int lcid);
