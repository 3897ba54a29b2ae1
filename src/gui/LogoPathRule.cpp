#include "gui/LogoPathRule.h"

#include "gui/LogoImages.h"
#include "gui/LogoSettingsDialog.h"

#include <QFile>
#include <QSettings>

QString LogoPathRule::settle(const QSettings& settings)
{
    const QString stored = settings.value(LogoSettingsDialog::kLogoPathKey).toString();
    if (!stored.isEmpty() && LogoImages::hasImageSuffix(stored) && QFile(stored).open(QIODevice::ReadOnly))
        return stored;
    return QString();
}
