#include "app/NativeLanguageLine.h"

#include "app/LocaleIds.h"
#include "app/StringIds.h"
#include "app/StringTable.h"

#include <QLocale>

QString nativeLanguageLine(int lcid)
{
    const QLocale locale = localeForLcid(lcid);
    const QString language = locale.language() == QLocale::C ? QString() : locale.nativeLanguageName();
    if (language.isEmpty()) {
        return Strings::formatMessage(Strings::loadString(StringId::LanguageUnknownName),
                                      {QString::number(static_cast<uint>(lcid), 16)});
    }
    return language + QLatin1String(" (") + locale.nativeTerritoryName() + QLatin1Char(')');
}
