#include "cli/CliApp.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

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
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const int status = runCli(arguments, out, err);
    out.flush();
    err.flush();
    return status;
}
