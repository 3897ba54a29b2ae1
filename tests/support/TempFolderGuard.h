#pragma once

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

// Points the temporary folder (TMPDIR) at a fresh, empty folder for one test,
// so the test can see every file a download leaves behind.
class TempFolderGuard
{
public:
    TempFolderGuard() : previous_(qgetenv("TMPDIR")), hadPrevious_(qEnvironmentVariableIsSet("TMPDIR"))
    {
        qputenv("TMPDIR", folder_.path().toLocal8Bit());
    }
    ~TempFolderGuard()
    {
        if (hadPrevious_)
            qputenv("TMPDIR", previous_);
        else
            qunsetenv("TMPDIR");
    }
    TempFolderGuard(const TempFolderGuard&) = delete;
    TempFolderGuard& operator=(const TempFolderGuard&) = delete;

    QString path() const { return folder_.path(); }
    QStringList files() const { return QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden); }

private:
    QTemporaryDir folder_;
    QByteArray previous_;
    bool hadPrevious_;
};
