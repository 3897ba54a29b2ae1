#include "launcher/RememberedLanguage.h"

#include <QDir>
#include <QSettings>

RememberedLanguage::RememberedLanguage(QString runtimeFolder) : runtimeFolder_(std::move(runtimeFolder))
{
    if (runtimeFolder_.isEmpty())
        runtimeFolder_ = qEnvironmentVariable("XDG_RUNTIME_DIR");
}

QString RememberedLanguage::filePath() const
{
    if (runtimeFolder_.isEmpty())
        return {};
    return QDir(runtimeFolder_).filePath(QStringLiteral("Halvard Photonics/Installer.conf"));
}

bool RememberedLanguage::remember(int lcid) const
{
    const QString path = filePath();
    if (path.isEmpty() || !QDir(runtimeFolder_).exists())
        return false;
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(QStringLiteral("Language"), lcid);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
