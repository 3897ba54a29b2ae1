#pragma once

#include <QDir>
#include <QString>

// Makes `folder` the current folder for one test and goes back afterwards:
// a file lying in the current folder must not be taken for a default.
class CurrentFolderGuard
{
public:
    explicit CurrentFolderGuard(const QString& folder) : previous_(QDir::currentPath())
    {
        QDir::setCurrent(folder);
    }
    ~CurrentFolderGuard() { QDir::setCurrent(previous_); }
    CurrentFolderGuard(const CurrentFolderGuard&) = delete;
    CurrentFolderGuard& operator=(const CurrentFolderGuard&) = delete;

private:
    QString previous_;
};
