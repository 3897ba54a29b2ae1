#pragma once

#include <QLoggingCategory>

// The program's diagnostic lines, one category for each part a support
// person asks about. Their debug lines are off unless --verbose or
// QT_LOGGING_RULES (for example "fibrolog.meter.debug=true") turns them on;
// warnings are on.
Q_DECLARE_LOGGING_CATEGORY(lcMeter)    // "fibrolog.meter": ports probed and opened, what the meter sent
Q_DECLARE_LOGGING_CATEGORY(lcDatabase) // "fibrolog.database": the shared standards file, conversions
Q_DECLARE_LOGGING_CATEGORY(lcDocument) // "fibrolog.document": files opened, saved, merged
Q_DECLARE_LOGGING_CATEGORY(lcFiles)    // "fibrolog.files": working copies, downloads kept, folders
Q_DECLARE_LOGGING_CATEGORY(lcReport)   // "fibrolog.report": reports written and printed
Q_DECLARE_LOGGING_CATEGORY(lcGui)      // "fibrolog.gui": the window's settings and log

namespace LogCategories {

// What --verbose turns on: every debug line of the categories above. Rules
// from QT_LOGGING_RULES still take precedence, as Qt orders them.
void enableDebugLines();

// True for a category of ours ("fibrolog." and more), as a message handler
// tells our lines from Qt's own.
bool isOurs(const char* category);

} // namespace LogCategories
