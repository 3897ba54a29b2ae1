#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Where language modules are looked for, in this order: the program's
// folder, the installed data folder (<prefix>/share/fibrolog/languages) and
// the data folder of the prefix the program runs from; never the current
// folder.
QStringList defaultLanguageFolders();

// The languages there are, as LCIDs, each once, in the order found: the
// modules of the first folder, then the built-in English (1033), then the
// modules of the other folders. Within a folder the files are taken in name
// order, so the list does not depend on the file system's order.
QList<int> availableLanguages(const QStringList& folders);

// The path of the module of `lcid` in the first folder that holds one; empty
// when none does.
QString findLanguageModule(int lcid, const QStringList& folders);
