#pragma once

#include <QString>

// Starts the medium's programs and opens its folders and files, each on its
// own: nothing is awaited. Relative names are taken from the medium's
// folder; a bare name that is not there is looked up on the PATH. Programs
// get their arguments as a list, never through a shell.
class ProgramStarter
{
public:
    // `opener` opens a folder or file with the desktop's file manager or
    // viewer and gets the path as its one argument.
    explicit ProgramStarter(QString mediumFolder, QString opener = QStringLiteral("xdg-open"));

    const QString& mediumFolder() const { return mediumFolder_; }
    const QString& opener() const { return opener_; }

    // The program as it will be started.
    QString resolveProgram(const QString& program) const;
    // The path as it will be opened; empty stands for the medium's folder.
    QString resolvePath(const QString& path) const;

    // False when the program cannot be started (missing, not executable);
    // `failed` then names it.
    bool startProgram(const QString& program, QString* failed = nullptr) const;
    // False when the path does not exist or the opener cannot be started;
    // `failed` then names the one that is missing.
    bool openPath(const QString& path, QString* failed = nullptr) const;

private:
    QString mediumFolder_;
    QString opener_;
};
