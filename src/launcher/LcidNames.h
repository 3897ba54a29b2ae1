#pragma once

#include <QLocale>
#include <QString>

// The locale a Windows language id (LCID) stands for; QLocale::c() for an
// id the table does not know.
QLocale localeOfLcid(int lcid);

// The line the language list shows: native language name and native country
// name, "Deutsch (Deutschland)". An unknown id is shown as its number.
QString nativeLanguageLine(int lcid);
