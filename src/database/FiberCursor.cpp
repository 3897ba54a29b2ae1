#include "database/FiberCursor.h"

#include "app/JobProgress.h"
#include "app/StringIds.h"
#include "app/StringTable.h"
#include "database/CircuitRows.h"
#include "database/Database.h"
#include "database/DatabaseException.h"
#include "standards/StandardsCatalog.h"

#include <algorithm>
#include <limits>

namespace {

// How many fibers are read between two looks at the job's progress.
constexpr std::size_t kProgressStep = 2048;

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

OperationResult FiberCursor::build(Database& db, const StandardsCatalog& catalogue, JobProgress* progress)
{
    using namespace CircuitRows;
    clear();
    try {
        const Companies companies = readCompanies(db);
        Sites sites = readSites(db);

        const qint64 total = db.countRows(QStringLiteral("Fiber"));
        const QString what = Strings::loadString(StringId::ReadingCircuits);
        std::vector<FiberRow> fibers;
        fibers.reserve(static_cast<std::size_t>(total));
        FiberReader reader(db);
        FiberRow row;
        while (reader.next(row)) {
            auto site = sites.find(row.siteNumber);
            if (site != sites.end())
                collectSiteSlots(*site, row.readings);
            fibers.push_back(std::move(row));
            if (progress && fibers.size() % kProgressStep == 0) {
                if (progress->isCancelled()) {
                    clear();
                    return OperationResult::cancelled();
                }
                progress->report(what, static_cast<std::int64_t>(fibers.size()), total);
            }
        }
        records_.reserve(fibers.size());
        for (FiberRow& fiber : fibers) {
            records_.push_back(makeRecord(fiber, sites, companies, catalogue));
            fiber = FiberRow{}; // its texts now live in the record
            // Evaluating takes as long as reading: a cancel is heard here too.
            if (progress && records_.size() % kProgressStep == 0 && progress->isCancelled()) {
                clear();
                return OperationResult::cancelled();
            }
        }
    } catch (const DatabaseException& e) {
        clear();
        return OperationResult::failure(e.description());
    }
    sortRecords();
    indexRecords();
    return OperationResult::success();
}

void FiberCursor::indexRecords()
{
    siteRuns_.clear();
    companyRuns_.clear();
    for (std::size_t i = 0; i < records_.size(); ++i) {
        siteRuns_[records_[i].siteNumber].append(static_cast<int>(i));
        companyRuns_[records_[i].companyNumber].append(static_cast<int>(i));
    }
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
    siteRuns_.clear();
    companyRuns_.clear();
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
    if (position_ < 0 || position_ >= count())
        return;
    CircuitRecord& current = records_[static_cast<std::size_t>(position_)];
    const bool moved =
        current.siteNumber != record.siteNumber || current.companyNumber != record.companyNumber;
    current = record;
    if (moved)
        indexRecords();
}

void FiberCursor::removeCurrent()
{
    if (position_ < 0 || position_ >= count())
        return;
    removeAt(position_);
    if (records_.empty())
        position_ = -1; // as it always was: nothing is current
}

int FiberCursor::setPosition(int index)
{
    position_ = std::clamp(index, 0, std::max(count() - 1, 0));
    return position_;
}

void FiberCursor::removeAt(int index)
{
    if (index < 0 || index >= count())
        return;
    // The circuit leaves the runs of its site and company; every run after it moves down by one.
    for (auto* runs : {&siteRuns_, &companyRuns_}) {
        for (auto it = runs->begin(); it != runs->end();) {
            if (it->ranges().back().end > index)
                it->removeShifting(index);
            it = it->isEmpty() ? runs->erase(it) : std::next(it);
        }
    }
    records_.erase(records_.begin() + index);
    if (index < position_ || position_ >= count())
        --position_;
    position_ = std::clamp(position_, 0, std::max(count() - 1, 0));
}

IndexRanges FiberCursor::setCircuitId(int index, const QString& circuitId)
{
    if (index < 0 || index >= count())
        return {};
    records_[static_cast<std::size_t>(index)].circuitId = circuitId;
    return IndexRanges(index, index + 1);
}

IndexRanges FiberCursor::setLink(const RecordId& site, const QString& linkId, const QString& comment)
{
    const IndexRanges changed = siteRuns_.value(site);
    for (const IndexRanges::Range& run : changed.ranges()) {
        for (int i = run.first; i < run.end; ++i) {
            CircuitRecord& record = records_[static_cast<std::size_t>(i)];
            record.linkId = linkId;
            record.linkComment = comment;
        }
    }
    return changed;
}

IndexRanges FiberCursor::setCompany(const RecordId& company, const QString& name, const QString& telephone)
{
    const IndexRanges changed = companyRuns_.value(company);
    for (const IndexRanges::Range& run : changed.ranges()) {
        for (int i = run.first; i < run.end; ++i) {
            CircuitRecord& record = records_[static_cast<std::size_t>(i)];
            // A key typed in one field leaves the other as it was: comparing
            // is cheaper than copying, a hundred thousand times over.
            if (record.companyName != name)
                record.companyName = name;
            if (record.companyPhone != telephone)
                record.companyPhone = telephone;
        }
    }
    return changed;
}
