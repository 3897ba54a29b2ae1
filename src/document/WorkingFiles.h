#pragma once

#include <QString>
#include <QStringList>

// The temporary files a document makes: working copies of opened files and
// the databases downloads are stored in, all named "_kavcurrent<pid>-....mdb"
// in the working folder (UserFolders::workingFolder()) and owner-only. The document removes each one when
// it is replaced and all of them when it closes; a signal that ends the
// program removes them too, and what a killed program left is removed by the
// next one (removeLeftOvers).
class WorkingFiles
{
public:
    WorkingFiles() = default;
    ~WorkingFiles() { removeAll(); }
    WorkingFiles(const WorkingFiles&) = delete;
    WorkingFiles& operator=(const WorkingFiles&) = delete;

    // A new, unused path; no file is left there yet.
    QString newPath();
    // Copies `source` to a new working file; empty on failure.
    QString copyOf(const QString& source);

    void remove(const QString& path);
    void removeAll();

    // Removes the working files of programs that no longer run; returns how many.
    static int removeLeftOvers();
    bool owns(const QString& path) const { return paths_.contains(path); }

private:
    static const QString kPrefix;
    static const QString kSuffix;

    QStringList paths_;
};
