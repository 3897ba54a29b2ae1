#pragma once

#include <QString>

#include <optional>

// A language module is one file named "KavLangDll_" + the LCID in lower-case
// hexadecimal without leading zeros + ".qm" ("KavLangDll_407.qm" is German).

// The name filter that finds module files in a folder.
QString languageModuleNameFilter();

// The file name of the module of `lcid`; empty for an LCID that cannot have one.
QString languageModuleFileName(int lcid);

// The LCID a module file name carries. Only names written exactly the way
// languageModuleFileName() writes them count, so that every language found
// in a folder can be loaded by its LCID again.
std::optional<int> lcidOfLanguageModule(const QString& fileName);
