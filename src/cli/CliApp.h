#pragma once

#include <QStringList>
#include <QTextStream>

// Exit statuses of fibrolog-cli.
enum CliExit : int
{
    ExitOk = 0,
    ExitError = 1,
    ExitUsage = 2,
    // Stopped by a signal, as a shell reports one (128 + its number), also
    // when the command caught it to cancel its job and clean up.
    ExitInterrupted = 130, // SIGINT (Ctrl+C)
    ExitTerminated = 143,  // SIGTERM
    ExitCancelled = ExitInterrupted,
};

// Runs fibrolog-cli with its arguments (without the program name), writing to
// the given streams. Used by main() and, in process, by the tests.
int runCli(const QStringList& arguments, QTextStream& out, QTextStream& err);

// "fibrolog-cli --help": every command's synopsis and summary, the global
// options, the output split and the exit statuses.
QString cliUsage();

struct CommandSpec;
// "fibrolog-cli COMMAND --help": that command's synopsis, what it does and
// its options.
QString commandUsage(const CommandSpec& command);

// "fibrolog-cli VERSION".
QString cliVersion();

// Whether the command these arguments name draws text or images and so needs
// the GUI application object (on the offscreen platform when headless).
bool cliNeedsGuiApplication(const QStringList& arguments);
