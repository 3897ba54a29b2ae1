#include "wizards/StandardWizardSubject.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "wizards/CStandardWizard.h"

namespace {

bool hasTwoStrings(const QString& templ)
{
    int strings = 0;
    for (qsizetype i = templ.indexOf(QLatin1Char('%')); i >= 0; i = templ.indexOf(QLatin1Char('%'), i + 2)) {
        if (i + 1 >= templ.size() || templ.at(i + 1) != QLatin1Char('s'))
            return false;
        ++strings;
    }
    return strings == 2;
}

} // namespace

QString standardWizardSubject(const QString& templ, const QString& fiberType, const QString& wavelength)
{
    const QString checked = hasTwoStrings(templ) ? templ : QStringLiteral("%s at %s");
    const qsizetype first = checked.indexOf(QLatin1String("%s"));
    const qsizetype second = checked.indexOf(QLatin1String("%s"), first + 2);
    return checked.left(first) + fiberType + checked.mid(first + 2, second - first - 2) + wavelength +
           checked.mid(second + 2);
}

QString standardWizardSubject(const CStandardWizard& wizard)
{
    return standardWizardSubject(Strings::loadString(StringId::StandardWizardAtTemplate),
                                 wizard.currentFiberTypeName(), wizard.currentWavelengthText());
}
