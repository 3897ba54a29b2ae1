#pragma once

#include <QString>

#include <optional>
#include <sys/types.h>

// What tells one state of a file on disk from another without reading it:
// the device and inode (a file replaced by a rename is another file), the
// size, and the times of the last change to its content and to its inode,
// to the nanosecond. The inode change time cannot be set back by a program,
// so a write that kept the size and restored the modification time still
// shows.
class FileStamp
{
public:
    // The file at `path`, behind any symbolic links; nothing when it is not there.
    static std::optional<FileStamp> of(const QString& path);

    bool operator==(const FileStamp&) const = default;

private:
    FileStamp() = default;

    dev_t device_ = 0;
    ino_t inode_ = 0;
    off_t size_ = 0;
    time_t modifiedSeconds_ = 0;
    long modifiedNanoseconds_ = 0;
    time_t changedSeconds_ = 0;
    long changedNanoseconds_ = 0;
};
