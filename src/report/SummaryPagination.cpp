#include "report/SummaryPagination.h"

#include "database/FiberCursor.h"
#include "report/CircuitChoice.h"
#include "report/ReportPageGeometry.h"

#include <algorithm>

int SummaryPagination::rowsPerPage(const ReportPageGeometry& g, int headerBase)
{
    const int step = g.lineStep;
    if (step <= 0)
        return 0;
    const int tableTop = headerBase + step * 11 / 2;
    return (g.bottom - tableTop - 2 * step) / step - 1 - 5;
}

bool SummaryPagination::startsGroup(const CircuitRecord& before, const CircuitRecord& circuit)
{
    return circuit.linkId != before.linkId || circuit.companyName != before.companyName;
}

void SummaryPagination::clear()
{
    rowsPerPage_ = 0;
    pageCount_ = 0;
    groups_.clear();
}

bool SummaryPagination::build(const FiberCursor& cursor, int rowsPerPage)
{
    return build(ChosenCircuits(cursor), rowsPerPage);
}

bool SummaryPagination::build(const ChosenCircuits& cursor, int rowsPerPage)
{
    clear();
    if (rowsPerPage < 1)
        return false;
    rowsPerPage_ = rowsPerPage;
    for (int i = 0; i < cursor.count(); ++i) {
        if (groups_.empty() || startsGroup(cursor.recordAt(i - 1), cursor.recordAt(i)))
            groups_.push_back({i, 0, 0});
        ++groups_.back().size;
    }
    int pages = 0;
    for (Group& group : groups_) {
        group.firstPage = pages + 1;
        pages += (group.size + rowsPerPage - 1) / rowsPerPage;
    }
    pageCount_ = pages;
    return true;
}

SummaryPagination::PageRange SummaryPagination::page(int n) const
{
    if (n < 1 || n > pageCount_)
        return {};
    // The last group starting at or before page n.
    const auto next = std::upper_bound(groups_.begin(), groups_.end(), n,
                                       [](int page, const Group& group) { return page < group.firstPage; });
    const Group& group = *(next - 1);
    const int first = group.first + (n - group.firstPage) * rowsPerPage_;
    const int end = group.first + group.size;
    return {first, std::min(rowsPerPage_, end - first)};
}
