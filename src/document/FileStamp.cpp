#include "document/FileStamp.h"

#include <QFile>

#include <sys/stat.h>

std::optional<FileStamp> FileStamp::of(const QString& path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    FileStamp stamp;
    stamp.device_ = info.st_dev;
    stamp.inode_ = info.st_ino;
    stamp.size_ = info.st_size;
    stamp.modifiedSeconds_ = info.st_mtim.tv_sec;
    stamp.modifiedNanoseconds_ = info.st_mtim.tv_nsec;
    stamp.changedSeconds_ = info.st_ctim.tv_sec;
    stamp.changedNanoseconds_ = info.st_ctim.tv_nsec;
    return stamp;
}
