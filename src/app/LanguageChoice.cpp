#include "app/LanguageChoice.h"

#include "app/LocaleIds.h"

#include <algorithm>

std::optional<int> closeLanguageMatch(int lcid, const QList<int>& available)
{
    auto sameLanguage = std::find_if(available.cbegin(), available.cend(),
                                     [lcid](int entry) { return languageIdOf(entry) == languageIdOf(lcid); });
    if (sameLanguage != available.cend())
        return *sameLanguage;
    auto samePrimary = std::find_if(available.cbegin(), available.cend(), [lcid](int entry) {
        return primaryLanguageOf(entry) == primaryLanguageOf(lcid);
    });
    if (samePrimary != available.cend())
        return *samePrimary;
    return std::nullopt;
}

std::optional<int> chooseLanguage(int threadLcid, const LanguageListSource& available,
                                  const LanguageChooser& chooser, const LanguageLoader& loader)
{
    if (loader(threadLcid))
        return threadLcid;

    const QList<int> languages = available ? available() : QList<int>{kLcidEnglishUnitedStates};
    if (const auto match = closeLanguageMatch(threadLcid, languages); match && loader(*match))
        return *match;

    if (chooser) {
        const int chosen = chooser(languages);
        if (loader(chosen))
            return chosen;
    }

    if (loader(kLcidEnglishUnitedStates))
        return kLcidEnglishUnitedStates;
    return std::nullopt;
}
