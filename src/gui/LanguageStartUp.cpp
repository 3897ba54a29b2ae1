#include "gui/LanguageStartUp.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/UserPrompt.h"

bool startLanguage(const std::function<std::optional<int>()>& start, UserPrompt& prompt)
{
    if (start())
        return true;
    prompt.message(Strings::loadString(StringId::ErrorInitializingLanguages),
                   Strings::loadString(StringId::AppTitle), PromptIcon::Exclamation);
    return false;
}
