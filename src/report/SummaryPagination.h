#pragma once

#include <vector>

class FiberCursor;
struct ReportPageGeometry;

// How the circuit summary report falls into pages: circuits are grouped by
// link ID (a new group wherever the link ID differs, as exact text, from the
// circuit before), every group starts on a new page and takes as many pages
// as its rows need.
class SummaryPagination
{
public:
    struct PageRange
    {
        int first = 0; // cursor index of the page's first circuit
        int count = 0;
    };

    // Circuit lines that fit between the table head and the notes of a page.
    static int rowsPerPage(const ReportPageGeometry& geometry, int headerBase);

    // False, with no pages, when fewer than one row fits.
    bool build(const FiberCursor& cursor, int rowsPerPage);
    void clear();

    int rowsPerPage() const { return rowsPerPage_; }
    int pageCount() const { return pageCount_; }
    // Page n, counted from 1; an empty range outside the pages.
    PageRange page(int n) const;

private:
    struct Group
    {
        int first = 0;
        int size = 0;
        int firstPage = 1;
    };

    int rowsPerPage_ = 0;
    int pageCount_ = 0;
    std::vector<Group> groups_;
};
