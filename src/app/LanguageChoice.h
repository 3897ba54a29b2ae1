#pragma once

#include <QList>

#include <functional>
#include <optional>

// Loads one language by LCID; false when it cannot.
using LanguageLoader = std::function<bool(int lcid)>;
// The list of available languages (a search of the module folders).
using LanguageListSource = std::function<QList<int>()>;
// Lets the user pick one of the available languages and returns its LCID.
using LanguageChooser = std::function<int(const QList<int>& available)>;

// The first entry of `available` with the same language identifier as
// `lcid`, else the first with the same primary language (the low eight bits
// of the language identifier); nothing when neither exists.
std::optional<int> closeLanguageMatch(int lcid, const QList<int>& available);

// Chooses and loads the language of a run, given the thread locale's LCID:
//   1. `threadLcid` itself;
//   2. else a close match among the available languages;
//   3. else the one the chooser returns (skipped when there is no chooser);
//   4. else US English (1033);
// each step taken only when the one before failed to load. Returns the LCID
// loaded; nothing when even English failed. The list is asked for only when
// the thread locale's own language does not load, and at most once.
std::optional<int> chooseLanguage(int threadLcid, const LanguageListSource& available,
                                  const LanguageChooser& chooser, const LanguageLoader& loader);
