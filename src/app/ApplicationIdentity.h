#pragma once

#include <QString>

// The names Fibrolog files its settings under: QSettings makes of them
// ~/.config/fibrolog/fibrolog.conf. The window and the command line use the
// same ones, so both read the same settings. The window's title and its
// desktop entry ("org.fibrolog.Fibrolog") are set apart and do not follow them.
inline const QString kOrganizationName = QStringLiteral("fibrolog");
inline const QString kApplicationName = QStringLiteral("fibrolog");

// Gives the running QCoreApplication these names.
void setApplicationIdentity();
