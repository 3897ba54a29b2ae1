#pragma once

#include <QString>

// Leaves the chosen language for the installer the launcher starts: the
// value "Language" (the LCID) in "Halvard Photonics/Installer.conf" under
// the session's runtime folder ($XDG_RUNTIME_DIR), which is emptied when the
// user logs out or the machine restarts, so the choice lasts for this
// session only. The launcher never reads it back.
class RememberedLanguage
{
public:
    // `runtimeFolder` empty: $XDG_RUNTIME_DIR.
    explicit RememberedLanguage(QString runtimeFolder = {});

    QString filePath() const;
    // False when there is no runtime folder or the file cannot be written;
    // the launcher goes on without it.
    bool remember(int lcid) const;

private:
    QString runtimeFolder_;
};
