#pragma once

#include <QString>

// The files a process makes for a while (working copies, files being built
// beside their target, outputs being written) and must not leave behind when
// it is stopped by a signal. The list is kept in plain memory so that a
// signal handler may remove them (unlink and rmdir are safe there).
namespace TemporaryFileRegistry {

// Adds a file (or an empty folder) to remove on a signal; its SQLite
// journal ("-journal") goes with a file too.
void add(const QString& path);
void forget(const QString& path);

// Removes every registered file. Safe to call from a signal handler.
void removeAllNow();

// How a process ends on one of those signals once its files are gone.
enum class SignalEnd
{
    // As the signal would have ended it (the window: a session that ends).
    ByTheSignal,
    // With the exit status 128 + the signal's number (130 for SIGINT, 143
    // for SIGTERM), as the command line's contract says; scripts and
    // programs that start it see a status, not a crash.
    WithStatus,
};

// Handlers for the signals that end a program (SIGINT, SIGTERM, SIGHUP,
// SIGQUIT): they remove the registered files and end the process as `end`
// says. A handler installed later for SIGINT or SIGTERM (a job's cancel)
// takes precedence while it is installed. SIGXFSZ (a file size limit
// reached) is ignored instead, so the write fails with "File too large" and
// the operation cleans up and says so like any full disk.
void removeOnTerminatingSignals(SignalEnd end = SignalEnd::ByTheSignal);

// Removes every registered file and ends the process as the handlers set
// up above would. Safe to call from a signal handler.
[[noreturn]] void removeAllAndEnd(int signalNumber);

} // namespace TemporaryFileRegistry

// Registers a path for the scope's lifetime.
class RegisteredTemporaryFile
{
public:
    explicit RegisteredTemporaryFile(const QString& path = QString());
    ~RegisteredTemporaryFile();
    RegisteredTemporaryFile(const RegisteredTemporaryFile&) = delete;
    RegisteredTemporaryFile& operator=(const RegisteredTemporaryFile&) = delete;

    void reset(const QString& path);
    const QString& path() const { return path_; }

private:
    QString path_;
};
