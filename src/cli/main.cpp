#include "app/ApplicationIdentity.h"
#include "app/FileNameBytes.h"
#include "app/LanguageModules.h"
#include "app/LogCategories.h"
#include "app/ProcessFiles.h"
#include "app/TemporaryFileRegistry.h"
#include "cli/CliApp.h"
#include "cli/CommandLine.h"
#include "document/WorkingFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

bool verboseRun = false;

// The commands report what went wrong themselves; the library's diagnostic
// lines are shown only when asked for: all of them with --verbose (or
// FIBROLOG_VERBOSE), the debug lines of the categories QT_LOGGING_RULES
// turns on without it (ours reach the handler only when turned on).
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool ours = LogCategories::isOurs(context.category);
    const bool diagnostic = type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg;
    if (diagnostic && !verboseRun && !(ours && type != QtWarningMsg))
        return;
    if (ours)
        std::fprintf(stderr, "%s: %s\n", context.category, qPrintable(message));
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Takes "--verbose" out of the words, wherever it stands before "--".
bool takeVerboseOption(QStringList& words)
{
    bool found = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words.at(i) == QLatin1String("--"))
            break;
        if (words.at(i) == QLatin1String("--verbose")) {
            words.remove(i--);
            found = true;
        }
    }
    return found;
}

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(quietMessages);
    // A signal that ends the program takes its temporary files along; what a
    // killed run left behind goes now.
    TemporaryFileRegistry::removeOnTerminatingSignals(TemporaryFileRegistry::SignalEnd::WithStatus);
    WorkingFiles::removeLeftOvers();
    ProcessFiles::removeWhatKilledRunsLeft();
    // Kept as the system gave them: Qt's reading of them may have lost bytes.
    const QByteArrayList given = FileNameBytes::argumentsOf(argc, argv);
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    verboseRun = takeVerboseOption(words) || qEnvironmentVariableIsSet("FIBROLOG_VERBOSE");
    if (verboseRun)
        LogCategories::enableDebugLines();
    // Printing lays out text, which needs the GUI application object; it never
    // shows a window, so it runs on the offscreen platform unless told otherwise.
    std::unique_ptr<QCoreApplication> app;
    // Qt's GUI module wants a runtime folder; without a session (a cron job,
    // a shell over ssh) it would leave one in the temporary folder for good.
    std::unique_ptr<QTemporaryDir> runtimeFolder;
    std::unique_ptr<RegisteredTemporaryFile> runtimeFolderOnSignal;
    if (cliNeedsGuiApplication(words)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            runtimeFolder = std::make_unique<QTemporaryDir>(
                QDir(QDir::tempPath())
                    .filePath(ProcessFiles::nameTemplate(ProcessFiles::kRuntimeFolderPrefix, QString())));
            if (runtimeFolder->isValid()) {
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder->path()));
                runtimeFolderOnSignal = std::make_unique<RegisteredTemporaryFile>(runtimeFolder->path());
            }
        }
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    setApplicationIdentity();
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    takeVerboseOption(arguments);
    // The language of the run follows --locale, else the environment's
    // locale; a name that is no locale is left for the command line to refuse.
    LanguageModules languages;
    QStringList options = arguments;
    try {
        const QString request = takeLocaleOption(options);
        if (request.isEmpty() || lcidOfRequest(request) != 0)
            languages.loadRequested(request, err);
    } catch (const UsageError&) {
    }
    // A name that is no UTF-8 would reach another file, or none: refused
    // before any command touches a file, with exit status 1 like any file
    // that cannot be used (the call itself was well formed).
    if (const QString refused = FileNameBytes::refusalForArguments(given); !refused.isEmpty()) {
        err << "fibrolog-cli: " << refused << '\n';
        err.flush();
        return ExitError;
    }
    const int status = runCli(arguments, out, err);
    out.flush();
    err.flush();
    return status;
}
