#pragma once

#include <QString>

#include <optional>

// Starts the medium's programs and opens its folders and files, each on its
// own: nothing is awaited. Every name comes from the medium's Languages.ini
// and stands for a file inside the medium's folder: relative names are taken
// from that folder, and a name that leads out of it ("../", an absolute path
// elsewhere, a link on the medium that points elsewhere) or is not there is
// refused. Nothing is looked up on the PATH: a medium that lacks its
// installer must not start whatever program of that name the user has.
// Programs get their arguments as a list, never through a shell.
class ProgramStarter
{
public:
    // `opener` is the desktop's program that opens a folder or file with
    // the file manager or viewer (the desktop's own, so it is looked up on
    // the PATH); it gets the path as its one argument.
    explicit ProgramStarter(QString mediumFolder, QString opener = QStringLiteral("xdg-open"));

    const QString& mediumFolder() const { return mediumFolder_; }
    const QString& opener() const { return opener_; }

    // The name as a path in the medium's folder, for messages; empty stands
    // for the folder itself.
    QString pathOnMedium(const QString& name) const;
    // The existing file or folder `name` stands for, with links followed;
    // nothing when it is not there or lies outside the medium's folder.
    std::optional<QString> insideMedium(const QString& name) const;

    // False when the program is not an executable file inside the medium's
    // folder or cannot be started; `failed` then names it.
    bool startProgram(const QString& program, QString* failed = nullptr) const;
    // False when the path is not inside the medium's folder or the opener
    // cannot be started; `failed` then names the one that is missing.
    bool openPath(const QString& path, QString* failed = nullptr) const;

private:
    QString mediumFolder_;
    QString opener_;
};
