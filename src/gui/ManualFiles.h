#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the Help menu opens and where the program looks for it: the PDF
// manuals of Help > Manuals and the HTML user guide of Help > User Guide.
// Both are looked for beside the program (a run from the build tree) and
// under the prefix it was built for and the prefix it runs from (an
// installation moved elsewhere), never in the current folder: whoever can
// write a file where the user starts the program would choose what opens.
namespace ManualFiles {

// The file a Help > Manuals command opens; empty for another command.
QString fileFor(int commandId);

// The folders searched for the manuals, in order.
QStringList folders();

// The folders searched for the user guide, in order, for a program in
// `programFolder` built for the guide folder `installedGuideFolder`.
QStringList guideFolders(const QString& programFolder, const QString& installedGuideFolder);
QStringList guideFolders();

// The user guide's page in a guide folder.
QString guidePage();

// The first folder's copy of `file`, if any folder has it.
std::optional<QString> find(const QString& file, const QStringList& folders);

} // namespace ManualFiles
