#include "document/LinkCreation.h"

#include "database/CKAVCompanySet2.h"
#include "database/CKAVSiteSet2_1.h"
#include "database/Database.h"
#include "standards/FiberTypes.h"

#include <optional>

namespace {

const QString kUnknown = QStringLiteral("unknown");

struct CompanyRow
{
    RecordId number;
    QString name;
    QString telephone;
    QString serialNo;
    QString version;
};

class CompanyWriter
{
public:
    CompanyWriter(Database& db, QStringList* shortened) : db_(db), companies_(db), shortened_(shortened)
    {
        companies_.open();
    }

    // The Company row the link is stored under.
    RecordId companyOfLink(const CompanyChoice& choice, const CorvinaMeterInfo& meter)
    {
        const std::optional<QString> serial = fit(meter.serial, "SerialNo");
        const std::optional<QString> version = fit(meter.version, "Version");
        CompanyRow row{choice.number, choice.name, choice.telephone, choice.serialNo, choice.version};
        if (choice.isNew()) {
            // As a new organisation in the Link Wizard gets: the meter's values.
            row.number = newRecordId();
            row.serialNo = serial.value_or(kUnknown);
            row.version = version.value_or(kUnknown);
        }
        // An existing organisation keeps its own number, so that a merge into
        // the user's file finds it one organisation still.
        write(row);
        const bool changed = (serial && *serial != row.serialNo) || (version && *version != row.version);
        if (!changed)
            return row.number;
        // Another meter (or the same one with new firmware) of the same
        // organisation: its own row, the organisation's row left as it is.
        CompanyRow meterRow = row;
        meterRow.number = newRecordId();
        if (serial)
            meterRow.serialNo = *serial;
        if (version)
            meterRow.version = *version;
        write(meterRow);
        return meterRow.number;
    }

private:
    void write(const CompanyRow& row)
    {
        companies_.addNew();
        companies_.companyNumber = row.number;
        companies_.companyName = row.name;
        companies_.companyPhone = row.telephone;
        companies_.serialNo = row.serialNo;
        companies_.version = row.version;
        companies_.update();
    }

    std::optional<QString> fit(const std::optional<QString>& text, const char* column)
    {
        if (!text || text->isEmpty())
            return std::nullopt;
        const ColumnDef* def = db_.tableDef(QStringLiteral("Company")).column(QLatin1String(column));
        if (!def || text->size() <= def->size)
            return text;
        if (shortened_)
            shortened_->append(QStringLiteral("Company.") + QLatin1String(column));
        return text->left(def->size);
    }

    Database& db_;
    CKAVCompanySet2 companies_;
    QStringList* shortened_;
};

} // namespace

RecordId createLink(Database& db, const LinkData& link, const CorvinaMeterInfo& meter,
                    const std::vector<LinkSlot>& slots, QStringList* shortened)
{
    const RecordId company = CompanyWriter(db, shortened).companyOfLink(link.company, meter);

    CKAVSiteSet2_1 site(db);
    site.open();
    site.addNew();
    const QDateTime now = QDateTime::currentDateTime();
    site.siteNumber = newRecordId();
    site.companyNumber = company;
    site.siteName = link.linkName;
    site.customStandardId = recordIdFromGuid(link.standard.customGuid);
    site.date = now;
    site.uploadDate = now;
    site.calibrationDate = meter.calibrationDate;
    site.fiberLength = static_cast<float>(link.lengthKm * 1000.0);
    site.connections = static_cast<std::int16_t>(link.connectorPairs);
    site.splices = static_cast<std::int16_t>(link.splices);
    site.temperature = 0.0f;
    site.fiberType = static_cast<std::int16_t>(link.standard.fiberType);
    site.standard = link.standard.standardNumber;
    int wizard = 0;
    for (std::size_t n = 0; n < slots.size() && n < static_cast<std::size_t>(kSlotCount); ++n) {
        if (slots[n].wavelengthNm <= 0)
            continue;
        site.wavelengths[n] = QStringLiteral("%1nm").arg(slots[n].wavelengthNm);
        site.references[n] = slots[n].reference;
        wizard |= 1 << n;
    }
    site.wizard = static_cast<std::int16_t>(wizard);
    const RecordId number = site.siteNumber;
    site.update();
    return number;
}
