#include "document/CFibrologDoc.h"

#include "app/JobProgress.h"
#include "app/JobRunner.h"
#include "app/LogCategories.h"
#include "app/StatusSink.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "app/UserFolders.h"
#include "app/UserPrompt.h"
#include "database/CKAVCompanySet2.h"
#include "database/CKAVFiberSet2.h"
#include "database/CKAVSiteSet2_1.h"
#include "database/CKAVStandardsSet2.h"
#include "database/CircuitFile.h"
#include "database/CircuitRowWriter.h"
#include "database/CustomStandardsLoader.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/DatabaseFileWriter.h"
#include "database/FileUpgrade.h"
#include "database/SchemaVersions.h"
#include "database/TestDatabaseSchema.h"
#include "document/CorvinaImporter.h"
#include "document/DownloadImporter.h"
#include "document/EditHistory.h"
#include "document/EditSteps.h"
#include "document/LinkDataSource.h"
#include "document/WorkingDatabase.h"
#include "meter/CorvinaParser.h"
#include "meter/DownloadCompleteness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtDebug>

namespace {

bool hasExtension(const QString& path, const char* extension)
{
    return QFileInfo(path).fileName().endsWith(QLatin1String(extension), Qt::CaseInsensitive);
}

QString formatted(int id, const QString& path)
{
    return Strings::formatMessage(Strings::loadString(id), {QDir::toNativeSeparators(path)});
}

QString fileTitle(int id, const QString& path)
{
    return Strings::formatMessage(Strings::loadString(id), {QFileInfo(path).fileName()});
}

// A save that failed: what the user is asked to do, then the system's reason.
OperationResult saveFailure(const QString& why)
{
    QString message = Strings::loadString(StringId::FailedToSave);
    if (!why.isEmpty())
        message += QLatin1Char('\n') + why;
    qCWarning(lcDocument).noquote() << "Saving failed:" << why;
    return OperationResult::failure(message);
}

// A step of a save as the user hears of it: done; cancelled, which is the
// user's own choice and leaves the file as it was, all there is to say; or
// failed, with the reason.
OperationResult saveStepOutcome(bool done, const JobProgress& progress, const QString& why,
                                const QString& path)
{
    if (done)
        return OperationResult::success();
    if (progress.isCancelled())
        return OperationResult::cancelled(formatted(StringId::SaveCancelled, path));
    return saveFailure(why);
}

// What an import's result means for the user.
OperationResult importOutcome(const ImportResult& imported)
{
    if (imported.status == ImportResult::Status::Cancelled)
        return OperationResult::cancelled(imported.message);
    if (!imported.stored())
        return OperationResult::failure(imported.message);
    return OperationResult::success();
}

// Sets a flag for as long as it lives.
class BusyScope
{
public:
    explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
};

} // namespace

CFibrologDoc::CFibrologDoc(UserPrompt& prompt, StatusSink& status, SerialPortOpener& ports, QObject* parent)
    : QObject(parent), prompt_(prompt), status_(status), meterLink_(ports, prompt, status),
      ownRunner_(std::make_unique<InPlaceJobRunner>()), runner_(ownRunner_.get()),
      history_(std::make_unique<EditHistory>())
{
    // Keys typed on another circuit are another step.
    connect(this, &CFibrologDoc::currentIndexChanged, history_.get(), &EditHistory::endTyping);
    reportStandardsProblem(CustomStandards::loadSharedStandards(catalog_));
}

void CFibrologDoc::setJobRunner(JobRunner* runner)
{
    runner_ = runner ? runner : ownRunner_.get();
}

OperationResult CFibrologDoc::runJob(const QString& title,
                                     const std::function<OperationResult(JobProgress&)>& step)
{
    const BusyScope busy(busy_);
    return runner_->run(title, step);
}

OperationResult CFibrologDoc::runPreparation(const QString& title,
                                             const std::function<OperationResult(JobProgress&)>& step)
{
    const BusyScope busy(busy_);
    return runner_->runPreparation(title, step);
}

void CFibrologDoc::reportStandardsProblem(const QString& problem)
{
    standardsProblem_ = problem;
    if (!problem.isEmpty())
        status_.showStatusText(problem);
}

CFibrologDoc::~CFibrologDoc()
{
    closeDatabase();
}

bool CFibrologDoc::hasDatabase() const
{
    return database_ && fibers_ && companies_ && sites_ && standards_;
}

QString CFibrologDoc::title() const
{
    if (pathName_.isEmpty())
        return QStringLiteral("FibLog");
    return QFileInfo(pathName_).fileName();
}

void CFibrologDoc::setModifiedFlag(bool modified)
{
    if (modified_ == modified)
        return;
    modified_ = modified;
    Q_EMIT modifiedChanged(modified);
}

void CFibrologDoc::setPathName(const QString& path)
{
    pathName_ = path;
    Q_EMIT pathChanged(path);
}

bool CFibrologDoc::onNewDocument()
{
    heldFile_.reset();
    setPathName(QString());
    setModifiedFlag(false);
    return true;
}

OperationResult CFibrologDoc::onOpenDocument(const QString& path)
{
    if (hasExtension(path, ".kav") || hasExtension(path, ".kavw"))
        return OperationResult::failure(formatted(StringId::DownloadNotOpenedAsDocument, path));
    const std::optional<FileStamp> before = FileStamp::of(path);
    qCDebug(lcDocument).noquote() << "Opening" << path;
    const OperationResult loaded = loadFile(path);
    if (!loaded) {
        qCDebug(lcDocument).noquote() << "Not opened:" << path << loaded.message();
        return loaded;
    }
    setPathName(QFileInfo(path).absoluteFilePath());
    setModifiedFlag(false);
    holdFileContent(path, before);
    return loaded;
}

OperationResult CFibrologDoc::loadFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    if (!name.contains(QLatin1Char('.')) || hasExtension(name, ".kav"))
        return importDownload(path);
    if (hasExtension(name, ".kavw"))
        return importCorvinaDownload(path);
    return loadDatabase(path);
}

void CFibrologDoc::releaseDatabase(bool tellViews)
{
    const bool hadDatabase = database_ != nullptr;
    // The steps name rows of this working database only.
    history_->clear();
    heldFile_.reset();
    if (database_ || !cursor_.isEmpty()) {
        // Closing a large database and freeing its circuits takes longer than
        // the window may wait: it is done on a thread of its own. The file
        // goes now; the connection keeps what it still needs until it closes.
        auto retired = std::make_unique<WorkingDatabase>();
        retired->circuits = std::move(cursor_);
        retired->standards = std::move(standards_);
        retired->sites = std::move(sites_);
        retired->companies = std::move(companies_);
        retired->fibers = std::move(fibers_);
        retired->database = std::move(database_);
        disposal_.dispose(std::move(retired));
    }
    cursor_.clear();
    workingFiles_.remove(workingPath_);
    workingPath_.clear();
    if (hadDatabase && tellViews)
        Q_EMIT circuitsReset();
}

void CFibrologDoc::closeDatabase()
{
    releaseDatabase();
    workingFiles_.removeAll();
}

void CFibrologDoc::adopt(WorkingDatabase& working)
{
    releaseDatabase(false);
    database_ = std::move(working.database);
    fibers_ = std::move(working.fibers);
    companies_ = std::move(working.companies);
    sites_ = std::move(working.sites);
    standards_ = std::move(working.standards);
    workingPath_ = working.path;
    catalog_ = std::move(working.catalog);
    cursor_ = std::move(working.circuits);
    reportStandardsProblem(working.standardsProblem);
    if (!working.circuitsProblem.isEmpty())
        status_.showStatusText(working.circuitsProblem);
    Q_EMIT circuitsReset();
    Q_EMIT currentIndexChanged(cursor_.position());
}

OperationResult CFibrologDoc::adoptOrDiscard(const OperationResult& built, WorkingDatabase& working,
                                             const QString& target)
{
    if (!built) {
        workingFiles_.remove(target);
        return built;
    }
    adopt(working);
    return built;
}

OperationResult CFibrologDoc::loadDatabase(const QString& path)
{
    const QString title = fileTitle(StringId::JobOpening, path);
    const QString working = workingFiles_.newPath();
    if (working.isEmpty())
        return OperationResult::failure(Strings::loadString(StringId::ErrorOccurred) +
                                        formatted(StringId::CannotCopyToTemporary, path));
    WorkingDatabase opened;
    // Working on the user's file itself would turn a later save into a merge
    // of the file with itself: the document works on a copy. An older file
    // is converted on a copy too, which the document then works on; the file
    // is replaced by its conversion (keeping a ".backup") only once all went
    // well, so a cancel anywhere before leaves it as it was.
    auto openCopyOf = [&](const QString& source, JobProgress& progress) -> OperationResult {
        QString why;
        if (!copyFileOver(source, working, &why, CopyMode::OwnerOnly, &progress, title)) {
            if (progress.isCancelled())
                return OperationResult::cancelled();
            return OperationResult::failure(Strings::loadString(StringId::ErrorOccurred) +
                                            formatted(StringId::CannotCopyToTemporary, path) +
                                            QLatin1Char('\n') + why);
        }
        return opened.open(working, progress);
    };
    // Telling the version reads the file through the engine, which takes a
    // while on a large one. A file in the current format is then opened in
    // the same step, so the one Cancel the user sees stops the whole open;
    // an older one is converted only once the user has said yes.
    float version = 0.0f;
    const OperationResult probed = runPreparation(title, [&](JobProgress& progress) -> OperationResult {
        version = SchemaVersions::detectVersion(path);
        if (version == 0.0f)
            return OperationResult::failure(CircuitFile::whyNotATestDatabase(path));
        if (progress.isCancelled())
            return OperationResult::cancelled();
        return version == kCurrentSchemaVersion ? openCopyOf(path, progress) : OperationResult::success();
    });
    if (!probed || version == kCurrentSchemaVersion)
        return adoptOrDiscard(probed, opened, working);

    // Before the question about a 2.0 file the open database is already
    // closed: answering No leaves the document without one.
    const bool version1 = version < kSchemaVersion2;
    if (!version1)
        releaseDatabase();
    const int question = version1 ? StringId::ConvertVersion1Question : StringId::ConvertVersion2Question;
    if (prompt_.askYesNo(Strings::loadString(question), QString(), PromptIcon::Exclamation) !=
        PromptAnswer::Yes)
        return adoptOrDiscard(OperationResult::cancelled(), opened, working);
    const OperationResult built =
        runJob(fileTitle(StringId::JobConverting, path), [&](JobProgress& progress) -> OperationResult {
            const FileUpgradeResult upgraded = upgradeFileInPlace(
                path, &progress, [&](const QString& source) { return openCopyOf(source, progress); });
            if (upgraded.ok)
                return OperationResult::success();
            // Opened, but the file could not be replaced: nothing is shown of it.
            opened.close();
            if (upgraded.cancelled)
                return OperationResult::cancelled();
            // Its own words may already say that it could not be converted.
            const QString unable = Strings::loadString(StringId::UnableToConvert);
            return OperationResult::failure(upgraded.error.startsWith(unable)
                                                ? upgraded.error
                                                : unable + QLatin1Char('\n') + upgraded.error);
        });
    return adoptOrDiscard(built, opened, working);
}

OperationResult CFibrologDoc::importDownload(const QString& path)
{
    const QString target = workingFiles_.newPath();
    WorkingDatabase stored;
    ImportResult imported;
    const OperationResult built =
        runJob(Strings::loadString(StringId::StoringDownload), [&](JobProgress& progress) {
            imported = DownloadImporter::importFile(path, target, &progress);
            const OperationResult outcome = importOutcome(imported);
            return outcome ? stored.open(target, progress) : outcome;
        });
    if (built) {
        shortenedFields_ = imported.shortened;
        importOmissions_ = imported.omissions.describe();
    }
    return adoptOrDiscard(built, stored, target);
}

OperationResult CFibrologDoc::importCorvinaDownload(const QString& path)
{
    const QString title = Strings::loadString(StringId::StoringDownload);
    CorvinaDownload download;
    const OperationResult read = runPreparation(title, [&](JobProgress&) {
        QString error;
        if (!CorvinaParser::parseFile(path, download, &error))
            return OperationResult::failure(Strings::loadString(StringId::ErrorOccurred) + error);
        if (!download.ok())
            return OperationResult::failure(CorvinaImporter::problemMessage(download));
        // Nothing to store is said before the user is asked for link data.
        if (!download.hasReadings())
            return OperationResult::failure(CorvinaImporter::nothingToStoreMessage(download));
        // As for every download: readings whose data end inside a record
        // were cut short, and the last value may be half of one.
        if (DownloadCompleteness::fileEndsInsideRecord(path))
            return OperationResult::failure(DownloadCompleteness::message(path));
        return OperationResult::success();
    });
    if (!read)
        return read;
    if (!linkDataSource_)
        return OperationResult::failure(Strings::loadString(StringId::CorvinaNeedsLinkData));
    const CorvinaMeterInfo meter = CorvinaImporter::meterInfo(download);
    QList<CompanyChoice> companies;
    try {
        companies = companyChoices();
    } catch (const DatabaseException& e) {
        // The list is an offer; a new organisation can still be made.
        qCWarning(lcDocument).noquote()
            << "The organisations of the open file could not be read:" << e.description();
    }
    const std::optional<LinkData> link = linkDataSource_->askLinkData(meter, companies);
    if (!link)
        return OperationResult::cancelled();
    if (const QString invalid = validateLinkData(*link); !invalid.isEmpty())
        return OperationResult::failure(invalid);
    const QString target = workingFiles_.newPath();
    WorkingDatabase stored;
    ImportResult imported;
    const OperationResult built = runJob(title, [&](JobProgress& progress) {
        imported = CorvinaImporter::store(download, *link, meter, target, &progress);
        const OperationResult outcome = importOutcome(imported);
        return outcome ? stored.open(target, progress) : outcome;
    });
    if (built) {
        shortenedFields_ = imported.shortened;
        importOmissions_ = CorvinaImporter::omissions(download);
    }
    return adoptOrDiscard(built, stored, target);
}

QList<CompanyChoice> CFibrologDoc::companyChoices() const
{
    if (!database_)
        return {};
    return listCompanyChoices(*database_);
}

QString CFibrologDoc::transferFailureText(const DownloadResult& transfer)
{
    switch (transfer.status) {
    case DownloadStatus::NoData:     // the meter had nothing to give, which is no failure of the line
    case DownloadStatus::Incomplete: // it says where the bytes that came are kept
        return transfer.detail;
    case DownloadStatus::Cancelled:
        return Strings::loadString(StringId::OperationCancelled);
    case DownloadStatus::NoMeter:     // the port the user chose refused or gave no answer,
    case DownloadStatus::PortFailure: // or the found port could not be taken: the user can act on why
        if (!transfer.detail.isEmpty())
            return Strings::loadString(StringId::CouldNotGetData) + QStringLiteral(": ") + transfer.detail;
        return Strings::loadString(StringId::CouldNotGetData);
    default:
        return Strings::loadString(StringId::CouldNotGetData);
    }
}

DownloadResult CFibrologDoc::transferDownload(JobProgress& progress)
{
    status_.showStatus(StringId::InitiatingDownload);
    const DownloadResult transfer = meterLink_.downloadToFile(progress);
    if (!transfer.ok()) {
        // A meter that answered with nothing had no data to give: that is
        // said as such, not as a failure of the line.
        status_.showStatusText(transferFailureText(transfer));
    }
    return transfer;
}

OperationResult CFibrologDoc::storeDownload(const QString& dataPath)
{
    Q_EMIT downloadReceived(dataPath);
    const bool wasModified = modified_;
    setModifiedFlag(true);
    // ".kavw" for a Corvina meter, ".kav" for the others.
    const OperationResult stored =
        hasExtension(dataPath, ".kavw") ? importCorvinaDownload(dataPath) : importDownload(dataPath);
    if (stored) {
        qCDebug(lcDocument).noquote() << "Stored the download" << dataPath;
        QFile::remove(dataPath);
        // What was left out is said in the same breath, so it cannot be missed.
        QStringList status{Strings::loadString(StringId::DownloadSuccessful)};
        status << importOmissions_;
        status_.showStatusText(status.join(QLatin1Char(' ')));
        return stored;
    }
    // Nothing was stored: the document is as it was, and the raw data stay
    // in the downloads folder, which the message says.
    qCWarning(lcDocument).noquote() << "The download" << dataPath << "was not stored:" << stored.message();
    setModifiedFlag(wasModified);
    QString message = stored.message();
    if (!message.contains(dataPath))
        message +=
            QLatin1Char(' ') + Strings::formatMessage(Strings::loadString(StringId::DownloadDataKeptIn),
                                                      {QDir::toNativeSeparators(dataPath)});
    status_.showStatusText(message);
    return stored.isCancelled() ? OperationResult::cancelled(message) : OperationResult::failure(message);
}

void CFibrologDoc::setCurrentIndex(int index)
{
    const int before = cursor_.position();
    if (cursor_.setPosition(index) != before)
        Q_EMIT currentIndexChanged(cursor_.position());
}

void CFibrologDoc::editDone(IndexRanges circuits, CircuitChange::Part part)
{
    setModifiedFlag(true);
    if (!circuits.isEmpty())
        Q_EMIT circuitsChanged(CircuitChange{std::move(circuits), part});
}

namespace {

OperationResult noSuchCircuit()
{
    return OperationResult::failure(QStringLiteral("There is no such circuit."));
}

// While a job reads or replaces the working database, nothing else writes it.
OperationResult busyRefusal()
{
    return OperationResult::failure(Strings::loadString(StringId::DocumentBusy));
}

} // namespace

void CFibrologDoc::recordEdit(EditedField field, const RecordId& key, const FieldValues& before,
                              const FieldValues& after)
{
    if (before == after || history_->isReplaying())
        return;
    history_->record(new FieldEditStep(*this, field, key, before, after));
}

OperationResult CFibrologDoc::renameCircuit(int index, const QString& circuitId)
{
    if (busy_)
        return busyRefusal();
    if (!database_ || index < 0 || index >= cursor_.count())
        return noSuchCircuit();
    // Copies: the cursor's own record changes below.
    const RecordId fiber = cursor_.recordAt(index).fiberNumber;
    const FieldValues before{cursor_.recordAt(index).circuitId, {}};
    const OperationResult written = CircuitRowWriter(*database_).renameFiber(fiber, circuitId);
    if (written) {
        editDone(cursor_.setCircuitId(index, circuitId), CircuitChange::CircuitId);
        recordEdit(EditedField::CircuitId, fiber, before, {circuitId, {}});
    }
    return written;
}

OperationResult CFibrologDoc::setLink(int index, const QString& linkId, const QString& comment)
{
    if (busy_)
        return busyRefusal();
    if (!database_ || index < 0 || index >= cursor_.count())
        return noSuchCircuit();
    // Copies: the cursor's own record changes below.
    const RecordId site = cursor_.recordAt(index).siteNumber;
    const FieldValues before{cursor_.recordAt(index).linkId, cursor_.recordAt(index).linkComment};
    const OperationResult written = CircuitRowWriter(*database_).setLink(site, linkId, comment);
    if (written) {
        const FieldValues after{linkId, CircuitRowWriter::storedBlankable(comment)};
        editDone(cursor_.setLink(site, after.first, after.second), CircuitChange::Link);
        recordEdit(before.first != after.first ? EditedField::LinkId : EditedField::LinkComment, site, before,
                   after);
    }
    return written;
}

OperationResult CFibrologDoc::setCompany(int index, const QString& name, const QString& telephone)
{
    if (busy_)
        return busyRefusal();
    if (!database_ || index < 0 || index >= cursor_.count())
        return noSuchCircuit();
    const RecordId company = cursor_.recordAt(index).companyNumber;
    const FieldValues before{cursor_.recordAt(index).companyName, cursor_.recordAt(index).companyPhone};
    const OperationResult written = CircuitRowWriter(*database_).setCompany(company, name, telephone);
    if (written) {
        const FieldValues after{name, CircuitRowWriter::storedBlankable(telephone)};
        editDone(cursor_.setCompany(company, after.first, after.second), CircuitChange::Company);
        recordEdit(before.first != after.first ? EditedField::Company : EditedField::Telephone, company,
                   before, after);
    }
    return written;
}

OperationResult CFibrologDoc::deleteCircuit(int index)
{
    if (busy_)
        return busyRefusal();
    if (!database_ || index < 0 || index >= cursor_.count())
        return noSuchCircuit();
    const bool recording = !history_->isReplaying();
    DeletedCircuit deleted{index, cursor_.at(index), {}};
    const OperationResult written =
        CircuitRowWriter(*database_)
            .deleteFiber(deleted.record.fiberNumber, recording ? &deleted.row : nullptr);
    if (!written)
        return written;
    const int before = cursor_.position();
    Q_EMIT circuitAboutToBeRemoved(index);
    cursor_.removeAt(index);
    Q_EMIT circuitRemoved(index);
    setModifiedFlag(true);
    if (cursor_.position() != before || index == before)
        Q_EMIT currentIndexChanged(cursor_.position());
    if (recording)
        history_->record(new DeleteCircuitStep(*this, std::move(deleted)));
    return written;
}

OperationResult CFibrologDoc::restoreCircuit(const DeletedCircuit& deleted)
{
    if (!database_)
        return noSuchCircuit();
    const OperationResult written = CircuitRowWriter(*database_).restoreFiber(deleted.row);
    if (!written)
        return written;
    cursor_.insertAt(deleted.index, deleted.record);
    cursor_.setPosition(deleted.index);
    setModifiedFlag(true);
    // Rare enough that every view starting again costs nothing worth a signal of its own.
    Q_EMIT circuitsReset();
    Q_EMIT currentIndexChanged(cursor_.position());
    return written;
}

void CFibrologDoc::holdFileContent(const QString& path, const std::optional<FileStamp>& stamp)
{
    heldFile_.reset();
    const std::optional<FileStamp> now = FileStamp::of(path);
    // A file converted on opening, or written by another program while it
    // was copied, is not what the stamp saw: the first save asks.
    if (stamp && now == stamp)
        heldFile_ = HeldFile{QFileInfo(path).canonicalFilePath(), *stamp};
}

bool CFibrologDoc::holdsContentOf(const QString& target) const
{
    return heldFile_ && !heldFile_->path.isEmpty() &&
           QFileInfo(target).canonicalFilePath() == heldFile_->path;
}

OperationResult CFibrologDoc::startEmptyDatabase()
{
    const QString working = workingFiles_.newPath();
    WorkingDatabase empty;
    const OperationResult built = runJob(QString(), [&](JobProgress& progress) {
        try {
            if (working.isEmpty())
                throw DatabaseException(QStringLiteral("No file can be made in the working folder %1.")
                                            .arg(QDir::toNativeSeparators(UserFolders::workingFolder())));
            createTestDatabase(working, kCurrentSchemaVersion);
        } catch (const DatabaseException& e) {
            return OperationResult::failure(Strings::loadString(StringId::ErrorOccurred) + e.description());
        }
        return empty.open(working, progress);
    });
    return adoptOrDiscard(built, empty, working);
}

OperationResult CFibrologDoc::onSaveDocument(const QString& path)
{
    lastMerge_ = {};
    if (!path.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive))
        return OperationResult::failure(Strings::loadString(StringId::ExtensionMustBeMdb));
    const QString title = fileTitle(StringId::JobSaving, path);
    // From here to the rename, every other program saving the same file
    // waits; this one may have to wait for another, off the window's thread.
    DatabaseFileWriter writer(path);
    const OperationResult prepared = runPreparation(title, [&](JobProgress& progress) {
        QString why;
        return saveStepOutcome(writer.prepare(&why, &progress), progress, why, path);
    });
    if (!prepared)
        return prepared;
    if (!hasDatabase()) {
        // Nothing open saves as the empty test database "fibrolog-cli create"
        // makes. Over an existing file it could only throw the file's results
        // away, or merge nothing into them: that is said, and nothing done.
        if (writer.targetExists())
            return OperationResult::failure(formatted(StringId::SaveEmptyDocumentRefused, path));
        if (const OperationResult started = startEmptyDatabase(); !started)
            return started;
    }
    bool merge = false;
    if (writer.targetExists()) {
        // The rule "upgrade" follows too; see TargetFile::isReadOnly().
        if (writer.targetIsReadOnly())
            return OperationResult::failure(Strings::loadString(StringId::ReadOnlyDatabase));
        // Saving back into the file the document holds is writing the
        // document's content there: what was deleted in the window is gone
        // from the file too, as the user expects, so it overwrites without a
        // question. Once the file has changed on disk, someone else's work
        // would be lost without a word: the user is asked, and told why.
        const bool savingBack = holdsContentOf(writer.targetPath());
        const bool unchanged = savingBack && FileStamp::of(writer.targetPath()) == heldFile_->stamp;
        if (!unchanged) {
            const QString question = savingBack ? formatted(StringId::SaveBackChangedOnDisk, path)
                                                : Strings::loadString(StringId::FileExistsMergeOrOverwrite);
            const PromptAnswer answer =
                prompt_.askMergeOverwrite(question, Strings::loadString(StringId::AppTitle));
            // Closing the question is no instruction to empty the user's file:
            // nothing is saved, and the changes stay unsaved.
            if (answer != PromptAnswer::Merge && answer != PromptAnswer::Overwrite)
                return OperationResult::cancelled(formatted(StringId::SaveCancelled, path));
            merge = answer == PromptAnswer::Merge;
        }
    }
    // The step has the working database to itself: the document is busy
    // (no edit writes it) and the view reads only the circuit list.
    Database& working = *database_;
    const QString workingPath = workingPath_;
    DatabaseFileWriter::MergeReport mergeReport;
    const OperationResult written = runJob(title, [&](JobProgress& progress) {
        QString why;
        if (writer.targetExists()) {
            switch (writer.inspect(&why)) {
            case DatabaseFileWriter::TargetState::InUse:
                return saveFailure(why);
            case DatabaseFileWriter::TargetState::NotTestDatabase:
                // Whatever the file is, it is not the program's to replace.
                return OperationResult::failure(
                    Strings::loadString(StringId::ErrorOccurred) +
                    formatted(StringId::NotReplacedNotTestDatabase, writer.targetPath()) + QLatin1Char('\n') +
                    why);
            default:
                break;
            }
        }
        qCDebug(lcDocument).noquote() << (merge ? "Merging into" : "Saving") << writer.targetPath();
        const bool saved = merge ? writer.mergeInto(working, &why, &mergeReport, &progress)
                                 : writer.writeCopy(workingPath, &why, &progress);
        return saveStepOutcome(saved, progress, why, path);
    });
    if (!written) {
        qCDebug(lcDocument).noquote() << "Not saved:" << path << written.message();
        return written;
    }
    qCDebug(lcDocument).noquote() << "Saved" << path;
    lastMerge_ = mergeReport;
    // After an overwrite the file is the document's content; after a merge it
    // holds more than the document, and the next save into it asks again.
    heldFile_.reset();
    if (!merge)
        holdFileContent(writer.targetPath(), FileStamp::of(writer.targetPath()));
    setModifiedFlag(false);
    setPathName(QFileInfo(path).absoluteFilePath());
    return written;
}

OperationResult CFibrologDoc::save()
{
    const QFileInfo current(pathName_);
    if (!pathName_.isEmpty() && current.exists() && current.isWritable())
        return onSaveDocument(pathName_);
    return saveAs();
}

OperationResult CFibrologDoc::saveAs()
{
    const QString suggested = pathName_.isEmpty() ? title() + QStringLiteral(".mdb") : pathName_;
    const std::optional<QString> path = prompt_.saveFileName(suggested);
    if (!path)
        return OperationResult::cancelled();
    return onSaveDocument(*path);
}

OperationResult CFibrologDoc::saveModified()
{
    if (!modified_)
        return OperationResult::success();
    switch (prompt_.askYesNoCancel(Strings::loadString(StringId::SaveNowQuestion),
                                   Strings::loadString(StringId::SaveCaption), PromptIcon::Question)) {
    case PromptAnswer::Yes:
        // A cancelled or failed Save As keeps the document, and its changes, open.
        return saveAs();
    case PromptAnswer::No:
        return OperationResult::success();
    default:
        return OperationResult::cancelled();
    }
}
