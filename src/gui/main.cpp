#include "app/ApplicationIdentity.h"
#include "app/ConsolePrompt.h"
#include "app/FileNameBytes.h"
#include "app/LanguageModules.h"
#include "app/LocaleFormat.h"
#include "app/LocaleIds.h"
#include "app/LogCategories.h"
#include "app/ProcessFiles.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/SupportLog.h"
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

struct ProgramOptions
{
    QCommandLineOption print{QStringLiteral("print"),
                             QStringLiteral("Print the report of FILE on the default printer and exit."),
                             QStringLiteral("FILE")};
    QCommandLineOption locale{QStringLiteral("locale"),
                              QStringLiteral("Numbers, dates and language of NAME, for example de_DE."),
                              QStringLiteral("NAME")};
    QCommandLineOption verbose{
        QStringLiteral("verbose"),
        QStringLiteral("Diagnostic lines (fibrolog.*) on standard error and in the log.")};
};

ProgramOptions addProgramOptions(QCommandLineParser& parser)
{
    ProgramOptions options;
    parser.setApplicationDescription(
        QStringLiteral("Fiber-optic loss test results: download, evaluate, print."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(options.print);
    parser.addOption(options.locale);
    parser.addOption(options.verbose);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A test database to open."),
                                 QStringLiteral("[FILE]"));
    return options;
}

// What the command line asks for before any window: the help and the
// version need no display at all, and a print needs none either.
struct EarlyRequest
{
    bool helpOrVersion = false;
    bool print = false;
    bool verbose = false;
};

EarlyRequest earlyRequest(int argc, char* argv[])
{
    EarlyRequest request;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--")
            break;
        if (argument == "-h" || argument == "-?" || argument == "--help" || argument == "--help-all" ||
            argument == "-v" || argument == "--version")
            request.helpOrVersion = true;
        else if (argument == "--print" || argument.startsWith("--print="))
            request.print = true;
        else if (argument == "--verbose")
            request.verbose = true;
    }
    return request;
}

// Answers --help and --version without a display, as a console program does.
int answerWithoutDisplay(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(FIBROLOG_VERSION));
    QCommandLineParser parser;
    addProgramOptions(parser);
    parser.process(app); // prints and exits
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    // Kept as the system gave them: Qt's reading of them may have lost bytes.
    const QByteArrayList given = FileNameBytes::argumentsOf(argc, argv);
    const EarlyRequest early = earlyRequest(argc, argv);
    if (early.helpOrVersion)
        return answerWithoutDisplay(argc, argv);
    // A print opens no window: it runs where there is no display too.
    if (early.print && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setApplicationIdentity();
    // From here on, what goes wrong is kept where support can ask for it.
    if (early.verbose)
        LogCategories::enableDebugLines();
    QString noLog;
    if (!SupportLog::install(early.verbose, &noLog))
        std::fprintf(stderr, "fibrolog: no log is kept: %s\n", qPrintable(noLog));
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
    const ProgramOptions options = addProgramOptions(parser);
    parser.process(app);

    if (!initThreadLocale(parser.value(options.locale))) {
        std::fprintf(stderr, "fibrolog: unknown locale '%s'\n", qPrintable(parser.value(options.locale)));
        return 2;
    }

    // The language of this run, chosen once; its texts stay until the end.
    LanguageModules languages;
    if (parser.isSet(options.print)) {
        // No window: the language asked for or the nearest, never a dialog,
        // and what goes wrong is said on standard error.
        QTextStream err(stderr);
        languages.loadRequested(parser.value(options.locale), err);
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
        return printAndExit(frame, parser.value(options.print));
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
