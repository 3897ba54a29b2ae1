#include "database/FiberCursor.h"

#include "app/LocaleFormat.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/CKAVCompanySet2.h"
#include "database/CKAVFiberSet2.h"
#include "database/CKAVSiteSet2_1.h"
#include "database/ColumnValues.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "standards/StandardsCatalog.h"

#include <QHash>
#include <QtDebug>

#include <algorithm>
#include <limits>

namespace {

struct CompanyRow
{
    QString name;
    QString phone;
    QString serialNumber;
    QString version;
    QString meterModel;
};

struct SiteRow
{
    RecordId companyNumber;
    QString name;
    QDateTime date;
    QString dateText;
    QDateTime uploadDate;
    QString uploadDateText;
    QDateTime calibrationDate;
    QString calibrationDateText;
    LinkConditions link;
    float temperature = 0;
    QString comment;
    std::array<int, 3> slots{};
    int slotCount = 0;
};

// Reads the named columns of one table in rowid order, typed as the table declares them.
class TableReader
{
public:
    TableReader(Database& db, const QString& table, const QStringList& columns)
        : definition_(db.tableDef(table)),
          statement_(db, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                             .arg(quoted(columns), Database::quoteIdentifier(table)))
    {
        for (const QString& name : columns) {
            const ColumnDef* column = definition_.column(name);
            if (!column)
                throw DatabaseException(
                    QStringLiteral("Field '%1' not found in table '%2'.").arg(name, table));
            columns_.push_back(*column);
        }
    }

    bool next() { return statement_->step(); }
    QVariant value(int i) const
    {
        return ColumnValues::fromStorage(columns_[static_cast<std::size_t>(i)], *statement_, i);
    }
    QString text(int i) const { return value(i).toString(); }
    float single(int i) const { return value(i).toFloat(); }
    int integer(int i) const { return value(i).toInt(); }
    QDateTime date(int i) const { return value(i).toDateTime(); }

private:
    static QString quoted(const QStringList& columns)
    {
        QStringList out;
        for (const QString& c : columns)
            out << Database::quoteIdentifier(c);
        return out.join(QLatin1String(", "));
    }

    TableDef definition_;
    StatementLease statement_;
    std::vector<ColumnDef> columns_;
};

QString trimmedRight(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

QString trimmedLeft(const QString& text)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == QLatin1Char(' '))
        ++start;
    return text.mid(start);
}

QHash<QString, CompanyRow> readCompanies(Database& db)
{
    QHash<QString, CompanyRow> companies;
    TableReader reader(db, QStringLiteral("Company"),
                       {QStringLiteral("CompanyNumber"), QStringLiteral("CompanyName"),
                        QStringLiteral("CompanyPhone"), QStringLiteral("SerialNo"),
                        QStringLiteral("Version")});
    while (reader.next()) {
        const QString number = reader.text(0);
        if (companies.contains(number))
            continue; // the first row of a number is the one a filter finds
        CompanyRow row{reader.text(1), reader.text(2), reader.text(3), reader.text(4), QString()};
        row.meterModel = meterModelFromSerial(row.serialNumber);
        companies.insert(number, row);
    }
    return companies;
}

QHash<QString, SiteRow> readSites(Database& db)
{
    QStringList columns = {"SiteNumber", "CompanyNumber",   "SiteName",    "Date",
                           "UploadDate", "CalibrationDate", "FiberLength", "Connections",
                           "Splices",    "Temperature",     "FiberType",   "Wizard",
                           "Standard",   "CustomStandardID"};
    for (int slot = 0; slot < kSlotCount; ++slot)
        columns << QLatin1String(slotColumns(slot).referenceColumn);
    for (int slot = 0; slot < kSlotCount; ++slot)
        columns << QLatin1String(slotColumns(slot).wavelengthColumn);
    columns << QStringLiteral("SiteComment");

    QHash<QString, SiteRow> sites;
    TableReader reader(db, QStringLiteral("Site"), columns);
    while (reader.next()) {
        const QString number = reader.text(0);
        if (sites.contains(number))
            continue;
        SiteRow row;
        row.companyNumber = reader.text(1);
        row.name = reader.text(2);
        row.date = reader.date(3);
        row.uploadDate = reader.date(4);
        row.calibrationDate = reader.date(5);
        row.dateText = row.date.isValid() ? ShortDate(row.date) : QString();
        row.uploadDateText = row.uploadDate.isValid() ? DateTime(row.uploadDate) : QString();
        row.calibrationDateText = row.calibrationDate.isValid() ? ShortDate(row.calibrationDate) : QString();
        row.link.fiberLengthMetres = reader.single(6);
        row.link.connectorPairs = reader.integer(7);
        row.link.splices = reader.integer(8);
        row.temperature = reader.single(9);
        row.link.fiberType = reader.integer(10);
        row.link.wizardMask = reader.integer(11);
        row.link.standardNumber = reader.integer(12);
        row.link.customStandardId = reader.text(13);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            row.link.references[static_cast<std::size_t>(slot)] = reader.single(14 + slot);
            row.link.wavelengthNames[static_cast<std::size_t>(slot)] =
                trimmedLeft(trimmedRight(reader.text(19 + slot)));
        }
        row.comment = reader.text(24);
        sites.insert(number, row);
    }
    return sites;
}

struct FiberRow
{
    RecordId fiberNumber;
    RecordId siteNumber;
    QString name;
    FiberReadings readings;
};

// Adds the fiber's measured slots (the first three, in slot order) that the
// site's list lacks, until the list holds three.
void collectSiteSlots(SiteRow& site, const FiberReadings& readings)
{
    int taken = 0;
    for (int slot = 0; slot < kSlotCount && taken < 3 && site.slotCount < 3; ++slot) {
        if (readings.powers[static_cast<std::size_t>(slot)] == 0.0f)
            continue;
        ++taken;
        const auto end = site.slots.begin() + site.slotCount;
        if (std::find(site.slots.begin(), end, slot) == end)
            site.slots[static_cast<std::size_t>(site.slotCount++)] = slot;
    }
}

CircuitRecord makeRecord(const FiberRow& fiber, const QHash<QString, SiteRow>& sites,
                         const QHash<QString, CompanyRow>& companies, const StandardsCatalog& catalogue)
{
    CircuitRecord record;
    const auto site = sites.constFind(fiber.siteNumber);
    if (site != sites.constEnd()) {
        record.siteSlots = site->slots;
        record.siteSlotCount = site->slotCount;
    } else {
        record.siteSlotCount = 0;
    }
    if (fiber.siteNumber.isEmpty())
        return record;
    record.fiberNumber = fiber.fiberNumber;
    // The site's own copy of the number, shared by all its fibers' records.
    record.siteNumber = site != sites.constEnd() ? site.key() : fiber.siteNumber;
    if (site == sites.constEnd() || site->companyNumber.isEmpty())
        return record;

    const SiteRow& s = *site;
    record.linkId = s.name;
    record.companyNumber = s.companyNumber;
    record.testDate = s.date;
    record.testDateText = s.dateText;
    record.uploadDate = s.uploadDate;
    record.uploadDateText = s.uploadDateText;
    record.calibrationDate = s.calibrationDate;
    record.calibrationDateText = s.calibrationDateText;
    record.lengthKm = metresToKilometres(s.link.fiberLengthMetres);
    record.connectorPairs = s.link.connectorPairs;
    record.splices = s.link.splices;
    record.circuitId = fiber.name;
    record.customStandardId = s.link.customStandardId;
    record.temperature = s.temperature;
    record.linkComment = s.comment;
    record.wavelengthNames = s.link.wavelengthNames;
    record.wizardMask = s.link.wizardMask;
    record.cableTypeName = fiberTypeShortName(static_cast<unsigned>(fiber.readings.fiberType));
    evaluateCircuit(s.link, fiber.readings, &catalogue, record);

    const auto company = companies.constFind(s.companyNumber);
    if (company != companies.constEnd()) {
        record.companyName = company->name;
        record.companyPhone = company->phone;
        record.serialNumber = company->serialNumber;
        record.firmwareVersion = company->version;
        record.meterModel = company->meterModel;
    } else {
        record.meterModel = meterModelFromSerial(QString());
    }
    return record;
}

// A plain decimal integer: the text "%d" would print for its value.
bool plainInteger(const QString& text, long long* value)
{
    bool ok = false;
    const long long number = text.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return false;
    *value = number;
    return QString::number(number) == text;
}

int compareTimes(const QDateTime& a, const QDateTime& b)
{
    if (a == b)
        return 0;
    if (!a.isValid())
        return 1;
    if (!b.isValid())
        return -1;
    return a > b ? -1 : 1; // newest first
}

} // namespace

bool FiberCursor::sortsBefore(const CircuitRecord& a, const CircuitRecord& b)
{
    const int link = a.linkId.compare(b.linkId, Qt::CaseInsensitive);
    if (link != 0)
        return link < 0;
    long long x = 0;
    long long y = 0;
    int circuit = 0;
    if (plainInteger(a.circuitId, &x) && plainInteger(b.circuitId, &y))
        circuit = x < y ? -1 : (x > y ? 1 : 0);
    else
        circuit = a.circuitId.compare(b.circuitId, Qt::CaseInsensitive);
    if (circuit != 0)
        return circuit < 0;
    const int test = compareTimes(a.testDate, b.testDate);
    if (test != 0)
        return test < 0;
    return compareTimes(a.uploadDate, b.uploadDate) < 0;
}

bool FiberCursor::build(CKAVCompanySet2& companySet, CKAVSiteSet2_1& siteSet, CKAVFiberSet2& fiberSet,
                        const StandardsCatalog& catalogue)
{
    clear();
    Database& db = fiberSet.database();
    Q_UNUSED(companySet);
    Q_UNUSED(siteSet);
    try {
        const QHash<QString, CompanyRow> companies = readCompanies(db);
        QHash<QString, SiteRow> sites = readSites(db);

        std::vector<FiberRow> fibers;
        fibers.reserve(static_cast<std::size_t>(db.countRows(QStringLiteral("Fiber"))));
        {
            QStringList columns = {"FiberNumber", "SiteNumber", "FiberName", "FiberType"};
            for (int slot = 0; slot < kSlotCount; ++slot)
                columns << QLatin1String(slotColumns(slot).powerColumn);
            TableReader reader(db, QStringLiteral("Fiber"), columns);
            while (reader.next()) {
                FiberRow row{reader.text(0), reader.text(1), reader.text(2), {}};
                row.readings.fiberType = reader.integer(3);
                for (int slot = 0; slot < kSlotCount; ++slot)
                    row.readings.powers[static_cast<std::size_t>(slot)] = reader.single(4 + slot);
                auto site = sites.find(row.siteNumber);
                if (site != sites.end())
                    collectSiteSlots(*site, row.readings);
                fibers.push_back(std::move(row));
            }
        }
        records_.reserve(fibers.size());
        for (FiberRow& fiber : fibers) {
            records_.push_back(makeRecord(fiber, sites, companies, catalogue));
            fiber = FiberRow{}; // its texts now live in the record
        }
    } catch (const DatabaseException& e) {
        qWarning().noquote() << "Building the circuit list stopped:" << e.description();
        return false;
    }
    sortRecords();
    return true;
}

void FiberCursor::sortRecords()
{
    // Sorting positions rather than records keeps equal records in table order
    // without a second copy of every record, which a stable sort would make.
    std::vector<int> order(records_.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::sort(order.begin(), order.end(), [this](int a, int b) {
        const CircuitRecord& x = records_[static_cast<std::size_t>(a)];
        const CircuitRecord& y = records_[static_cast<std::size_t>(b)];
        if (sortsBefore(x, y))
            return true;
        if (sortsBefore(y, x))
            return false;
        return a < b;
    });
    // Put the records in that order by following each cycle of the permutation.
    std::vector<bool> placed(records_.size(), false);
    for (std::size_t start = 0; start < order.size(); ++start) {
        if (placed[start])
            continue;
        std::size_t target = start;
        CircuitRecord held = std::move(records_[start]);
        for (;;) {
            placed[target] = true;
            const auto source = static_cast<std::size_t>(order[target]);
            if (source == start) {
                records_[target] = std::move(held);
                break;
            }
            records_[target] = std::move(records_[source]);
            target = source;
        }
    }
}

void FiberCursor::clear()
{
    records_.clear();
    position_ = 0;
}

bool FiberCursor::moveNext()
{
    ++position_;
    if (position_ < count())
        return true;
    position_ = count() - 1;
    return false;
}

bool FiberCursor::movePrevious()
{
    --position_;
    if (position_ >= 0)
        return true;
    position_ = 0;
    return false;
}

CircuitRecord FiberCursor::current() const
{
    return at(position_);
}

CircuitRecord FiberCursor::at(int i) const
{
    if (i < 0 || i >= count())
        return CircuitRecord{};
    return records_[static_cast<std::size_t>(i)];
}

void FiberCursor::replaceCurrent(const CircuitRecord& record)
{
    if (position_ >= 0 && position_ < count())
        records_[static_cast<std::size_t>(position_)] = record;
}

void FiberCursor::removeCurrent()
{
    if (position_ < 0 || position_ >= count())
        return;
    records_.erase(records_.begin() + position_);
    if (position_ >= count())
        position_ = count() - 1;
}

void FiberCursor::replaceSite(const CircuitRecord& r)
{
    for (CircuitRecord& record : records_) {
        if (record.siteNumber != r.siteNumber)
            continue;
        record.linkId = r.linkId;
        record.siteNumber = r.siteNumber;
        record.companyName = r.companyName;
        record.companyNumber = r.companyNumber;
        for (int slot = 0; slot < kSlotCount; ++slot)
            record.slots[static_cast<std::size_t>(slot)].referencePower =
                r.slots[static_cast<std::size_t>(slot)].referencePower;
        record.splices = r.splices;
        record.connectorPairs = r.connectorPairs;
        record.temperature = r.temperature;
        record.lengthKm = r.lengthKm;
        record.siteFiberType = r.siteFiberType;
        record.wizardMask = r.wizardMask;
        record.testDate = r.testDate;
        record.testDateText = r.testDateText;
        record.standardNumber = r.standardNumber;
        record.customStandardId = r.customStandardId;
        record.linkComment = r.linkComment;
    }
}

void FiberCursor::replaceCompany(const CircuitRecord& r)
{
    for (CircuitRecord& record : records_) {
        if (record.companyNumber != r.companyNumber)
            continue;
        record.companyName = r.companyName;
        record.companyNumber = r.companyNumber;
        record.companyPhone = r.companyPhone;
        record.serialNumber = r.serialNumber;
        record.firmwareVersion = r.firmwareVersion;
    }
}
