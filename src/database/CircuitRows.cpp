#include "database/CircuitRows.h"

#include "app/LocaleFormat.h"
#include "database/ColumnValues.h"
#include "database/DatabaseException.h"
#include "standards/StandardsCatalog.h"

#include <algorithm>

namespace CircuitRows {

namespace {

QString quotedColumns(const QStringList& columns)
{
    QStringList out;
    for (const QString& c : columns)
        out << Database::quoteIdentifier(c);
    return out.join(QLatin1String(", "));
}

std::vector<ColumnDef> columnDefs(Database& db, const QString& table, const QStringList& columns)
{
    const TableDef definition = db.tableDef(table);
    std::vector<ColumnDef> defs;
    for (const QString& name : columns) {
        const ColumnDef* column = definition.column(name);
        if (!column)
            throw DatabaseException(QStringLiteral("Field '%1' not found in table '%2'.").arg(name, table));
        defs.push_back(*column);
    }
    return defs;
}

// Reads the named columns of one table in rowid order (the rowid first),
// typed as the table declares them.
class TableReader
{
public:
    TableReader(Database& db, const QString& table, const QStringList& columns)
        : columns_(columnDefs(db, table, columns)),
          statement_(db, QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid")
                             .arg(quotedColumns(columns), Database::quoteIdentifier(table)))
    {
    }

    bool next() { return statement_->step(); }
    std::int64_t rowId() const { return statement_->columnInt(0); }
    QVariant value(int i) const
    {
        return ColumnValues::fromStorage(columns_[static_cast<std::size_t>(i)], *statement_, i + 1);
    }
    QString text(int i) const { return value(i).toString(); }
    float single(int i) const { return value(i).toFloat(); }
    int integer(int i) const { return value(i).toInt(); }
    QDateTime date(int i) const { return value(i).toDateTime(); }

private:
    std::vector<ColumnDef> columns_;
    StatementLease statement_;
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

QStringList fiberColumns()
{
    QStringList columns = {"FiberNumber", "SiteNumber", "FiberName", "FiberType"};
    for (int slot = 0; slot < kSlotCount; ++slot)
        columns << QLatin1String(slotColumns(slot).powerColumn);
    return columns;
}

} // namespace

Companies readCompanies(Database& db)
{
    Companies companies;
    TableReader reader(db, QStringLiteral("Company"),
                       {QStringLiteral("CompanyNumber"), QStringLiteral("CompanyName"),
                        QStringLiteral("CompanyPhone"), QStringLiteral("SerialNo"),
                        QStringLiteral("Version")});
    while (reader.next()) {
        const QString number = reader.text(0);
        if (companies.contains(number))
            continue;
        CompanyRow row{reader.text(1), reader.text(2), reader.text(3), reader.text(4), QString()};
        row.meterModel = meterModelFromSerial(row.serialNumber);
        companies.insert(number, row);
    }
    return companies;
}

Sites readSites(Database& db)
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

    Sites sites;
    TableReader reader(db, QStringLiteral("Site"), columns);
    while (reader.next()) {
        const QString number = reader.text(0);
        if (sites.contains(number))
            continue;
        SiteRow row;
        row.rowId = reader.rowId();
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

FiberReader::FiberReader(Database& db, const QString& where)
    : columns_(columnDefs(db, QStringLiteral("Fiber"), fiberColumns())),
      statement_(db, QStringLiteral("SELECT rowid, %1 FROM Fiber %2 ORDER BY rowid")
                         .arg(quotedColumns(fiberColumns()),
                              where.isEmpty() ? QString() : QStringLiteral("WHERE ") + where))
{
}

void FiberReader::restart()
{
    statement_->reset();
}

void FiberReader::bindInt(int index, std::int64_t value)
{
    statement_->reset();
    statement_->bindInt(index, value);
}

bool FiberReader::next(FiberRow& row)
{
    if (!statement_->step())
        return false;
    const auto value = [this](int i) {
        return ColumnValues::fromStorage(columns_[static_cast<std::size_t>(i)], *statement_, i + 1);
    };
    row.rowId = statement_->columnInt(0);
    row.fiberNumber = value(0).toString();
    row.siteNumber = value(1).toString();
    row.name = value(2).toString();
    row.readings.fiberType = value(3).toInt();
    for (int slot = 0; slot < kSlotCount; ++slot)
        row.readings.powers[static_cast<std::size_t>(slot)] = value(4 + slot).toFloat();
    return true;
}

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

CircuitRecord makeRecord(const FiberRow& fiber, const Sites& sites, const Companies& companies,
                         const StandardsCatalog& catalogue)
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

} // namespace CircuitRows
