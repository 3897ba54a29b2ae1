#pragma once

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <utility>
#include <vector>

// Points the temporary folder (TMPDIR) and the program's state folder
// (XDG_STATE_HOME, where downloads are kept) at a fresh, empty folder for one
// test, so the test can see every file a download leaves behind. The
// session's runtime folder is taken away meanwhile: working copies go to
// the temporary folder, where the test sees them.
class TempFolderGuard
{
public:
    TempFolderGuard()
    {
        set("TMPDIR", folder_.path().toLocal8Bit());
        set("XDG_STATE_HOME", QFile::encodeName(folder_.filePath(QStringLiteral("state"))));
        set("XDG_RUNTIME_DIR", QByteArray());
    }
    ~TempFolderGuard()
    {
        for (const auto& [name, previous] : previous_) {
            if (previous.isNull())
                qunsetenv(name);
            else
                qputenv(name, previous);
        }
    }
    TempFolderGuard(const TempFolderGuard&) = delete;
    TempFolderGuard& operator=(const TempFolderGuard&) = delete;

    QString path() const { return folder_.path(); }
    // Where the program keeps a download it could not store.
    QString downloads() const { return folder_.filePath(QStringLiteral("state/fibrolog/downloads")); }
    // The files in the temporary folder and the kept downloads, by name.
    QStringList files() const
    {
        return QDir(path()).entryList(QDir::Files | QDir::Hidden) +
               QDir(downloads()).entryList(QDir::Files | QDir::Hidden);
    }

private:
    // Null for a variable that was not set; an empty value unsets it.
    void set(const char* name, const QByteArray& value)
    {
        previous_.emplace_back(name, qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray());
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }

    QTemporaryDir folder_;
    std::vector<std::pair<const char*, QByteArray>> previous_;
};
