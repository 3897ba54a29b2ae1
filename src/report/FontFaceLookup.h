#pragma once

#include <QString>
#include <QStringList>

// Finds the installed face the reports print in, by the name the string table
// gives ("Arial"): that face itself, else the first face whose name begins
// with the name (letter case ignored), else the face fontconfig substitutes
// for it (a metric-compatible face such as Liberation Sans), else the default
// face. Needs the GUI application object.
class FontFaceLookup
{
public:
    static QString find(const QString& wanted);

    // The choice among `families` (in any order): the rules above with the
    // fontconfig substitute and the default face given.
    static QString choose(const QString& wanted, QStringList families, const QString& substitute,
                          const QString& defaultFace);
};
