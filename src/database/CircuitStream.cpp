#include "database/CircuitStream.h"

#include "database/CircuitRows.h"
#include "database/DatabaseException.h"
#include "database/FiberCursor.h"

#include <algorithm>
#include <vector>

namespace {

using namespace CircuitRows;

// Circuits built between two looks at the stop check.
constexpr std::size_t kStopCheckStep = 2048;

// Fibers whose site number names no site row: the cursor shows them without
// a link ID, so they belong to the group of the empty link ID.
const QString kOrphanFibers = QStringLiteral(
    "SiteNumber IS NULL OR SiteNumber NOT IN (SELECT SiteNumber FROM Site WHERE SiteNumber IS NOT NULL)");
// The fibers of one site row, found through the Fiber table's SiteNumber index.
const QString kFibersOfSite = QStringLiteral("SiteNumber IN (SELECT SiteNumber FROM Site WHERE rowid = ?)");

struct GroupMember
{
    QString linkId;
    SiteRow* site = nullptr; // none: the fibers without a site
};

class LinkGroups
{
public:
    LinkGroups(Database& db, const StandardsCatalog& catalogue, const CircuitStream::StopCheck& stopped)
        : stopped_(stopped), companies_(readCompanies(db)), sites_(readSites(db)), catalogue_(catalogue),
          siteFibers_(db, kFibersOfSite), orphanFibers_(db, kOrphanFibers)
    {
        for (auto it = sites_.begin(); it != sites_.end(); ++it) {
            if (!it.key().isEmpty())
                members_.push_back({it->shownLinkId(), &*it});
        }
        members_.push_back({QString(), nullptr});
        std::stable_sort(members_.begin(), members_.end(), [](const GroupMember& a, const GroupMember& b) {
            return a.linkId.compare(b.linkId, Qt::CaseInsensitive) < 0;
        });
    }

    bool visitAll(const CircuitStream::Visitor& visit)
    {
        for (std::size_t first = 0; first < members_.size();) {
            std::size_t end = first + 1;
            while (end < members_.size() &&
                   members_[end].linkId.compare(members_[first].linkId, Qt::CaseInsensitive) == 0)
                ++end;
            if (!visitGroup(first, end, visit))
                return false;
            first = end;
        }
        return true;
    }

private:
    struct Built
    {
        std::int64_t rowId;
        CircuitRecord record;
    };

    // All circuits of one link ID, sorted as the cursor sorts them; equal
    // ones keep table order.
    bool visitGroup(std::size_t first, std::size_t end, const CircuitStream::Visitor& visit)
    {
        fibers_.clear();
        for (std::size_t i = first; i < end; ++i) {
            SiteRow* site = members_[i].site;
            FiberReader& reader = site ? siteFibers_ : orphanFibers_;
            if (site)
                reader.bindInt(1, site->rowId);
            else
                reader.restart();
            FiberRow row;
            while (reader.next(row)) {
                if (site)
                    collectSiteSlots(*site, row.readings);
                fibers_.push_back(std::move(row));
                if (fibers_.size() % kStopCheckStep == 0 && stopped_ && stopped_())
                    return false;
            }
        }
        built_.clear();
        built_.reserve(fibers_.size());
        for (const FiberRow& fiber : fibers_) {
            built_.push_back({fiber.rowId, makeRecord(fiber, sites_, companies_, catalogue_)});
            if (built_.size() % kStopCheckStep == 0 && stopped_ && stopped_())
                return false;
        }
        std::sort(built_.begin(), built_.end(), [](const Built& a, const Built& b) {
            if (FiberCursor::sortsBefore(a.record, b.record))
                return true;
            if (FiberCursor::sortsBefore(b.record, a.record))
                return false;
            return a.rowId < b.rowId;
        });
        for (const Built& circuit : built_) {
            if (!visit(circuit.record))
                return false;
        }
        return true;
    }

    const CircuitStream::StopCheck& stopped_;
    const Companies companies_;
    Sites sites_;
    const StandardsCatalog& catalogue_;
    FiberReader siteFibers_;
    FiberReader orphanFibers_;
    std::vector<GroupMember> members_;
    std::vector<FiberRow> fibers_;
    std::vector<Built> built_;
};

} // namespace

bool CircuitStream::forEach(Database& db, const StandardsCatalog& catalogue, const Visitor& visit,
                            QString* error, const StopCheck& stopped)
{
    try {
        LinkGroups groups(db, catalogue, stopped);
        groups.visitAll(visit);
        return true;
    } catch (const DatabaseException& e) {
        if (error)
            *error = e.description();
        return false;
    }
}
