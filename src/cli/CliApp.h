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

QString cliUsage();

// Whether the command these arguments name draws text or images and so needs
// the GUI application object (on the offscreen platform when headless).
bool cliNeedsGuiApplication(const QStringList& arguments);
