// The install medium's start screen. It takes no arguments: it reads
// Languages.ini from the medium, asks for the language when the medium
// offers several, leaves the choice for the installer and shows the main
// window until the user exits. The exit status is the window's result, 0.
#include "launcher/EightBitDisplay.h"
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
#include <QScreen>

#include <vector>

int main(int argc, char** argv)
{
    // On an X display of 8 bits per pixel the windows are drawn in grey,
    // since Qt cannot draw on such a display's colour visual.
    std::vector<char*> arguments(argv, argv + argc);
    const auto greyVisual = EightBitDisplay::greyVisual();
    QByteArray visualOption("-visual");
    QByteArray visualId;
    if (greyVisual) {
        visualId = EightBitDisplay::visualArgument(*greyVisual).toLatin1();
        arguments.push_back(visualOption.data());
        arguments.push_back(visualId.data());
    }
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    QApplication app(count, arguments.data());
    EightBitDisplay::GreyRamp greyRamp;
    if (greyVisual)
        app.installEventFilter(&greyRamp);
    const QString mediumFolder = QCoreApplication::applicationDirPath();
    const LanguagesFile languagesFile = LanguagesFile::inMedium(mediumFolder);

    const int language = chooseLanguage(offeredLanguages(languagesFile.profile()), &LanguageDialog::ask);
    // The installer may do without it, so a session without a runtime
    // folder only loses the hint.
    if (!RememberedLanguage().remember(language))
        qWarning("launcher: the chosen language could not be left for the installer");

    XdgMimePdfReaderProbe readerProbe;
    const ProgramStarter starter(mediumFolder);
    const QScreen* screen = QGuiApplication::primaryScreen();
    LauncherTexts texts = LauncherTexts::read(languagesFile.profile(), language);
    texts.fileProblem = languagesFile.problem();
    LauncherWindow window(texts, readerProbe, starter, screen ? screen->depth() : 32);
    return window.exec();
}
