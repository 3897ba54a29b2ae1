#include "gui/browser/CircuitBrowserIndex.h"

#include "database/FiberCursor.h"
#include "gui/browser/CircuitBrowserValues.h"

#include <QElapsedTimer>
#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>

namespace {

constexpr int kNoColumn = -1;
constexpr float kNoValue = std::numeric_limits<float>::quiet_NaN();

QString folded(const QString& text)
{
    return text.trimmed().toCaseFolded();
}

// The date and time as the meter's clock showed them, in milliseconds: an
// order for the test dates without asking the time zone about each of a
// hundred thousand (which takes longer than all else the browser reads).
std::int64_t wallClockMs(const QDateTime& time)
{
    return time.date().toJulianDay() * 86400000LL + time.time().msecsSinceStartOfDay();
}

// The number a wavelength's name starts with ("1310nm"), to order the
// columns by wavelength; names without one come after.
int wavelengthNumber(const QString& name)
{
    int digits = 0;
    while (digits < name.size() && digits < 9 && name.at(digits).isDigit())
        ++digits;
    return digits == 0 ? std::numeric_limits<int>::max() : name.left(digits).toInt();
}

// A circuit ID the way the document's list orders it: a plain decimal number
// by its value.
std::int64_t plainNumber(const QString& circuitId)
{
    bool ok = false;
    const qint64 number = circuitId.toLongLong(&ok);
    if (!ok || number < 0 || QString::number(number) != circuitId)
        return -1;
    return number;
}

// Fail first, then notes, passes and circuits not judged; unmeasured
// wavelengths have no key.
std::optional<int> verdictRank(std::int8_t cell)
{
    switch (static_cast<VerdictCell>(cell)) {
    case VerdictCell::Fail:
        return 0;
    case VerdictCell::Note1:
    case VerdictCell::Note2:
    case VerdictCell::Note3:
        return 1;
    case VerdictCell::Pass:
        return 2;
    case VerdictCell::Other:
        return 3;
    default:
        return std::nullopt;
    }
}

// Sorts `order` by the key each circuit has, in either direction; circuits
// without a key come last either way, and equal keys keep the document's order.
template <typename Key, typename KeyOf>
void orderByKey(std::vector<int>& order, int count, bool ascending, KeyOf keyOf)
{
    std::vector<std::pair<Key, int>> keyed;
    std::vector<int> keyless;
    keyed.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        if (const std::optional<Key> key = keyOf(i))
            keyed.emplace_back(*key, i);
        else
            keyless.push_back(i);
    }
    if (ascending)
        std::sort(keyed.begin(), keyed.end());
    else
        std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
            return a.first != b.first ? b.first < a.first : a.second < b.second;
        });
    order.clear();
    order.reserve(static_cast<std::size_t>(count));
    for (const auto& entry : keyed)
        order.push_back(entry.second);
    order.insert(order.end(), keyless.begin(), keyless.end());
}

} // namespace

// What a reading in steps keeps between its steps.
struct CircuitBrowserIndex::Reading
{
    enum Stage
    {
        Links,    // each circuit's link, and the names of the links' slots
        Measured, // which names some circuit was measured at
        Values,   // each circuit's values
        Done,
    } stage = Links;
    int next = 0; // the circuit the stage goes on with
    QHash<RecordId, int> linkOf;
    QHash<RecordId, int> companyOf;
    QHash<QString, int> nameOf;
    // Per link: the name of each slot, as an index into nameOf.
    std::vector<std::array<int, kSlotCount>> linkSlotNames;
    std::vector<bool> measured;    // per name
    std::vector<int> wavelengthOf; // per name: its column, -1 for none
};

CircuitBrowserIndex::CircuitBrowserIndex() = default;
CircuitBrowserIndex::~CircuitBrowserIndex() = default;

void CircuitBrowserIndex::rebuild(const FiberCursor& cursor)
{
    startReading(cursor);
    readFor(cursor, -1);
}

void CircuitBrowserIndex::startReading(const FiberCursor& cursor)
{
    const auto n = std::size_t(cursor.count());
    companies_.clear();
    links_.clear();
    wavelengths_.clear();
    failingTotal_ = 0;
    branch_ = Branch();
    link_.assign(n, -1);
    column_.clear();
    verdict_.clear();
    for (auto* list : {&loss_, &overhead_})
        list->clear();
    testDate_.clear();
    flags_.clear();
    circuitFolded_.clear();
    circuitNumber_.clear();
    order_.clear();
    shown_.clear();
    rowOfCircuit_.clear();
    branchWavelengths_.clear();
    reading_ = std::make_unique<Reading>();
}

bool CircuitBrowserIndex::readFor(const FiberCursor& cursor, qint64 budgetMs)
{
    if (!reading_)
        return true;
    QElapsedTimer clock;
    clock.start();
    // The clock is looked at every so many circuits.
    constexpr int kBetweenLooks = 2048;
    const int count = cursor.count();
    if (count != circuitCount()) {
        // The list changed under a reading that was left to wait: start again.
        startReading(cursor);
    }
    Reading& r = *reading_;
    const auto timeIsUp = [&](int i) {
        return budgetMs >= 0 && i % kBetweenLooks == 0 && clock.elapsed() >= budgetMs;
    };
    if (r.stage == Reading::Links) {
        // A link's slots have its names, and a name a link gives two slots
        // is two columns, so that no reading hides another.
        for (; r.next < count; ++r.next) {
            if (timeIsUp(r.next))
                return false;
            const int i = r.next;
            const CircuitRecord& record = cursor.recordAt(i);
            int link = i > 0 && links_[std::size_t(link_[std::size_t(i) - 1])].id == record.siteNumber
                           ? link_[std::size_t(i) - 1]
                           : r.linkOf.value(record.siteNumber, -1);
            if (link < 0) {
                int company = r.companyOf.value(record.companyNumber, -1);
                if (company < 0) {
                    company = int(companies_.size());
                    companies_.push_back(
                        {record.companyNumber, record.companyName, folded(record.companyName)});
                    r.companyOf.insert(record.companyNumber, company);
                }
                link = int(links_.size());
                links_.push_back({record.siteNumber, company, record.linkId, folded(record.linkId)});
                r.linkOf.insert(record.siteNumber, link);
                std::array<int, kSlotCount> names{};
                QHash<QString, int> seen;
                for (int slot = 0; slot < kSlotCount; ++slot) {
                    const QString& name = record.wavelengthNames.at(std::size_t(slot));
                    const int occurrence = ++seen[name];
                    const QString key =
                        occurrence == 1 ? name : QStringLiteral("%1 (%2)").arg(name).arg(occurrence);
                    int index = r.nameOf.value(key, -1);
                    if (index < 0) {
                        index = int(r.nameOf.size());
                        r.nameOf.insert(key, index);
                    }
                    names[std::size_t(slot)] = index;
                }
                r.linkSlotNames.push_back(names);
            }
            link_[std::size_t(i)] = link;
        }
        r.stage = Reading::Measured;
        r.next = 0;
        r.measured.assign(std::size_t(r.nameOf.size()), false);
    }
    if (r.stage == Reading::Measured) {
        for (; r.next < count; ++r.next) {
            if (timeIsUp(r.next))
                return false;
            const CircuitRecord& record = cursor.recordAt(r.next);
            const auto& names = r.linkSlotNames[std::size_t(link_[std::size_t(r.next)])];
            for (int slot = 0; slot < kSlotCount; ++slot) {
                if (record.isMeasured(slot))
                    r.measured[std::size_t(names[std::size_t(slot)])] = true;
            }
        }
        // Only names some circuit was measured at are columns, by wavelength.
        QStringList names;
        for (auto it = r.nameOf.cbegin(); it != r.nameOf.cend(); ++it) {
            if (r.measured[std::size_t(it.value())])
                names << it.key();
        }
        std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
            const int x = wavelengthNumber(a);
            const int y = wavelengthNumber(b);
            return x != y ? x < y : a < b;
        });
        wavelengths_ = names;
        r.wavelengthOf.assign(r.measured.size(), -1);
        for (int w = 0; w < names.size(); ++w)
            r.wavelengthOf[std::size_t(r.nameOf.value(names.at(w)))] = w;
        const auto n = std::size_t(count);
        // Per slot, not per column: a file whose links name many wavelengths
        // has many columns, but a circuit never more than its slots.
        const auto cells = n * std::size_t(kSlotCount);
        column_.assign(cells, kNoColumn);
        verdict_.assign(cells, std::int8_t(VerdictCell::NotMeasured));
        loss_.assign(cells, kNoValue);
        overhead_.assign(cells, kNoValue);
        testDate_.assign(n, std::numeric_limits<std::int64_t>::min());
        flags_.assign(n, 0);
        circuitFolded_.assign(n, QString());
        circuitNumber_.assign(n, -1);
        r.stage = Reading::Values;
        r.next = 0;
    }
    if (r.stage == Reading::Values) {
        for (; r.next < count; ++r.next) {
            if (timeIsUp(r.next))
                return false;
            const int i = r.next;
            const CircuitRecord& record = cursor.recordAt(i);
            const auto row = std::size_t(i);
            const auto& names = r.linkSlotNames[std::size_t(link_[row])];
            std::uint8_t flags = 0;
            for (int slot = 0; slot < kSlotCount; ++slot) {
                if (!record.isMeasured(slot))
                    continue;
                const VerdictCell verdict = CircuitBrowserValues::verdict(record, slot);
                if (verdict == VerdictCell::Fail)
                    flags |= HasFail;
                else if (verdict == VerdictCell::Note1 || verdict == VerdictCell::Note2 ||
                         verdict == VerdictCell::Note3)
                    flags |= HasNote;
                const std::size_t cell = row * std::size_t(kSlotCount) + std::size_t(slot);
                column_[cell] = r.wavelengthOf[std::size_t(names[std::size_t(slot)])];
                verdict_[cell] = std::int8_t(verdict);
                loss_[cell] = CircuitBrowserValues::opticalLoss(record, slot).value_or(kNoValue);
                overhead_[cell] = CircuitBrowserValues::overhead(record, slot).value_or(kNoValue);
            }
            flags_[row] = flags;
            if (record.testDate.isValid())
                testDate_[row] = wallClockMs(record.testDate);
            readCircuitId(record.circuitId, i);
            countCircuit(i, +1);
        }
        r.stage = Reading::Done;
        // The order is a slice of its own.
        if (budgetMs >= 0)
            return false;
    }
    reading_.reset();
    rankLinks();
    findBranchWavelengths();
    sortAll();
    return true;
}

void CircuitBrowserIndex::readCircuitId(const QString& circuitId, int index)
{
    circuitFolded_[std::size_t(index)] = folded(circuitId);
    circuitNumber_[std::size_t(index)] = plainNumber(circuitId);
}

void CircuitBrowserIndex::countCircuit(int index, int delta)
{
    Link& link = links_[std::size_t(link_[std::size_t(index)])];
    Company& company = companies_[std::size_t(link.company)];
    link.circuits += delta;
    company.circuits += delta;
    if (flags_[std::size_t(index)] & HasFail) {
        link.failing += delta;
        company.failing += delta;
        failingTotal_ += delta;
    }
}

void CircuitBrowserIndex::rankLinks()
{
    std::vector<int> byName(links_.size());
    std::iota(byName.begin(), byName.end(), 0);
    std::sort(byName.begin(), byName.end(), [this](int a, int b) {
        return links_[std::size_t(a)].name.compare(links_[std::size_t(b)].name, Qt::CaseInsensitive) < 0;
    });
    linkRank_.assign(links_.size(), 0);
    int rank = 0;
    for (std::size_t k = 0; k < byName.size(); ++k) {
        if (k > 0 && links_[std::size_t(byName[k])].name.compare(links_[std::size_t(byName[k - 1])].name,
                                                                 Qt::CaseInsensitive) != 0)
            ++rank;
        linkRank_[std::size_t(byName[k])] = rank;
    }
}

bool CircuitBrowserIndex::applyChange(const FiberCursor& cursor, const CircuitChange& change)
{
    // A reading must start again: it may have read the old values.
    if (reading_)
        return false;
    const std::vector<int> before = shown_;
    bool resort = false;
    for (const IndexRanges::Range& range : change.circuits.ranges()) {
        if (range.first < 0 || range.end > circuitCount())
            continue;
        if (change.changed(CircuitChange::CircuitId)) {
            for (int i = range.first; i < range.end; ++i)
                readCircuitId(cursor.recordAt(i).circuitId, i);
            resort = resort || sortColumn_ == CircuitColumn;
        }
        // A link's or company's circuits all carry its new values: the
        // first of each run is enough.
        const CircuitRecord& first = cursor.recordAt(range.first);
        Link& link = links_[std::size_t(link_[std::size_t(range.first)])];
        if (change.changed(CircuitChange::Link)) {
            link.name = first.linkId;
            link.folded = folded(first.linkId);
            resort = resort || sortColumn_ == LinkColumn;
        }
        if (change.changed(CircuitChange::Company)) {
            Company& company = companies_[std::size_t(link.company)];
            company.name = first.companyName;
            company.folded = folded(first.companyName);
        }
    }
    if (change.changed(CircuitChange::Link))
        rankLinks();
    if (resort)
        sortAll();
    else if (!text_.isEmpty())
        filter();
    return shown_ != before;
}

bool CircuitBrowserIndex::mayMoveRows(const CircuitChange& change) const
{
    return !text_.isEmpty() || (change.changed(CircuitChange::CircuitId) && sortColumn_ == CircuitColumn) ||
           (change.changed(CircuitChange::Link) && sortColumn_ == LinkColumn);
}

int CircuitBrowserIndex::remove(int index)
{
    if (reading_ || index < 0 || index >= circuitCount())
        return -1;
    countCircuit(index, -1);
    const auto at = std::ptrdiff_t(index);
    link_.erase(link_.begin() + at);
    testDate_.erase(testDate_.begin() + at);
    flags_.erase(flags_.begin() + at);
    circuitFolded_.erase(circuitFolded_.begin() + at);
    circuitNumber_.erase(circuitNumber_.begin() + at);
    const auto width = std::ptrdiff_t(kSlotCount);
    column_.erase(column_.begin() + at * width, column_.begin() + (at + 1) * width);
    verdict_.erase(verdict_.begin() + at * width, verdict_.begin() + (at + 1) * width);
    for (auto* cells : {&loss_, &overhead_}) {
        cells->erase(cells->begin() + at * width, cells->begin() + (at + 1) * width);
    }
    const auto drop = [index](std::vector<int>& list) {
        list.erase(std::remove(list.begin(), list.end(), index), list.end());
        for (int& i : list) {
            if (i > index)
                --i;
        }
    };
    const int row = rowOfCircuit_[std::size_t(index)];
    drop(order_);
    drop(shown_);
    rowOfCircuit_.erase(rowOfCircuit_.begin() + at);
    if (row >= 0) {
        for (int& r : rowOfCircuit_) {
            if (r > row)
                --r;
        }
    }
    return row;
}

int CircuitBrowserIndex::rowOf(int index) const
{
    if (index < 0 || index >= int(rowOfCircuit_.size()))
        return -1;
    return rowOfCircuit_[std::size_t(index)];
}

int CircuitBrowserIndex::slotAt(int index, int wavelength) const
{
    const std::size_t first = std::size_t(index) * std::size_t(kSlotCount);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (column_[first + std::size_t(slot)] == wavelength)
            return slot;
    }
    return -1;
}

VerdictCell CircuitBrowserIndex::verdictAt(int index, int wavelength) const
{
    const int slot = slotAt(index, wavelength);
    if (slot < 0)
        return VerdictCell::NotMeasured;
    return static_cast<VerdictCell>(
        verdict_[std::size_t(index) * std::size_t(kSlotCount) + std::size_t(slot)]);
}

bool CircuitBrowserIndex::branchHasWavelength(int wavelength) const
{
    return wavelength >= 0 && std::size_t(wavelength) < branchWavelengths_.size() &&
           branchWavelengths_[std::size_t(wavelength)];
}

void CircuitBrowserIndex::setBranch(Branch branch)
{
    branch_ = branch;
    findBranchWavelengths();
    filter();
}

void CircuitBrowserIndex::setVerdictFilter(VerdictFilter filter)
{
    verdictFilter_ = filter;
    this->filter();
}

void CircuitBrowserIndex::setText(const QString& text)
{
    text_ = folded(text);
    filter();
}

void CircuitBrowserIndex::sortBy(int column, bool ascending)
{
    sortColumn_ = column;
    ascending_ = ascending;
    sortAll();
}

void CircuitBrowserIndex::sortAll()
{
    // A reading sorts and filters once it is done.
    if (reading_)
        return;
    const int count = circuitCount();
    if (sortColumn_ < 0 || sortColumn_ >= columnCount())
        sortColumn_ = LinkColumn;
    if (sortColumn_ == LinkColumn) {
        orderByKey<int>(order_, count, ascending_, [this](int i) {
            return std::optional<int>(linkRank_[std::size_t(link_[std::size_t(i)])]);
        });
    } else if (sortColumn_ == TestDateColumn) {
        orderByKey<std::int64_t>(order_, count, ascending_, [this](int i) {
            const std::int64_t date = testDate_[std::size_t(i)];
            return date == std::numeric_limits<std::int64_t>::min() ? std::nullopt
                                                                    : std::optional<std::int64_t>(date);
        });
    } else if (sortColumn_ == CircuitColumn) {
        // Plain numbers by value before other IDs by their text.
        order_.resize(std::size_t(count));
        std::iota(order_.begin(), order_.end(), 0);
        const auto less = [this](int a, int b) {
            const std::int64_t x = circuitNumber_[std::size_t(a)];
            const std::int64_t y = circuitNumber_[std::size_t(b)];
            if ((x < 0) != (y < 0))
                return x >= 0;
            if (x >= 0 && x != y)
                return x < y;
            if (x < 0) {
                const int text = circuitFolded_[std::size_t(a)].compare(circuitFolded_[std::size_t(b)]);
                if (text != 0)
                    return text < 0;
            }
            return false;
        };
        std::stable_sort(order_.begin(), order_.end(),
                         [&](int a, int b) { return ascending_ ? less(a, b) : less(b, a); });
    } else {
        const int wavelength = (sortColumn_ - FirstWavelengthColumn) / kColumnsPerWavelength;
        const auto value = WavelengthValue((sortColumn_ - FirstWavelengthColumn) % kColumnsPerWavelength);
        // The cell of the circuit's slot measured at that wavelength, if any.
        const auto cell = [this, wavelength](int i) -> std::optional<std::size_t> {
            const int slot = slotAt(i, wavelength);
            if (slot < 0)
                return std::nullopt;
            return std::size_t(i) * std::size_t(kSlotCount) + std::size_t(slot);
        };
        if (value == WavelengthValue::Verdict) {
            orderByKey<int>(order_, count, ascending_, [&](int i) -> std::optional<int> {
                const std::optional<std::size_t> at = cell(i);
                return at ? verdictRank(verdict_[*at]) : std::nullopt;
            });
        } else {
            const std::vector<float>& values = value == WavelengthValue::OpticalLoss ? loss_ : overhead_;
            orderByKey<float>(order_, count, ascending_, [&](int i) -> std::optional<float> {
                const std::optional<std::size_t> at = cell(i);
                if (!at || std::isnan(values[*at]))
                    return std::nullopt;
                return values[*at];
            });
        }
    }
    filter();
}

void CircuitBrowserIndex::filter()
{
    if (reading_)
        return;
    // The text is looked for once per link and company, then per circuit ID.
    std::vector<std::uint8_t> linkMatches(links_.size(), 1);
    if (!text_.isEmpty()) {
        for (std::size_t l = 0; l < links_.size(); ++l) {
            const Link& link = links_[l];
            linkMatches[l] =
                link.folded.contains(text_) || companies_[std::size_t(link.company)].folded.contains(text_);
        }
    }
    std::uint8_t required = 0;
    if (verdictFilter_ == VerdictFilter::Failing)
        required = HasFail;
    else if (verdictFilter_ == VerdictFilter::Notes)
        required = HasNote;
    shown_.clear();
    rowOfCircuit_.assign(link_.size(), -1);
    for (int i : order_) {
        const auto c = std::size_t(i);
        const int link = link_[c];
        if (branch_.kind == Branch::Link && link != branch_.index)
            continue;
        if (branch_.kind == Branch::Company && links_[std::size_t(link)].company != branch_.index)
            continue;
        if (required && !(flags_[c] & required))
            continue;
        if (!text_.isEmpty() && !linkMatches[std::size_t(link)] && !circuitFolded_[c].contains(text_))
            continue;
        rowOfCircuit_[c] = int(shown_.size());
        shown_.push_back(i);
    }
}

void CircuitBrowserIndex::findBranchWavelengths()
{
    if (reading_)
        return;
    const auto width = std::size_t(wavelengths_.size());
    branchWavelengths_.assign(width, false);
    for (std::size_t i = 0; i < link_.size(); ++i) {
        const int link = link_[i];
        if (branch_.kind == Branch::Link && link != branch_.index)
            continue;
        if (branch_.kind == Branch::Company && links_[std::size_t(link)].company != branch_.index)
            continue;
        for (std::size_t slot = 0; slot < std::size_t(kSlotCount); ++slot) {
            const int column = column_[i * std::size_t(kSlotCount) + slot];
            if (column != kNoColumn)
                branchWavelengths_[std::size_t(column)] = true;
        }
    }
}
