#pragma once

#include <QString>

#include <QtGlobal>

// The window's log, a small file a user can send to support:
// <state folder>/fibrolog.log (~/.local/state/fibrolog/fibrolog.log).
// Warnings and worse are always written; debug lines when the run is verbose
// (--verbose), or when QT_LOGGING_RULES turns on one of our categories.
// Once the file passes kMaxBytes it becomes fibrolog.log.1 (replacing the
// older one) and a new file starts, so the two never hold much more than 2 MB.
// Every message still reaches the handler that was there before (standard
// error), as without the log.
namespace SupportLog {

inline constexpr qint64 kMaxBytes = 1024 * 1024;

// The log file's path.
QString path();

// Installs the handler; called once the application object exists, so the
// platform's own start-up messages go to standard error only. False, with
// the reason in `error`, when the folder cannot be made (nothing is logged
// then, and the program runs on).
bool install(bool verbose, QString* error = nullptr);

// Puts the previous handler back.
void uninstall();

} // namespace SupportLog
