#include "document/CFibrologDoc.h"

#include "app/JobProgress.h"
#include "app/StatusSink.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
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

} // namespace

CFibrologDoc::CFibrologDoc(UserPrompt& prompt, StatusSink& status, SerialPortOpener& ports, QObject* parent)
    : QObject(parent), prompt_(prompt), status_(status), meterLink_(ports, prompt, status),
      history_(std::make_unique<EditHistory>())
{
    // Keys typed on another circuit are another step.
    connect(this, &CFibrologDoc::currentIndexChanged, history_.get(), &EditHistory::endTyping);
    reportStandardsProblem(CustomStandards::loadSharedStandards(catalog_));
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

const QString& CFibrologDoc::lastError() const
{
    return lastError_;
}

void CFibrologDoc::warn(int textId, int captionId)
{
    lastError_ = Strings::loadString(textId);
    prompt_.message(lastError_, Strings::loadString(captionId), PromptIcon::Exclamation);
}

bool CFibrologDoc::onNewDocument()
{
    heldFile_.reset();
    setPathName(QString());
    setModifiedFlag(false);
    return true;
}

bool CFibrologDoc::onOpenDocument(const QString& path)
{
    if (hasExtension(path, ".kav") || hasExtension(path, ".kavw"))
        return false;
    const std::optional<FileStamp> before = FileStamp::of(path);
    if (!loadFile(path))
        return false;
    setPathName(QFileInfo(path).absoluteFilePath());
    setModifiedFlag(false);
    holdFileContent(path, before);
    return true;
}

bool CFibrologDoc::loadFile(const QString& path, JobProgress* progress)
{
    lastError_.clear();
    const QString name = QFileInfo(path).fileName();
    if (!name.contains(QLatin1Char('.')) || hasExtension(name, ".kav"))
        return importDownload(path, progress);
    if (hasExtension(name, ".kavw"))
        return importCorvinaDownload(path, progress);
    return loadDatabase(path);
}

void CFibrologDoc::releaseDatabase()
{
    const bool hadDatabase = database_ != nullptr;
    // The steps name rows of this working database only.
    history_->clear();
    heldFile_.reset();
    cursor_.clear();
    standards_.reset();
    sites_.reset();
    companies_.reset();
    fibers_.reset();
    if (database_)
        database_->close();
    database_.reset();
    workingFiles_.remove(workingPath_);
    workingPath_.clear();
    if (hadDatabase)
        Q_EMIT circuitsReset();
}

void CFibrologDoc::closeDatabase()
{
    releaseDatabase();
    workingFiles_.removeAll();
}

bool CFibrologDoc::loadDatabase(const QString& path)
{
    const float version = SchemaVersions::detectVersion(path);
    if (version == 0.0f) {
        warn(StringId::NotCreatedBySoftware, StringId::ErrorOpeningFileCaption);
        lastError_ = CircuitFile::whyNotATestDatabase(path);
        return false;
    }
    if (version != kCurrentSchemaVersion && !convertOlderFile(path, version))
        return false;
    const QString working = workingFiles_.copyOf(path);
    if (working.isEmpty()) {
        // Working on the user's file itself would turn a later save into a
        // merge of the file with itself; refuse instead.
        lastError_ = Strings::loadString(StringId::ErrorOccurred) +
                     QStringLiteral("Cannot copy %1 to the temporary folder.").arg(path);
        prompt_.message(lastError_, Strings::loadString(StringId::ErrorLoadingFileCaption),
                        PromptIcon::Exclamation);
        return false;
    }
    releaseDatabase();
    return openWorkingDatabase(working);
}

bool CFibrologDoc::convertOlderFile(const QString& path, float version)
{
    const bool version1 = version < kSchemaVersion2;
    // Before the question about a 2.0 file the open database is already
    // closed: answering No leaves the document without one.
    if (!version1)
        releaseDatabase();
    const int question = version1 ? StringId::ConvertVersion1Question : StringId::ConvertVersion2Question;
    if (prompt_.askYesNo(Strings::loadString(question), QString(), PromptIcon::Exclamation) !=
        PromptAnswer::Yes) {
        lastError_ = Strings::loadString(question);
        return false;
    }
    // The one way a file is converted: a backup beside it, the work on a
    // copy, the file replaced whole, the way "fibrolog-cli upgrade" does it.
    const FileUpgradeResult upgraded = upgradeFileInPlace(path);
    if (!upgraded.ok) {
        warn(StringId::UnableToConvert, StringId::ErrorOpeningFileCaption);
        lastError_ += QLatin1Char('\n') + upgraded.error;
        return false;
    }
    return true;
}

bool CFibrologDoc::openWorkingDatabase(const QString& workingPath)
{
    try {
        database_ = std::make_unique<Database>();
        database_->open(workingPath, true, false, kConnectString);
        // Nothing ever reads a working copy after a crash (the next start
        // removes it), so waiting for the disk at every commit buys nothing;
        // with the disk busy, that wait was most of every key typed in the form.
        database_->execute(QStringLiteral("PRAGMA synchronous=OFF"));
        fibers_ = std::make_unique<CKAVFiberSet2>(*database_);
        companies_ = std::make_unique<CKAVCompanySet2>(*database_);
        sites_ = std::make_unique<CKAVSiteSet2_1>(*database_);
        standards_ = std::make_unique<CKAVStandardsSet2>(*database_);
        fibers_->open();
        companies_->open();
        sites_->open();
        standards_->open();
        reportStandardsProblem(CustomStandards::reload(catalog_, *standards_));
        workingPath_ = workingPath;
        resetCircuits();
        return true;
    } catch (const DatabaseException& e) {
        workingPath_ = workingPath;
        releaseDatabase();
        lastError_ = Strings::loadString(StringId::ErrorOccurred) + e.description();
        prompt_.message(lastError_, Strings::loadString(StringId::ErrorLoadingFileCaption),
                        PromptIcon::Exclamation);
        return false;
    }
}

bool CFibrologDoc::importDownload(const QString& path, JobProgress* progress)
{
    const QString target = workingFiles_.newPath();
    const ImportResult result = DownloadImporter::importFile(path, target, progress);
    shortenedFields_ = result.shortened;
    importOmissions_ = result.omissions.describe();
    return adoptImport(result, target);
}

bool CFibrologDoc::adoptImport(const ImportResult& result, const QString& target)
{
    if (!result.stored()) {
        workingFiles_.remove(target);
        lastError_ = result.message;
        return false;
    }
    releaseDatabase();
    return openWorkingDatabase(target);
}

bool CFibrologDoc::importCorvinaDownload(const QString& path, JobProgress* progress)
{
    shortenedFields_.clear();
    importOmissions_.clear();
    CorvinaDownload download;
    QString error;
    if (!CorvinaParser::parseFile(path, download, &error)) {
        lastError_ = Strings::loadString(StringId::ErrorOccurred) + error;
        return false;
    }
    if (!download.ok()) {
        lastError_ = CorvinaImporter::problemMessage(download);
        return false;
    }
    // Nothing to store is said before the user is asked for link data.
    if (!download.hasReadings()) {
        lastError_ = CorvinaImporter::nothingToStoreMessage(download);
        return false;
    }
    // As for every download: readings whose data end inside a record were cut
    // short, and the last value may be half of one.
    if (DownloadCompleteness::fileEndsInsideRecord(path)) {
        lastError_ = DownloadCompleteness::message(path);
        return false;
    }
    if (!linkDataSource_) {
        lastError_ = Strings::loadString(StringId::CorvinaNeedsLinkData);
        return false;
    }
    const CorvinaMeterInfo meter = CorvinaImporter::meterInfo(download);
    QList<CompanyChoice> companies;
    try {
        companies = companyChoices();
    } catch (const DatabaseException& e) {
        // The list is an offer; a new organisation can still be made.
        qWarning().noquote() << "The organisations of the open file could not be read:" << e.description();
    }
    const std::optional<LinkData> link = linkDataSource_->askLinkData(meter, companies);
    if (!link) {
        lastError_ = Strings::loadString(StringId::OperationCancelled);
        return false;
    }
    if (const QString invalid = validateLinkData(*link); !invalid.isEmpty()) {
        lastError_ = invalid;
        return false;
    }
    const QString target = workingFiles_.newPath();
    const ImportResult result = CorvinaImporter::store(download, *link, meter, target, progress);
    if (result.stored()) {
        shortenedFields_ = result.shortened;
        importOmissions_ = CorvinaImporter::omissions(download);
    }
    return adoptImport(result, target);
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

bool CFibrologDoc::storeDownload(const QString& dataPath, JobProgress& progress)
{
    Q_EMIT downloadReceived(dataPath);
    const bool wasModified = modified_;
    setModifiedFlag(true);
    lastError_.clear();
    // ".kavw" for a Corvina meter, ".kav" for the others.
    const bool stored = hasExtension(dataPath, ".kavw") ? importCorvinaDownload(dataPath, &progress)
                                                        : importDownload(dataPath, &progress);
    if (stored) {
        QFile::remove(dataPath);
        // What was left out is said in the same breath, so it cannot be missed.
        QStringList status{Strings::loadString(StringId::DownloadSuccessful)};
        status << importOmissions_;
        status_.showStatusText(status.join(QLatin1Char(' ')));
    } else {
        // Nothing was stored: the document is as it was, and the raw data
        // stay in the temporary folder.
        setModifiedFlag(wasModified);
        if (!lastError_.contains(dataPath))
            lastError_ +=
                QLatin1Char(' ') + Strings::formatMessage(Strings::loadString(StringId::DownloadDataKeptIn),
                                                          {QDir::toNativeSeparators(dataPath)});
        status_.showStatusText(lastError_);
    }
    return stored;
}

bool CFibrologDoc::download(JobProgress& progress)
{
    lastError_.clear();
    const DownloadResult transfer = transferDownload(progress);
    if (!transfer.ok()) {
        lastError_ = transferFailureText(transfer);
        return false;
    }
    return storeDownload(transfer.path, progress);
}

void CFibrologDoc::resetCircuits()
{
    cursor_.clear();
    if (database_) {
        const OperationResult built = cursor_.build(*database_, catalog_);
        if (!built)
            status_.showStatusText(Strings::loadString(StringId::ErrorOccurred) + built.message());
    }
    Q_EMIT circuitsReset();
    Q_EMIT currentIndexChanged(cursor_.position());
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

bool CFibrologDoc::startEmptyDatabase()
{
    const QString working = workingFiles_.newPath();
    try {
        if (working.isEmpty())
            throw DatabaseException(QStringLiteral("No file can be made in the temporary folder %1.")
                                        .arg(QDir::toNativeSeparators(QDir::tempPath())));
        createTestDatabase(working, kCurrentSchemaVersion);
    } catch (const DatabaseException& e) {
        workingFiles_.remove(working);
        lastError_ = Strings::loadString(StringId::ErrorOccurred) + e.description();
        prompt_.message(lastError_, Strings::loadString(StringId::ErrorSavingFileCaption),
                        PromptIcon::Exclamation);
        return false;
    }
    return openWorkingDatabase(working);
}

bool CFibrologDoc::onSaveDocument(const QString& path, JobProgress* progress)
{
    lastError_.clear();
    lastMerge_ = {};
    if (!path.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive)) {
        warn(StringId::ExtensionMustBeMdb, StringId::ErrorSavingFileCaption);
        return false;
    }
    auto failed = [this](const QString& why) {
        lastError_ = why;
        prompt_.message(Strings::loadString(StringId::FailedToSave),
                        Strings::loadString(StringId::ErrorSavingFileCaption), PromptIcon::Exclamation);
        qWarning().noquote() << "Saving failed:" << why;
        return false;
    };
    // From here to the rename, every other program saving the same file waits.
    DatabaseFileWriter writer(path);
    QString why;
    if (!writer.prepare(&why))
        return failed(why);
    if (!hasDatabase()) {
        // Nothing open saves as the empty test database "fibrolog-cli create"
        // makes. Over an existing file it could only throw the file's results
        // away, or merge nothing into them: that is said, and nothing done.
        if (writer.targetExists()) {
            lastError_ = Strings::formatMessage(Strings::loadString(StringId::SaveEmptyDocumentRefused),
                                                {QDir::toNativeSeparators(path)});
            prompt_.message(lastError_, Strings::loadString(StringId::ErrorSavingFileCaption),
                            PromptIcon::Exclamation);
            return false;
        }
        if (!startEmptyDatabase())
            return false;
    }
    bool merge = false;
    if (writer.targetExists()) {
        // The rule "upgrade" follows too; see TargetFile::isReadOnly().
        if (writer.targetIsReadOnly()) {
            warn(StringId::ReadOnlyDatabase, StringId::AppTitle);
            return false;
        }
        // Saving back into the file the document holds is writing the
        // document's content there: what was deleted in the window is gone
        // from the file too, as the user expects, so it overwrites without a
        // question. Once the file has changed on disk, someone else's work
        // would be lost without a word: the user is asked, and told why.
        const bool savingBack = holdsContentOf(writer.targetPath());
        const bool unchanged = savingBack && FileStamp::of(writer.targetPath()) == heldFile_->stamp;
        if (!unchanged) {
            const QString question =
                savingBack ? Strings::formatMessage(Strings::loadString(StringId::SaveBackChangedOnDisk),
                                                    {QDir::toNativeSeparators(path)})
                           : Strings::loadString(StringId::FileExistsMergeOrOverwrite);
            const PromptAnswer answer =
                prompt_.askMergeOverwrite(question, Strings::loadString(StringId::AppTitle));
            // Closing the question is no instruction to empty the user's file:
            // nothing is saved, and the changes stay unsaved.
            if (answer != PromptAnswer::Merge && answer != PromptAnswer::Overwrite) {
                lastError_ = QStringLiteral("The save was cancelled; %1 is unchanged.").arg(path);
                return false;
            }
            merge = answer == PromptAnswer::Merge;
        }
        switch (writer.inspect(&why)) {
        case DatabaseFileWriter::TargetState::InUse:
            return failed(why);
        case DatabaseFileWriter::TargetState::NotTestDatabase:
            // Whatever the file is, it is not the program's to replace.
            lastError_ = QStringLiteral("%1 is not a test database of this program; it was not replaced.\n%2")
                             .arg(writer.targetPath(), why);
            prompt_.message(Strings::loadString(StringId::ErrorOccurred) + lastError_,
                            Strings::loadString(StringId::ErrorSavingFileOverwriteCaption),
                            PromptIcon::Exclamation);
            return false;
        default:
            break;
        }
    }
    QString error;
    const bool saved = merge ? writer.mergeInto(*database_, &error, &lastMerge_, progress)
                             : writer.writeCopy(workingPath_, &error, progress);
    if (!saved) {
        if (progress && progress->isCancelled()) {
            lastError_ = error; // the user's own choice: no error box
            return false;
        }
        return failed(error);
    }
    // After an overwrite the file is the document's content; after a merge it
    // holds more than the document, and the next save into it asks again.
    heldFile_.reset();
    if (!merge)
        holdFileContent(writer.targetPath(), FileStamp::of(writer.targetPath()));
    setModifiedFlag(false);
    setPathName(QFileInfo(path).absoluteFilePath());
    return true;
}

bool CFibrologDoc::save()
{
    const QFileInfo current(pathName_);
    if (!pathName_.isEmpty() && current.exists() && current.isWritable())
        return onSaveDocument(pathName_);
    return saveAs();
}

bool CFibrologDoc::saveAs()
{
    const QString suggested = pathName_.isEmpty() ? title() + QStringLiteral(".mdb") : pathName_;
    const std::optional<QString> path = prompt_.saveFileName(suggested);
    if (!path)
        return false;
    return onSaveDocument(*path);
}

bool CFibrologDoc::saveModified()
{
    if (!modified_)
        return true;
    switch (prompt_.askYesNoCancel(Strings::loadString(StringId::SaveNowQuestion),
                                   Strings::loadString(StringId::SaveCaption), PromptIcon::Question)) {
    case PromptAnswer::Yes:
        // A cancelled or failed Save As keeps the document, and its changes, open.
        return saveAs();
    case PromptAnswer::No:
        return true;
    default:
        return false;
    }
}
