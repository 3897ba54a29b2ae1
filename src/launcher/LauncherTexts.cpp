#include "launcher/LauncherTexts.h"

#include "launcher/ProfileFile.h"

namespace {

QString textOf(const ProfileFile& profile, int lcid, const char* key)
{
    const QString name = QLatin1String(key);
    const QString text = profile.text(QString::number(lcid), name);
    if (!text.isEmpty())
        return text;
    return profile.text(QString::number(LauncherTexts::kEnglish), name);
}

} // namespace

LauncherTexts LauncherTexts::read(const ProfileFile& profile, int lcid)
{
    LauncherTexts texts;
    texts.installText = textOf(profile, lcid, "InstallText");
    texts.adobeInstallText = textOf(profile, lcid, "AdobeInstallText");
    texts.manualText = textOf(profile, lcid, "ManualText");
    texts.exploreCdText = textOf(profile, lcid, "ExploreCdText");
    texts.exitText = textOf(profile, lcid, "ExitText");
    QString* const labels[] = {&texts.installText, &texts.adobeInstallText, &texts.manualText,
                               &texts.exploreCdText, &texts.exitText};
    const QString ownLabels[] = {QStringLiteral("Install Fibrolog"), QStringLiteral("Install a PDF reader"),
                                 QStringLiteral("Read the manuals"), QStringLiteral("Browse this medium"),
                                 QStringLiteral("Exit")};
    for (int i = 0; i < 5; ++i) {
        if (labels[i]->isEmpty())
            *labels[i] = ownLabels[i];
        else
            texts.hasButtonTextsFromFile = true;
    }
    texts.adobeInstallExe = textOf(profile, lcid, "AdobeInstallExe");
    texts.manualPath = textOf(profile, lcid, "ManualPath");
    texts.adobeInstallWarningTitle = textOf(profile, lcid, "AdobeInstallWarningTitle");
    texts.adobeInstallWarningText = textOf(profile, lcid, "AdobeInstallWarningText");
    texts.adobeInstallWarningTextYes = textOf(profile, lcid, "AdobeInstallWarningTextYes");
    texts.adobeInstallWarningTextNo = textOf(profile, lcid, "AdobeInstallWarningTextNo");
    texts.installExe = textOf(profile, lcid, "InstallExe");
    if (texts.installExe.isEmpty())
        texts.installExe = kDefaultInstallExe;
    texts.startFailedText = textOf(profile, lcid, "StartFailedText");
    // A failure must never be reported with an empty box, so a medium
    // without the key still says what went wrong, in English.
    if (texts.startFailedText.isEmpty())
        texts.startFailedText = QStringLiteral("%1 could not be started.");
    return texts;
}
