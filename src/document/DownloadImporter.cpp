#include "document/DownloadImporter.h"

#include "app/JobProgress.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/CKAVCompanySet2.h"
#include "database/CKAVFiberSet2.h"
#include "database/CKAVSiteSet2_1.h"
#include "database/CKAVStandardsSet2.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/TestDatabaseSchema.h"
#include "document/DownloadPreparation.h"
#include "meter/DownloadCompleteness.h"
#include "meter/DownloadParser.h"

#include <QFile>
#include <QtDebug>

#include <map>

namespace {

constexpr int kReturnLossStandard = 13;
constexpr int kUserLinkBudgetStandard = 15;
const QString kReturnLossStandardName = QStringLiteral("EIA/TIA FOTP107A");
const QString kUnusedSlotName = QStringLiteral("9999nm");
constexpr float kReturnLossMaxDistance = -10000000000.0f;
// Thrown between two rows when the user cancels: the transaction rolls back.
struct ImportCancelled
{
};

class Writer
{
public:
    Writer(Database& db, const DownloadModel& model, JobProgress* progress)
        : db_(db), model_(model), plan_(DownloadSlotPlan::make(model)), progress_(progress)
    {
    }

    const QStringList& shortened() const { return shortened_; }

    ImportResult write()
    {
        ImportResult result;
        result.omissions = plan_.omissions();
        Transaction transaction(db_);
        writeCompany();
        result.standards = writeStandards();
        const std::map<int, RecordId> siteIds = writeSites(&result.sites);
        result.fibers = writeFibers(siteIds);
        if (result.fibers == 0) {
            result.status = ImportResult::Status::NoTestData;
            result.message = Strings::loadString(StringId::NoTestDataInDownload);
            return result; // the transaction rolls back
        }
        transaction.commit();
        result.status = ImportResult::Status::Stored;
        return result;
    }

private:
    void writeCompany()
    {
        CKAVCompanySet2 company(db_);
        company.open();
        company.addNew();
        company.companyNumber = model_.header.companyId;
        company.companyName = fit(model_.header.companyName, "Company", "CompanyName");
        company.companyPhone = fit(model_.header.companyTelephone, "Company", "CompanyPhone");
        company.serialNo = fit(model_.header.serialNumber, "Company", "SerialNo");
        company.version = fit(model_.header.versionText, "Company", "Version");
        company.update();
    }

    int writeStandards()
    {
        CKAVStandardsSet2 standards(db_);
        standards.open();
        int written = 0;
        for (const auto& [site, block] : model_.returnLossStandards) {
            try {
                for (const ReturnLossStandard::Requirement& requirement : block.requirements) {
                    StandardEntry entry;
                    entry.standardNumber = kReturnLossStandard;
                    entry.standardName = kReturnLossStandardName;
                    entry.customStandardId = block.id;
                    entry.fiberType = static_cast<std::uint8_t>(block.fiberType);
                    entry.wavelength = requirement.wavelength;
                    entry.maxDistance = kReturnLossMaxDistance;
                    entry.maxLoss = requirement.requiredReturnLoss;
                    addStandard(standards, entry);
                    ++written;
                }
            } catch (const DatabaseException& e) {
                // A row the table refuses ends its block; the download goes on.
                standards.cancelUpdate();
                qWarning().noquote() << "Return-loss standard of site" << site
                                     << "not stored whole:" << e.description();
            }
        }
        for (const CustomStandardEntry& custom : model_.customStandards) {
            StandardEntry entry;
            entry.standardNumber = 0;
            entry.standardName = custom.name;
            entry.customStandardId = custom.id;
            entry.fiberType = static_cast<std::uint8_t>(custom.fiberType);
            entry.wavelength = custom.wavelength;
            entry.maxLoss = custom.maxLoss;
            entry.attenuation = custom.attenuation;
            entry.connectorLoss = custom.connectorLoss;
            entry.spliceLoss = custom.spliceLoss;
            try {
                addStandard(standards, entry);
                ++written;
            } catch (const DatabaseException& e) {
                standards.cancelUpdate();
                qWarning().noquote() << "Custom standard row" << custom.name << custom.wavelength
                                     << "not stored:" << e.description();
            }
        }
        return written;
    }

    static void addStandard(CKAVStandardsSet2& standards, const StandardEntry& entry)
    {
        standards.addNew();
        standards.setEntry(entry);
        standards.update();
    }

    // The standard a site is evaluated against, and the custom standard's id.
    std::pair<int, RecordId> chooseStandard(int siteNumber, const DownloadSite& site) const
    {
        const int s = site.standardNumber;
        if (s == kReturnLossStandard) {
            const auto block = model_.returnLossStandards.find(siteNumber);
            return {kReturnLossStandard,
                    block != model_.returnLossStandards.end() ? block->second.id : RecordId()};
        }
        if (s == kUserLinkBudgetStandard && !model_.userLinkBudgetId.isEmpty())
            return {0, model_.userLinkBudgetId};
        if (site.wizardFlags == 0)
            return {s, RecordId()};
        if (s == 0 || s == 1) {
            for (const CustomStandardEntry& entry : model_.customStandards) {
                if (entry.code == s)
                    return {0, entry.id};
            }
            return {0, RecordId()};
        }
        return {s, RecordId()};
    }

    std::map<int, RecordId> writeSites(int* count)
    {
        CKAVSiteSet2_1 sites(db_);
        sites.open();
        std::map<int, RecordId> ids;
        for (const auto& [number, slots] : plan_.sites()) {
            const DownloadSite& site = model_.sites.at(number);
            sites.addNew();
            sites.siteNumber = newRecordId();
            sites.companyNumber = model_.header.companyId;
            sites.siteName = fit(site.name, "Site", "SiteName");
            sites.date = site.testDate.isValid() ? QDateTime(site.testDate, QTime(0, 0)) : QDateTime();
            sites.uploadDate = site.uploadDate;
            sites.calibrationDate = model_.header.calibrationDate.isValid()
                                        ? QDateTime(model_.header.calibrationDate, QTime(0, 0))
                                        : QDateTime();
            sites.fiberLength = site.fiberLengthMetres;
            sites.connections = static_cast<std::int16_t>(site.connectorPairs);
            sites.splices = static_cast<std::int16_t>(site.splices);
            sites.temperature = site.temperature;
            sites.fiberType = static_cast<std::int16_t>(site.fiberType);
            const auto [standard, customId] = chooseStandard(number, site);
            sites.standard = static_cast<std::int16_t>(standard);
            sites.customStandardId = customId;
            applySlots(sites, slots);
            ids[number] = sites.siteNumber;
            sites.update();
            ++*count;
        }
        return ids;
    }

    static void applySlots(CKAVSiteSet2_1& sites, const DownloadSlotPlan::SiteSlots& plan)
    {
        int wizard = 0;
        for (std::size_t s = 0; s < static_cast<std::size_t>(kSlotCount); ++s) {
            if (s < plan.slots.size()) {
                sites.wavelengths[s] = plan.slots[s].wavelength;
                sites.references[s] = plan.slots[s].reference;
                if (plan.slots[s].wizard)
                    wizard |= 1 << s;
            } else {
                sites.wavelengths[s] = kUnusedSlotName;
                sites.references[s] = 0.0f;
            }
        }
        sites.wizard = static_cast<std::int16_t>(wizard);
    }

    int writeFibers(const std::map<int, RecordId>& siteIds)
    {
        CKAVFiberSet2 fibers(db_);
        fibers.open();
        int written = 0;
        std::int64_t total = 0;
        for (const FiberList& list : model_.fiberLists)
            total += list.fibers.size();
        const QString what = Strings::loadString(StringId::StoringDownload);
        for (int listIndex = 0; listIndex < model_.fiberLists.size(); ++listIndex) {
            if (!plan_.storesList(listIndex))
                continue;
            const FiberList& list = model_.fiberLists.at(listIndex);
            const RecordId& siteId = siteIds.at(list.siteNumber);
            for (const DownloadFiber& fiber : list.fibers) {
                fibers.addNew();
                fibers.fiberNumber = newRecordId();
                fibers.siteNumber = siteId;
                fibers.fiberName = fit(fiber.name, "Fiber", "FiberName");
                fibers.fiberType = static_cast<std::int16_t>(list.fiberType);
                fibers.powers = plan_.powers(listIndex, fiber);
                fibers.update();
                if (++written % kImportProgressStep == 0 && progress_) {
                    if (progress_->isCancelled())
                        throw ImportCancelled();
                    progress_->report(what, written, total);
                }
            }
        }
        return written;
    }

    // A meter may send a text longer than its column (a telephone number
    // with its country code); the download is stored with the text shortened
    // rather than lost, and the caller is told which fields were.
    QString fit(const QString& text, const char* table, const char* column)
    {
        const ColumnDef* def = db_.tableDef(QLatin1String(table)).column(QLatin1String(column));
        if (!def || text.size() <= def->size)
            return text;
        const QString field = QLatin1String(table) + QLatin1Char('.') + QLatin1String(column);
        if (!shortened_.contains(field))
            shortened_.append(field);
        return text.left(def->size);
    }

    Database& db_;
    const DownloadModel& model_;
    const DownloadSlotPlan plan_;
    JobProgress* progress_;
    QStringList shortened_;
};

} // namespace

ImportResult DownloadImporter::importFile(const QString& downloadPath, const QString& databasePath,
                                          JobProgress* progress)
{
    QString error;
    std::optional<DownloadModel> model = DownloadParser::parseFile(downloadPath, &error);
    if (!model)
        return ImportResult::failure(ImportResult::Status::NotReadable,
                                     Strings::loadString(StringId::NoTestDataInDownload));
    // A download from the meter was judged as it arrived; a file from
    // elsewhere gets the same judgement here.
    if (DownloadCompleteness::fileEndsInsideRecord(downloadPath))
        return ImportResult::failure(ImportResult::Status::Incomplete,
                                     DownloadCompleteness::message(downloadPath));
    return store(std::move(*model), databasePath, progress);
}

ImportResult DownloadImporter::store(DownloadModel model, const QString& databasePath, JobProgress* progress)
{
    DownloadPreparation::prune(model);
    DownloadPreparation::restoreOldReferences(model);
    ImportResult result;
    try {
        if (!createTestDatabase(databasePath, kCurrentSchemaVersion))
            return ImportResult::failure(ImportResult::Status::DatabaseError,
                                         Strings::loadString(StringId::FailedToSave));
        Database db;
        db.open(databasePath, true, false, kConnectString);
        Writer writer(db, model, progress);
        result = writer.write();
        result.shortened = writer.shortened();
    } catch (const ImportCancelled&) {
        result = ImportResult::failure(ImportResult::Status::Cancelled,
                                       Strings::loadString(StringId::OperationCancelled));
    } catch (const DatabaseException& e) {
        result = ImportResult::failure(ImportResult::Status::DatabaseError,
                                       Strings::loadString(StringId::ErrorOccurred) + e.description());
    }
    removeUnlessStored(result, databasePath);
    return result;
}

void removeUnlessStored(const ImportResult& result, const QString& databasePath)
{
    if (result.stored())
        return;
    QFile::remove(databasePath);
    QFile::remove(databasePath + QStringLiteral("-journal"));
}
