#pragma once

#include <QString>
#include <QStringList>

// The temporary files a document makes: working copies of opened files and
// the databases downloads are stored in, all named "_kavcurrent....mdb" in the
// temporary folder. The document removes each one when it is replaced and all
// of them when it closes; only a crash leaves them behind.
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
    bool owns(const QString& path) const { return paths_.contains(path); }

private:
    QStringList paths_;
};
