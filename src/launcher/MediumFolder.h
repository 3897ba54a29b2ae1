#pragma once

#include <QString>

// Where Languages.ini is found: in the medium's folder (the one the
// launcher lies in) and, failing that, in the current folder. Empty when it
// is in neither.
QString findLanguagesFile(const QString& mediumFolder, const QString& currentFolder);
