#pragma once

#include <QString>

// The names Fibrolog files its settings and per-user data under. The window
// and the command line use the same ones, so both find the same shared
// standards file and settings.
inline const QString kOrganizationName = QStringLiteral("Local AppWizard-Generated Applications");
inline const QString kApplicationName = QStringLiteral("Fibrolog");

// Gives the running QCoreApplication these names.
void setApplicationIdentity();

// The per-user data folder: $XDG_DATA_HOME/<organization>/<application>,
// whatever names the running application object carries.
QString userDataFolder();
