#pragma once

#include <QString>

class CStandardWizard;

// "Indoor Singlemode at 1310nm": the fiber type and wavelength the limit and
// allowance pages ask about, from the string table's "%s at %s".
QString standardWizardSubject(const CStandardWizard& wizard);
// The same from the parts; a template from a language module that has not
// exactly two "%s" (and nothing else after a "%") falls back to English.
QString standardWizardSubject(const QString& templ, const QString& fiberType, const QString& wavelength);
