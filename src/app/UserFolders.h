#pragma once

#include <QString>

// The program's own folders, as the XDG base directory rules place them.
// Nothing here is taken from the current folder: a program started from a
// menu has the home folder there, and one started in a shared folder must
// not read or write what others put in it.
namespace UserFolders {

// $XDG_DATA_HOME/fibrolog, else ~/.local/share/fibrolog: the shared
// standards file and the notes of unfinished outputs.
QString dataFolder();

// $XDG_STATE_HOME/fibrolog, else ~/.local/state/fibrolog: the window's log.
QString stateFolder();

// <stateFolder>/downloads: what a meter sent that could not be stored, kept
// for the user. Unlike /tmp, nothing empties it at boot.
QString downloadsFolder();

// Makes `folder` (and its parents, as mkdir -p does), owner-only (0700) when
// it is made here, and checks that it is a folder of the user's own that no
// one else may enter or change. False with the reason in `error` otherwise.
bool makePrivateFolder(const QString& folder, QString* error = nullptr);

// Where working copies and conversions are made: $XDG_RUNTIME_DIR/fibrolog
// when the session's runtime folder is set and sound (the user's own,
// owner-only), else the temporary folder (TMPDIR, else /tmp). Why the
// runtime folder was passed over goes to the log (fibrolog.files).
QString workingFolder();

} // namespace UserFolders
