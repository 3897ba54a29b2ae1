#pragma once

#include <QString>

// While a process builds a file beside a user's file (an output being
// written, a save being built), a note of the folder stays in the user's
// data folder. A signal that ends the program removes the file itself; a
// SIGKILL or a power cut cannot, and the file is in one of the user's
// folders, where no sweep of the temporary folder finds it. The next run of
// the program, whatever it is asked to do, reads the notes of processes that
// are gone and removes what they left in those folders.
class UnfinishedOutputNote
{
public:
    UnfinishedOutputNote() = default;
    ~UnfinishedOutputNote() { reset(QString()); }
    UnfinishedOutputNote(const UnfinishedOutputNote&) = delete;
    UnfinishedOutputNote& operator=(const UnfinishedOutputNote&) = delete;

    // Notes `folder` (before anything is made in it); an empty one takes the
    // note away. A note that cannot be written (no home folder) is left out:
    // the next output or save in that folder still removes what is left there.
    void reset(const QString& folder);

private:
    QString note_;
};

namespace UnfinishedOutputs {

// Removes the user's sibling files (".fibrolog-<pid>-*.part", "*.saving") of
// processes that are gone from every folder a note names, and those notes.
// Returns how many files were removed.
int removeLeftOvers();

} // namespace UnfinishedOutputs
