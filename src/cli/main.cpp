#include "app/ApplicationIdentity.h"
#include "cli/CliApp.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

// The commands report what went wrong themselves; the library's diagnostic
// lines are shown only when asked for with FIBROLOG_VERBOSE.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) {
        if (!qEnvironmentVariableIsSet("FIBROLOG_VERBOSE"))
            return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char* argv[])
{
    qInstallMessageHandler(quietMessages);
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words << QString::fromLocal8Bit(argv[i]);
    // Printing lays out text, which needs the GUI application object; it never
    // shows a window, so it runs on the offscreen platform unless told otherwise.
    std::unique_ptr<QCoreApplication> app;
    if (cliNeedsGuiApplication(words)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    setApplicationIdentity();
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const int status = runCli(arguments, out, err);
    out.flush();
    err.flush();
    return status;
}
