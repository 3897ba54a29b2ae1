#include "app/UnfinishedOutputs.h"

#include "app/ProcessFiles.h"
#include "app/TemporaryFileRegistry.h"
#include "app/UserFolders.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A note is a symbolic link "<pid>-XXXXXX" to the folder: made and removed
// in one step each, and it holds any path.
QString notesFolder()
{
    return QDir(UserFolders::dataFolder()).filePath(QStringLiteral("unfinished"));
}

// The notes name the user's folders: nobody else reads them.
bool makeNotesFolder(const QString& folder)
{
    return UserFolders::makePrivateFolder(UserFolders::dataFolder()) &&
           UserFolders::makePrivateFolder(folder);
}

} // namespace

void UnfinishedOutputNote::reset(const QString& folder)
{
    if (!note_.isEmpty()) {
        ::unlink(QFile::encodeName(note_).constData());
        TemporaryFileRegistry::forget(note_);
        note_.clear();
    }
    if (folder.isEmpty())
        return;
    const QString notes = notesFolder();
    if (!makeNotesFolder(notes))
        return;
    const QByteArray target = QFile::encodeName(QDir(folder).absolutePath());
    for (int attempt = 0; attempt < 10; ++attempt) {
        // Registered like the files it notes: a signal that ends the program
        // removes them and the note together.
        const QString note = ProcessFiles::newRegisteredFile(notes, QString(), QString(), false);
        if (note.isEmpty())
            return;
        if (::symlink(target.constData(), QFile::encodeName(note).constData()) == 0) {
            note_ = note;
            return;
        }
        const int reason = errno;
        TemporaryFileRegistry::forget(note);
        if (reason != EEXIST)
            return;
    }
}

namespace UnfinishedOutputs {

int removeLeftOvers()
{
    const QDir notes(notesFolder());
    int removed = 0;
    for (const QString& name :
         notes.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (!ProcessFiles::isLeftOver(name, QString()))
            continue;
        const QString note = notes.filePath(name);
        const QString folder = QFile::symLinkTarget(note);
        if (!folder.isEmpty())
            removed += ProcessFiles::removeLeftOvers(
                folder, ProcessFiles::kSiblingPrefix,
                {ProcessFiles::kPartialOutputSuffix, ProcessFiles::kSavingSuffix});
        ::unlink(QFile::encodeName(note).constData());
    }
    return removed;
}

} // namespace UnfinishedOutputs
