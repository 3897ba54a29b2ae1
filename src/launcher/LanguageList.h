#pragma once

#include <QList>

#include <functional>

class ProfileFile;

// The languages the medium offers, in the order of their keys language1,
// language2, ... up to [LANGUAGES] count; zero entries are left out. A
// count of 0 (or no file) offers English (1033) alone.
QList<int> offeredLanguages(const ProfileFile& profile);

// No language gives English, one gives that one; from several the user
// picks with `askUser`.
int chooseLanguage(const QList<int>& offered, const std::function<int(const QList<int>&)>& askUser);
