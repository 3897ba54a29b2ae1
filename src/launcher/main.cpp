// The install medium's start screen. It takes no arguments: it reads
// Languages.ini from the medium, asks for the language when the medium
// offers several, leaves the choice for the installer and shows the main
// window until the user exits. The exit status is the window's result, 0.
#include "launcher/LanguageDialog.h"
#include "launcher/LanguageList.h"
#include "launcher/LauncherTexts.h"
#include "launcher/LauncherWindow.h"
#include "launcher/MediumFolder.h"
#include "launcher/PdfReaderProbe.h"
#include "launcher/ProfileFile.h"
#include "launcher/ProgramStarter.h"
#include "launcher/RememberedLanguage.h"

#include <QApplication>
#include <QDir>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString mediumFolder = QCoreApplication::applicationDirPath();
    const ProfileFile profile = ProfileFile::fromFile(findLanguagesFile(mediumFolder, QDir::currentPath()));

    const int language = chooseLanguage(offeredLanguages(profile), &LanguageDialog::ask);
    // The installer may do without it, so a session without a runtime
    // folder only loses the hint.
    if (!RememberedLanguage().remember(language))
        qWarning("launcher: the chosen language could not be left for the installer");

    XdgMimePdfReaderProbe readerProbe;
    const ProgramStarter starter(mediumFolder);
    const QScreen* screen = QGuiApplication::primaryScreen();
    LauncherWindow window(LauncherTexts::read(profile, language), readerProbe, starter,
                          screen ? screen->depth() : 32);
    return window.exec();
}
