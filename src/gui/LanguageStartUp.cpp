#include "gui/LanguageStartUp.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/UserPrompt.h"

bool startLanguage(const std::function<std::optional<int>()>& start, UserPrompt& prompt,
                   const std::function<QStringList()>& notices)
{
    if (!start()) {
        prompt.message(Strings::loadString(StringId::ErrorInitializingLanguages),
                       Strings::loadString(StringId::AppTitle), PromptIcon::Exclamation);
        return false;
    }
    if (notices) {
        for (const QString& notice : notices())
            prompt.message(notice, Strings::loadString(StringId::AppTitle), PromptIcon::Exclamation);
    }
    return true;
}
