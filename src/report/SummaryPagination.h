#pragma once

#include <vector>

class ChosenCircuits;
class FiberCursor;
struct ReportPageGeometry;

struct CircuitRecord;

// How the circuit summary report falls into pages: circuits are grouped by
// link ID and company (a new group wherever the link ID or the company name
// differs, as exact text, from the circuit before), every group starts on a
// new page and takes as many pages as its rows need.
class SummaryPagination
{
public:
    struct PageRange
    {
        int first = 0; // cursor index of the page's first circuit
        int count = 0;
    };

    // Whether `circuit` starts a new group after `before`. A page's header
    // names one link and one company: two links of the same name but of two
    // companies are two groups, or one company's circuits would be printed
    // under the other's name. The company is the name the header shows, not
    // its row: every download brings a company row of its own, and a link
    // tested again another day stays one group.
    static bool startsGroup(const CircuitRecord& before, const CircuitRecord& circuit);

    // Circuit lines that fit between the table head and the notes of a page.
    static int rowsPerPage(const ReportPageGeometry& geometry, int headerBase);

    // A group: the circuits first .. first + size - 1, from page firstPage on.
    struct Group
    {
        int first = 0;
        int size = 0;
        int firstPage = 1;
    };

    // False, with no pages, when fewer than one row fits.
    bool build(const FiberCursor& cursor, int rowsPerPage);
    // The same over the chosen circuits, indexes counted in the choice.
    bool build(const ChosenCircuits& circuits, int rowsPerPage);
    void clear();

    int rowsPerPage() const { return rowsPerPage_; }
    int pageCount() const { return pageCount_; }
    // Page n, counted from 1; an empty range outside the pages.
    PageRange page(int n) const;
    const std::vector<Group>& groups() const { return groups_; }

private:
    int rowsPerPage_ = 0;
    int pageCount_ = 0;
    std::vector<Group> groups_;
};
