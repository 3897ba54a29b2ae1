#include "document/CorvinaImporter.h"

#include "app/JobProgress.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/CKAVFiberSet2.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "database/TestDatabaseSchema.h"
#include "document/LinkCreation.h"
#include "standards/PlausibleValues.h"

#include <QFile>

#include <algorithm>

namespace {

struct StoreCancelled
{
};

QString withNumber(int textId, const QString& value)
{
    return Strings::formatMessage(Strings::loadString(textId), {value});
}

// The download's slots by ascending wavelength, as the Site row holds them.
std::vector<const CorvinaSlot*> slotsByWavelength(const CorvinaDownload& download)
{
    std::vector<const CorvinaSlot*> slots;
    for (const CorvinaSlot& slot : download.slots)
        slots.push_back(&slot);
    std::stable_sort(slots.begin(), slots.end(), [](const CorvinaSlot* a, const CorvinaSlot* b) {
        return a->wavelengthNm < b->wavelengthNm;
    });
    return slots;
}

int writeFibers(Database& db, const CorvinaDownload& download, const std::vector<const CorvinaSlot*>& slots,
                const RecordId& site, const LinkData& link, JobProgress* progress)
{
    CKAVFiberSet2 fibers(db);
    fibers.open();
    const int count = download.fiberCount();
    const QString what = Strings::loadString(StringId::StoringDownload);
    for (int j = 0; j < count; ++j) {
        fibers.addNew();
        fibers.fiberNumber = newRecordId();
        fibers.siteNumber = site;
        fibers.fiberName = QString::asprintf("%02d", j + 1);
        fibers.fiberType = static_cast<std::int16_t>(link.standard.fiberType);
        fibers.powers = {};
        for (std::size_t n = 0; n < slots.size(); ++n) {
            if (j < slots[n]->readings.size())
                fibers.powers[n] = slots[n]->readings.at(j);
        }
        fibers.update();
        if ((j + 1) % kImportProgressStep == 0 && progress) {
            if (progress->isCancelled())
                throw StoreCancelled();
            progress->report(what, j + 1, count);
        }
    }
    return count;
}

} // namespace

CorvinaMeterInfo CorvinaImporter::meterInfo(const CorvinaDownload& download)
{
    CorvinaMeterInfo meter;
    meter.serial = download.meterSerial();
    meter.version = download.meterVersion();
    meter.calibrationDate = download.calibrationDate.isValid()
                                ? QDateTime(download.calibrationDate, QTime(0, 0))
                                : QDateTime::currentDateTime();
    return meter;
}

QString CorvinaImporter::problemMessage(const CorvinaDownload& download)
{
    switch (download.problem) {
    case CorvinaDownload::Problem::None:
        return QString();
    case CorvinaDownload::Problem::HeaderUnreadable:
        return Strings::loadString(StringId::CorvinaHeaderUnreadable);
    case CorvinaDownload::Problem::CalibrationDateUnreadable:
        return withNumber(StringId::CorvinaCalibrationDateUnreadable, download.calibrationText);
    }
    return QString();
}

QString CorvinaImporter::nothingToStoreMessage(const CorvinaDownload& download)
{
    // Lines that were there but are no readings are not "no test data": the
    // file is not what a Corvina meter sends, or is damaged throughout.
    if (download.readingsNotReadable + download.readingsImplausible > 0)
        return Strings::loadString(StringId::CorvinaNoWholeReading);
    return Strings::loadString(StringId::NoTestDataInDownload);
}

QStringList CorvinaImporter::omissions(const CorvinaDownload& download)
{
    QStringList texts;
    if (download.readingsBeyondThreeWavelengths > 0)
        texts << withNumber(StringId::CorvinaReadingsBeyondThreeWavelengths,
                            QString::number(download.readingsBeyondThreeWavelengths));
    if (download.readingsNotReadable > 0)
        texts << withNumber(StringId::ImportReadingsNotFinite, QString::number(download.readingsNotReadable));
    if (download.readingsImplausible > 0)
        texts << Strings::formatMessage(Strings::loadString(StringId::ImportReadingsImplausible),
                                        {QString::number(download.readingsImplausible),
                                         QString::number(PlausibleValues::kMinPowerDbm),
                                         QString::number(PlausibleValues::kMaxPowerDbm)});
    if (download.outOfRangeWavelength)
        texts << withNumber(StringId::CorvinaWavelengthOutOfRange,
                            QString::number(*download.outOfRangeWavelength));
    else if (download.unreadDataAfterReadings)
        texts << Strings::loadString(StringId::CorvinaDataAfterReadings);
    return texts;
}

ImportResult CorvinaImporter::store(const CorvinaDownload& download, const LinkData& link,
                                    const CorvinaMeterInfo& meter, const QString& databasePath,
                                    JobProgress* progress)
{
    if (!download.ok())
        return ImportResult::failure(ImportResult::Status::NotReadable, problemMessage(download));
    if (!download.hasReadings())
        return ImportResult::failure(ImportResult::Status::NoTestData, nothingToStoreMessage(download));
    ImportResult result;
    try {
        createTestDatabase(databasePath, kCurrentSchemaVersion);
        Database db;
        db.open(databasePath, true, false, kConnectString);
        Transaction transaction(db);
        const std::vector<const CorvinaSlot*> slots = slotsByWavelength(download);
        std::vector<LinkSlot> linkSlots;
        for (const CorvinaSlot* slot : slots)
            linkSlots.push_back({slot->wavelengthNm, slot->reference});
        const RecordId site = createLink(db, link, meter, linkSlots, &result.shortened);
        result.fibers = writeFibers(db, download, slots, site, link, progress);
        transaction.commit();
        result.sites = 1;
        result.status = ImportResult::Status::Stored;
    } catch (const StoreCancelled&) {
        result = ImportResult::failure(ImportResult::Status::Cancelled,
                                       Strings::loadString(StringId::OperationCancelled));
    } catch (const DatabaseException& e) {
        result = ImportResult::failure(ImportResult::Status::DatabaseError,
                                       Strings::loadString(StringId::ErrorOccurred) + e.description());
    }
    removeUnlessStored(result, databasePath);
    return result;
}
