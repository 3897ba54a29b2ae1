#include "app/ApplicationIdentity.h"
#include "app/ConsolePrompt.h"
#include "app/FileNameBytes.h"
#include "app/LanguageModules.h"
#include "app/LocaleFormat.h"
#include "app/LocaleIds.h"
#include "app/ProcessFiles.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/TemporaryFileRegistry.h"
#include "document/CFibrologDoc.h"
#include "document/WorkingFiles.h"
#include "gui/ApplicationIcon.h"
#include "gui/CMainFrame.h"
#include "gui/CommandIds.h"
#include "gui/DialogPrompt.h"
#include "gui/LanguageChoiceDialog.h"
#include "gui/LanguageStartUp.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QPrinterInfo>
#include <QTextStream>

#include <cstdio>

namespace {

// `fibrolog --print FILE`: the file's report on the default printer, no window.
int printAndExit(CMainFrame& frame, const QString& file)
{
    // Why a file cannot be opened goes to standard error through the prompt.
    if (!frame.openFromCommandLine(file))
        return 1;
    if (QPrinterInfo::defaultPrinter().isNull()) {
        std::fprintf(stderr, "fibrolog: %s\n", qPrintable(Strings::loadString(StringId::PrintNoPrinter)));
        return 1;
    }
    return frame.printOnDefaultPrinter() ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    // Kept as the system gave them: Qt's reading of them may have lost bytes.
    const QByteArrayList given = FileNameBytes::argumentsOf(argc, argv);
    QApplication app(argc, argv);
    setApplicationIdentity();
    QApplication::setApplicationVersion(QStringLiteral(FIBROLOG_VERSION));
    // Matches the installed desktop entry, so Wayland shells show its icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.fibrolog.Fibrolog"));
    // X11 task bars take the icon from each window: the dialogs carry it too.
    QApplication::setWindowIcon(applicationIcon());
    // Logging out or a kill takes the working copies along; what a killed
    // run left behind goes now.
    TemporaryFileRegistry::removeOnTerminatingSignals();
    WorkingFiles::removeLeftOvers();
    ProcessFiles::removeWhatKilledRunsLeft();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Fiber-optic loss test results: download, evaluate, print."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption print(
        QStringLiteral("print"), QStringLiteral("Print the report of FILE on the default printer and exit."),
        QStringLiteral("FILE"));
    const QCommandLineOption locale(QStringLiteral("locale"),
                                    QStringLiteral("Numbers, dates and language of NAME, for example de_DE."),
                                    QStringLiteral("NAME"));
    parser.addOption(print);
    parser.addOption(locale);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A test database to open."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);

    if (!initThreadLocale(parser.value(locale))) {
        std::fprintf(stderr, "fibrolog: unknown locale '%s'\n", qPrintable(parser.value(locale)));
        return 2;
    }

    // The language of this run, chosen once; its texts stay until the end.
    LanguageModules languages;
    if (parser.isSet(print)) {
        // No window: the language asked for or the nearest, never a dialog,
        // and what goes wrong is said on standard error.
        QTextStream err(stderr);
        languages.loadRequested(parser.value(locale), err);
        err.flush();
        ConsolePrompt console(err);
        FrameServices services;
        services.prompt = &console;
        // A name that is no UTF-8 would reach another file, or none.
        if (const QString refused = FileNameBytes::refusalForArguments(given); !refused.isEmpty()) {
            std::fprintf(stderr, "fibrolog: %s\n", qPrintable(refused));
            return 1;
        }
        CMainFrame frame(services);
        return printAndExit(frame, parser.value(print));
    }
    DialogPrompt startPrompt;
    const bool languageLoaded = startLanguage(
        [&languages] {
            return languages.startUp(lcidForLocale(QLocale()), [](const QList<int>& available) {
                return LanguageChoiceDialog::choose(available);
            });
        },
        startPrompt, [&languages] { return languages.refusalNotices(); });
    if (!languageLoaded)
        return 1;

    CMainFrame frame;
    frame.show();
    const QStringList files = parser.positionalArguments();
    // A file that cannot be opened is reported and the window stays, empty;
    // so is a name that is no UTF-8, which would reach another file, or none.
    startPrompt.setParent(&frame);
    if (const QString refused = FileNameBytes::refusalForArguments(given); !refused.isEmpty())
        startPrompt.message(refused, Strings::loadString(StringId::ErrorOpeningFileCaption),
                            PromptIcon::Exclamation);
    else if (!files.isEmpty())
        frame.openFromCommandLine(files.first());
    return app.exec();
}
