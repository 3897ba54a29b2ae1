#pragma once

#include <functional>
#include <optional>

class UserPrompt;

// The language step of the window's start: `start` chooses and loads the
// run's language and gives the LCID loaded. When it loads none, the user is
// told "Error Initializing Languages" and the program must end before any
// window appears; the result says whether it may go on.
bool startLanguage(const std::function<std::optional<int>()>& start, UserPrompt& prompt);
