#pragma once

#include "app/OperationResult.h"
#include "database/CircuitRowWriter.h"
#include "database/DatabaseFileWriter.h"
#include "database/FiberCursor.h"
#include "document/FileStamp.h"
#include "document/LinkData.h"
#include "document/WorkingFiles.h"
#include "meter/DownloadResult.h"
#include "meter/MeterLink.h"
#include "standards/StandardsCatalog.h"

#include <QObject>
#include <QString>

#include <memory>

class CKAVCompanySet2;
class CKAVFiberSet2;
class CKAVSiteSet2_1;
class CKAVStandardsSet2;
class Database;
class EditHistory;
enum class EditedField;
struct FieldValues;
class JobProgress;
struct ImportResult;
class LinkDataSource;
class SerialPortOpener;
class StatusSink;
class UserPrompt;

// A circuit as a delete found it: its place in the circuits, its evaluated
// record and its row in the file, all that putting it back needs.
struct DeletedCircuit
{
    int index = 0;
    CircuitRecord record;
    StoredRow row;
};

// The one open test database. The user never works on the file itself: an
// open copies it to a working copy in the temporary folder, edits and
// downloads change the working copy, and Save writes it into the file the user
// chooses, merged or overwritten. The document also owns the link to the
// meter and the evaluated circuits of the working database, which views
// follow through its signals. It shows nothing itself: questions and messages
// go through the UserPrompt, status texts through the StatusSink.
//
// Threads: the document lives on one thread (the window's). Only
// transferDownload() may run on another while the document is otherwise left
// alone; it reaches the user through the prompt and status sink, which must
// then be thread-bound ones (ThreadBoundPrompt, ThreadBoundStatus). Every
// other call, and every signal, belongs to the document's thread.
class CFibrologDoc : public QObject
{
    Q_OBJECT

public:
    CFibrologDoc(UserPrompt& prompt, StatusSink& status, SerialPortOpener& ports, QObject* parent = nullptr);
    ~CFibrologDoc() override;

    // File New: a fresh path, title and modified flag; an open working database stays open.
    bool onNewDocument();
    // File Open: refuses download files; otherwise loads the file. On success
    // the path is the opened file and the document is unmodified.
    bool onOpenDocument(const QString& path);
    // Loads by extension: ".kav" is a Pendra or Lintel download, ".kavw" a
    // Corvina download, anything else a test database. `progress` hears of a
    // download being stored and may cancel it.
    bool loadFile(const QString& path, JobProgress* progress = nullptr);
    // Writes the working database into `path` (".mdb" only). False when
    // nothing was saved; the document then stays modified. `progress` hears
    // of the work and may cancel it, which leaves the file as it was.
    // An existing file is overwritten without a question when it is the one
    // the document holds (opened from it or last saved into it whole) and has
    // not changed on disk since; any other existing file, or that one changed
    // meanwhile, is overwritten or merged into as the user answers. A
    // document without a database saves as an empty test database, into a
    // new file only.
    bool onSaveDocument(const QString& path, JobProgress* progress = nullptr);
    // Save: the current path when it can be written to, else Save As.
    bool save();
    bool saveAs();
    // The question before New, Open or Exit when there are unsaved changes.
    // False cancels the pending operation.
    bool saveModified();
    // The Download command: transferDownload() then storeDownload(). True
    // when a download was stored.
    bool download(JobProgress& progress);
    // The meter's part of a download: the search for the meter (when none is
    // known yet) and the transfer into a data file. May run on a worker thread.
    DownloadResult transferDownload(JobProgress& progress);
    // What the user is told of a transfer that gave no download: "Could not
    // get data from device" for the meter or the line, else what happened
    // (no data, incomplete and where its bytes are kept, cancelled).
    static QString transferFailureText(const DownloadResult& transfer);
    // Stores a transferred data file as the new working database; on the
    // document's thread. The data file goes once it is stored; otherwise it
    // stays, and the status text names it.
    bool storeDownload(const QString& dataPath, JobProgress& progress);
    // Who gives the link data of a Corvina download; without one a ".kavw"
    // download is not stored. Not owned; it must outlive its use here.
    void setLinkDataSource(LinkDataSource* source) { linkDataSource_ = source; }
    // The organisations of the working database as the Link Wizard offers
    // them; empty without one. Throws DatabaseException.
    QList<CompanyChoice> companyChoices() const;
    // Closes the working database and removes the document's temporary files.
    void closeDatabase();

    bool hasDatabase() const;

    // The evaluated circuits of the working database, sorted, with the current one.
    const FiberCursor& circuits() const { return cursor_; }
    int currentIndex() const { return cursor_.position(); }
    // Makes the circuit at `index` (clamped) the current one.
    void setCurrentIndex(int index);

    // Edits and the delete of the view, written to the working database at
    // once; each marks the document modified on success. A failure leaves the
    // database and the circuits as they were and gives the reason.
    OperationResult renameCircuit(int index, const QString& circuitId);
    // The link (site) of the circuit at `index`: its ID and its comment.
    OperationResult setLink(int index, const QString& linkId, const QString& comment);
    // The company of the circuit at `index`: the one whose values are shown.
    OperationResult setCompany(int index, const QString& name, const QString& telephone);
    OperationResult deleteCircuit(int index);
    // Puts back a circuit a delete removed, in its place with its row as it
    // was: the undo of a delete. Views start again from it (circuitsReset()).
    OperationResult restoreCircuit(const DeletedCircuit& deleted);
    // The edits and deletes above as steps to undo and redo, with their names
    // for the menu; kept until the working database is closed (New, Open, a
    // stored download), through every save.
    EditHistory& history() { return *history_; }
    Database* database() const { return database_.get(); }
    CKAVFiberSet2* fiberSet() const { return fibers_.get(); }
    CKAVCompanySet2* companySet() const { return companies_.get(); }
    CKAVSiteSet2_1* siteSet() const { return sites_.get(); }
    CKAVStandardsSet2* standardsSet() const { return standards_.get(); }
    StandardsCatalog& catalog() { return catalog_; }
    MeterLink& meterLink() { return meterLink_; }

    const QString& pathName() const { return pathName_; }
    QString title() const;
    bool isModified() const { return modified_; }
    void setModifiedFlag(bool modified = true);
    const QString& workingPath() const { return workingPath_; }
    // Why the last load or save did not happen, for the command line.
    const QString& lastError() const;
    // Fields of the last stored download whose texts were too long and were shortened.
    const QStringList& shortenedFields() const { return shortenedFields_; }
    // What the last save by merge did besides adding rows.
    const DatabaseFileWriter::MergeReport& lastMerge() const { return lastMerge_; }
    // Why the shared standards file could not be read at the last load; empty when it could.
    const QString& standardsProblem() const { return standardsProblem_; }
    // What the last stored download left out and why, one sentence each.
    const QStringList& importOmissions() const { return importOmissions_; }

Q_SIGNALS:
    // The circuits were built anew (a file opened, a download stored, the
    // document closed) or a deleted one was put back: views start again from
    // the current index.
    void circuitsReset();
    // An edit gave circuits new values: one signal for the whole edit, however
    // many circuits share the link or company it changed.
    void circuitsChanged(const CircuitChange& change);
    void circuitAboutToBeRemoved(int index);
    void circuitRemoved(int index);
    void currentIndexChanged(int index);
    void modifiedChanged(bool modified);
    void pathChanged(const QString& path);
    // The meter's data arrived in this file, which goes once they are stored.
    void downloadReceived(const QString& path);

private:
    bool loadDatabase(const QString& path);
    // Closes the working database and removes its working file.
    void releaseDatabase();
    // Asks, then brings a file of an older schema to the current one in place
    // (keeping its ".backup"); false when refused or failed.
    bool convertOlderFile(const QString& path, float version);
    bool openWorkingDatabase(const QString& workingPath);
    // Builds the circuits of the working database (none without one) and tells the views.
    void resetCircuits();
    // Marks the document modified and tells the views what an edit changed.
    void editDone(IndexRanges circuits, CircuitChange::Part part);
    // Makes a field edit a step of the history, unless it changed nothing or
    // is the history's own undo or redo.
    void recordEdit(EditedField field, const RecordId& key, const FieldValues& before,
                    const FieldValues& after);
    bool importDownload(const QString& path, JobProgress* progress = nullptr);
    bool importCorvinaDownload(const QString& path, JobProgress* progress = nullptr);
    // Makes a stored download the working database, or forgets a store that
    // failed and keeps its reason.
    bool adoptImport(const ImportResult& result, const QString& target);
    void setPathName(const QString& path);
    // Starts an empty working database, for saving a document that has none.
    bool startEmptyDatabase();
    // The working database now is the content of `path`, as `stamp` found it
    // before; forgotten when the file changed in between.
    void holdFileContent(const QString& path, const std::optional<FileStamp>& stamp);
    // Whether `target` is the file whose content the working database is.
    bool holdsContentOf(const QString& target) const;
    void warn(int textId, int captionId);
    void reportStandardsProblem(const QString& problem);

    UserPrompt& prompt_;
    StatusSink& status_;
    MeterLink meterLink_;
    LinkDataSource* linkDataSource_ = nullptr;
    StandardsCatalog catalog_;
    WorkingFiles workingFiles_;
    std::unique_ptr<Database> database_;
    std::unique_ptr<CKAVFiberSet2> fibers_;
    std::unique_ptr<CKAVCompanySet2> companies_;
    std::unique_ptr<CKAVSiteSet2_1> sites_;
    std::unique_ptr<CKAVStandardsSet2> standards_;
    QString workingPath_;
    QString pathName_;
    // The file whose content the working database is, as it was on disk then:
    // saving back into it unchanged needs no question. Forgotten whenever the
    // working database is replaced or saved by merge.
    struct HeldFile
    {
        QString path; // canonical
        FileStamp stamp;
    };
    std::optional<HeldFile> heldFile_;
    bool modified_ = false;
    QString lastError_;
    QStringList shortenedFields_;
    QStringList importOmissions_;
    QString standardsProblem_;
    DatabaseFileWriter::MergeReport lastMerge_;
    FiberCursor cursor_;
    std::unique_ptr<EditHistory> history_;
};
