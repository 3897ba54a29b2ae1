#include "report/FontFaceLookup.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

#include <algorithm>

QString FontFaceLookup::find(const QString& wanted)
{
    const QString substitute = QFontInfo(QFont(wanted)).family();
    return choose(wanted, QFontDatabase::families(), substitute, QGuiApplication::font().family());
}

QString FontFaceLookup::choose(const QString& wanted, QStringList families, const QString& substitute,
                               const QString& defaultFace)
{
    std::sort(families.begin(), families.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    for (const QString& family : families) {
        if (family.compare(wanted, Qt::CaseInsensitive) == 0)
            return family;
    }
    for (const QString& family : families) {
        if (family.startsWith(wanted, Qt::CaseInsensitive))
            return family;
    }
    // fontconfig answers every request with some face; only one that is
    // really installed counts as its substitute.
    if (!substitute.isEmpty() && families.contains(substitute, Qt::CaseInsensitive))
        return substitute;
    return defaultFace;
}
