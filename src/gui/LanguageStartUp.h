#pragma once

#include <QStringList>

#include <functional>
#include <optional>

class UserPrompt;

// The language step of the window's start: `start` chooses and loads the
// run's language and gives the LCID loaded. When it loads none, the user is
// told "Error Initializing Languages" and the program must end before any
// window appears; the result says whether it may go on. When a language
// loaded, each of `notices` (the modules refused on the way, asked for
// after `start`) is shown in a message of its own before the window opens.
bool startLanguage(const std::function<std::optional<int>()>& start, UserPrompt& prompt,
                   const std::function<QStringList()>& notices = {});
