#pragma once

#include "launcher/ProfileFile.h"

#include <QString>

// The medium's Languages.ini, read from the launcher's own folder (the
// medium) and nowhere else: a file in whatever folder the launcher happens
// to be started from must not choose the programs it starts.
class LanguagesFile
{
public:
    static LanguagesFile inMedium(const QString& mediumFolder);

    const QString& path() const { return path_; }
    const ProfileFile& profile() const { return profile_; }

    // What the user is told when the file is missing, cannot be read or
    // gives no text for any button, naming the file looked for; empty when
    // the file is fine.
    const QString& problem() const { return problem_; }

private:
    QString path_;
    ProfileFile profile_;
    QString problem_;
};
