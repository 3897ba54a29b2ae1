#pragma once

#include <QString>

class ProfileFile;

// Everything the main window takes from the language's section of
// Languages.ini. A text that is empty there comes from the English section
// "1033", key by key; a button text that is in neither is the launcher's
// own English one, so that no button is ever blank.
struct LauncherTexts
{
    static constexpr int kEnglish = 1033;
    // The installer a medium without an InstallExe key starts.
    static inline const QString kDefaultInstallExe = QStringLiteral("install.sh");

    QString installText;
    QString adobeInstallText;
    QString manualText;
    QString exploreCdText;
    QString exitText;
    QString adobeInstallExe;
    QString manualPath;
    QString adobeInstallWarningTitle;
    QString adobeInstallWarningText;
    QString adobeInstallWarningTextYes;
    QString adobeInstallWarningTextNo;
    // The program that installs Fibrolog, relative to the medium's folder.
    QString installExe;
    // The message when a program cannot be started; "%1" is its name.
    QString startFailedText;
    // Whether Languages.ini gave a text for at least one of the buttons.
    bool hasButtonTextsFromFile = false;
    // What is wrong with Languages.ini, shown when the window opens; empty
    // when nothing is.
    QString fileProblem;

    static LauncherTexts read(const ProfileFile& profile, int lcid);
};
