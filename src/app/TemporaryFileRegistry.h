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

// Handlers for the signals that end a program (SIGINT, SIGTERM, SIGHUP,
// SIGQUIT): they remove the registered files and end the process as the
// signal would have. A handler installed later for SIGINT or SIGTERM (a
// job's cancel) takes precedence while it is installed. SIGXFSZ (a file size
// limit reached) is ignored instead, so the write fails with "File too
// large" and the operation cleans up and says so like any full disk.
void removeOnTerminatingSignals();

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
