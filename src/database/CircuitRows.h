#pragma once

#include "database/CircuitRecord.h"
#include "database/ColumnDef.h"
#include "database/Database.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

class StandardsCatalog;

// The rows a circuit is made of, read straight from a test database's tables:
// every company and site (a few thousand at most) into memory, fibers a row at
// a time. The fiber cursor and the streamed circuit list share them, so both
// evaluate a fiber from exactly the same values.
namespace CircuitRows {

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
    std::int64_t rowId = 0;
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

    // The link ID its circuits show: the circuits of a site without a company show none.
    QString shownLinkId() const { return companyNumber.isEmpty() ? QString() : name; }
};

struct FiberRow
{
    std::int64_t rowId = 0;
    RecordId fiberNumber;
    RecordId siteNumber;
    QString name;
    FiberReadings readings;
};

// By number; the first row of a number is the one a filter finds.
using Companies = QHash<QString, CompanyRow>;
using Sites = QHash<QString, SiteRow>;

Companies readCompanies(Database& db);
Sites readSites(Database& db);

// Fiber rows in table order: all of them, or those a condition selects
// (`where` may hold "?" parameters, bound with bindInt()).
class FiberReader
{
public:
    explicit FiberReader(Database& db, const QString& where = QString());

    // Starts the query again from its first row.
    void restart();
    // Starts it again with a new value for a parameter.
    void bindInt(int index, std::int64_t value);
    bool next(FiberRow& row);

private:
    std::vector<ColumnDef> columns_;
    StatementLease statement_;
};

// Adds the fiber's measured slots (the first three, in slot order) that the
// site's list lacks, until the list holds three.
void collectSiteSlots(SiteRow& site, const FiberReadings& readings);

CircuitRecord makeRecord(const FiberRow& fiber, const Sites& sites, const Companies& companies,
                         const StandardsCatalog& catalogue);

} // namespace CircuitRows
