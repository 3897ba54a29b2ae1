#pragma once

#include "app/UnfinishedOutputs.h"

#include <QString>

#include <functional>

#include <sys/stat.h>

// A user's file that is about to be replaced as a whole (a save, a schema
// upgrade). It stands for the real file behind any symbolic links, so the
// link stays a link (a link a stranger planted in a shared folder is not
// followed: see LinkFollowing); it takes the lock that every program
// replacing that file takes, so two savers never both succeed with one's rows
// lost; the new content is built in a sibling file of a name of its own,
// which is renamed over the file only when it is complete, with the file's
// mode, owner and group (owner-only for a new file).
class TargetFile
{
public:
    explicit TargetFile(const QString& path);
    ~TargetFile();
    TargetFile(const TargetFile&) = delete;
    TargetFile& operator=(const TargetFile&) = delete;

    // How long a saver waits for another one to finish.
    static constexpr int kLockWaitMs = 15000;

    // The real file (the path given when it is no link).
    const QString& path() const { return path_; }
    bool exists() const { return exists_; }
    // A file that exists and is no regular file (a folder, a device, a FIFO)
    // is never replaced, nor one with other names (hard links), which the
    // rename would part from it, nor one behind a link that is not followed,
    // nor one whose name may stand for other bytes; `error` says why, naming it.
    bool isReplaceable(QString* error) const;
    // A file without its write bit is read-only to its owner's mind, also
    // when the program runs with the rights to replace it anyway (root, or
    // a user who may write the folder): every replacing program refuses it.
    bool isReadOnly() const;

    // Waits up to `waitMs` for other programs replacing the same file, and
    // no longer once `stop` (asked between tries) answers true. The lock is a
    // file beside it, which any user who may write the folder can take after
    // a saver was killed.
    bool lock(QString* error, int waitMs = kLockWaitMs, const std::function<bool()>& stop = {});
    bool isLocked() const { return lockFd_ >= 0; }

    // The sibling file the new content goes into: created empty, owner-only.
    QString createSibling(QString* error);
    // Makes the sibling the file: synced to the disk, given the file's mode
    // and owner, renamed over it. On failure the sibling is removed and the
    // file is as it was.
    // Gives up, as cancelled, when `stop` says so after the copy is on disk
    // and before it replaces the file.
    bool commit(QString* error, const std::function<bool()>& stop = {});
    void discardSibling();

private:
    void unlock();

    QString path_;
    QString refusal_; // why the path given may not be replaced, found as it was followed
    bool exists_ = false;
    struct stat original_
    {
    };
    int lockFd_ = -1;
    QString lockPath_;
    QString sibling_;
    UnfinishedOutputNote note_;
};
