#pragma once

#include "meter/DownloadModel.h"
#include "standards/FiberTypes.h"

#include <QString>
#include <QStringList>

#include <array>
#include <map>
#include <vector>

// What was left out of a download and why, for the user.
struct ImportOmissions
{
    int fibersWithoutLink = 0;             // their list's site has no record
    int readingsWithoutReference = 0;      // the site has no reference in their column
    int readingsWithoutWavelength = 0;     // their column lies beyond the list's wavelength names
    int readingsBeyondFiveWavelengths = 0; // the site's five slots were taken
    int readingsNotFinite = 0;             // damaged: no number as a meter writes one, or not finite
    int readingsImplausible = 0;           // damaged: a power no loss meter reads
    int readingsWithDamagedReference = 0;  // the site's reference in their column is damaged
    int fibersOfDamagedLink = 0;           // their site's length, counts or temperature are damaged

    bool any() const;
    // One sentence per kind of omission, from the string table.
    QStringList describe() const;
};

// Where every reading of a download goes. A site's five wavelength slots are
// the union of the reading columns that its fiber lists use, one slot per
// wavelength, in the order they first appear; each reading lands in the slot
// of its own column's wavelength. A single list therefore fills slot n with
// its n-th used column, and a second list of the same site adds its new
// wavelengths without moving the first list's readings.
class DownloadSlotPlan
{
public:
    struct Slot
    {
        QString wavelength;
        float reference = 0.0f;
        bool wizard = false;
    };

    struct SiteSlots
    {
        std::vector<Slot> slots; // at most kSlotCount
        int storedFibers = 0;
    };

    static DownloadSlotPlan make(const DownloadModel& model);

    // Sites with at least one stored fiber, by site number.
    const std::map<int, SiteSlots>& sites() const { return sites_; }
    bool storesList(int listIndex) const;
    // The slot of a list's reading column, -1 when its readings are not stored.
    int slotOf(int listIndex, int column) const;
    // The fiber's powers by slot, 0 where it has none.
    std::array<float, kSlotCount> powers(int listIndex, const DownloadFiber& fiber) const;
    const ImportOmissions& omissions() const { return omissions_; }

private:
    void planList(const DownloadModel& model, int listIndex);

    std::map<int, SiteSlots> sites_;
    std::vector<bool> storedLists_;
    std::vector<std::vector<int>> columnSlots_; // per list: the slot of each named column
    ImportOmissions omissions_;
};
