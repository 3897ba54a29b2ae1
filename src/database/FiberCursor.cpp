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
#include <optional>

namespace {

// How many fibers are read between two looks at the job's progress.
constexpr std::size_t kProgressStep = 2048;

// The value of a plain decimal integer, the text "%d" would print for it;
// none for any other text.
std::optional<long long> plainInteger(const QString& text)
{
    bool ok = false;
    const long long number = text.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max() ||
        QString::number(number) != text)
        return std::nullopt;
    return number;
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

// The sort order as a comparison (negative, zero, positive), with the
// circuit IDs' values as plainInteger() gives them.
int compareInOrder(const CircuitRecord& a, const std::optional<long long>& aNumber, const CircuitRecord& b,
                   const std::optional<long long>& bNumber)
{
    // Most comparisons of a sort are between circuits of one link: equal
    // texts are told at once, without folding the case of each letter.
    const int link = a.linkId == b.linkId ? 0 : a.linkId.compare(b.linkId, Qt::CaseInsensitive);
    if (link != 0)
        return link;
    const int circuit = aNumber && bNumber ? (*aNumber < *bNumber ? -1 : (*aNumber > *bNumber ? 1 : 0))
                                           : a.circuitId.compare(b.circuitId, Qt::CaseInsensitive);
    if (circuit != 0)
        return circuit;
    const int test = compareTimes(a.testDate, b.testDate);
    if (test != 0)
        return test;
    return compareTimes(a.uploadDate, b.uploadDate);
}

} // namespace

bool FiberCursor::sortsBefore(const CircuitRecord& a, const CircuitRecord& b)
{
    return compareInOrder(a, plainInteger(a.circuitId), b, plainInteger(b.circuitId)) < 0;
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
    // What the order compares is worked out once per record, not at every
    // comparison: the link's rank among the links (without regard to case)
    // and the circuit ID's value. On a large file, reading those at every
    // comparison was most of the time the sort took.
    QHash<QString, int> linkRanks;
    for (const CircuitRecord& record : records_)
        linkRanks.insert(record.linkId, 0);
    QStringList links = linkRanks.keys();
    std::sort(links.begin(), links.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    int rank = 0;
    for (qsizetype i = 0; i < links.size(); ++i) {
        // Links that differ only in case share a rank.
        if (i > 0 && links.at(i).compare(links.at(i - 1), Qt::CaseInsensitive) != 0)
            ++rank;
        linkRanks[links.at(i)] = rank;
    }
    struct Key
    {
        int link;
        std::optional<long long> number;
    };
    std::vector<Key> keys;
    keys.reserve(records_.size());
    for (const CircuitRecord& record : records_)
        keys.push_back({linkRanks.value(record.linkId), plainInteger(record.circuitId)});
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const auto x = static_cast<std::size_t>(a);
        const auto y = static_cast<std::size_t>(b);
        if (keys[x].link != keys[y].link)
            return keys[x].link < keys[y].link;
        const int compared = compareInOrder(records_[x], keys[x].number, records_[y], keys[y].number);
        return compared != 0 ? compared < 0 : a < b;
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

bool FiberCursor::releaseSome(int count)
{
    siteRuns_.clear();
    companyRuns_.clear();
    position_ = 0;
    for (int i = 0; i < count && !records_.empty(); ++i)
        records_.pop_back();
    if (!records_.empty())
        return true;
    std::vector<CircuitRecord>().swap(records_);
    return false;
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

void FiberCursor::insertAt(int index, CircuitRecord record)
{
    index = std::clamp(index, 0, count());
    records_.insert(records_.begin() + index, std::move(record));
    if (index <= position_ && count() > 1)
        ++position_;
    position_ = std::clamp(position_, 0, count() - 1);
    // Rare (an undone delete): the runs are found again rather than shifted.
    indexRecords();
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
