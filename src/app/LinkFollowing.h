#pragma once

#include <QString>

// The file the program writes when it is asked to write `path`. A symbolic
// link at the end of the path is followed to the file it names, so that the
// link stays a link and its file is written, the way the program replaces a
// file whole (a new file renamed over the old one). Because the program
// follows such links itself (reading them, then writing the file they name),
// the system's protection of shared folders never sees them, and the
// program applies that protection (fs.protected_symlinks) itself: in a
// sticky folder that anyone may write to (/tmp), a link is followed only
// when it belongs to the user or to the folder's owner. Anybody could have
// planted any other one there to have the user overwrite a file of theirs.
namespace LinkFollowing {

// The absolute path of the file to write, or empty with the reason (naming
// `path`) in `error`. A path that names no file yet, or a link to a file that
// does not exist yet, gives where the file is to be made.
QString fileToWrite(const QString& path, QString* error);

} // namespace LinkFollowing
