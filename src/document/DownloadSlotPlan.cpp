#include "document/DownloadSlotPlan.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "document/DownloadPreparation.h"
#include "standards/FiberTypes.h"
#include "standards/PlausibleValues.h"

#include <cmath>

namespace {

bool isReading(const std::optional<float>& power)
{
    return power && std::isfinite(*power);
}

int readingsInColumn(const FiberList& list, int column)
{
    int count = 0;
    for (const DownloadFiber& fiber : list.fibers) {
        if (isReading(fiber.reading(column)))
            ++count;
    }
    return count;
}

} // namespace

bool ImportOmissions::any() const
{
    return fibersWithoutLink + readingsWithoutReference + readingsWithoutWavelength +
               readingsBeyondFiveWavelengths + readingsNotFinite + readingsImplausible +
               readingsWithDamagedReference + fibersOfDamagedLink >
           0;
}

QStringList ImportOmissions::describe() const
{
    QStringList texts;
    const auto add = [&texts](int count, int textId) {
        if (count > 0)
            texts << Strings::formatMessage(Strings::loadString(textId), {QString::number(count)});
    };
    add(fibersWithoutLink, StringId::ImportFibersWithoutLink);
    add(readingsWithoutReference, StringId::ImportReadingsWithoutReference);
    add(readingsWithoutWavelength, StringId::ImportReadingsWithoutWavelength);
    add(readingsBeyondFiveWavelengths, StringId::ImportReadingsBeyondFiveSlots);
    add(readingsNotFinite, StringId::ImportReadingsNotFinite);
    if (readingsImplausible > 0)
        texts << Strings::formatMessage(Strings::loadString(StringId::ImportReadingsImplausible),
                                        {QString::number(readingsImplausible),
                                         QString::number(PlausibleValues::kMinPowerDbm),
                                         QString::number(PlausibleValues::kMaxPowerDbm)});
    add(readingsWithDamagedReference, StringId::ImportReadingsDamagedReference);
    add(fibersOfDamagedLink, StringId::ImportFibersOfDamagedLink);
    return texts;
}

DownloadSlotPlan DownloadSlotPlan::make(const DownloadModel& model)
{
    DownloadSlotPlan plan;
    plan.columnSlots_.resize(static_cast<std::size_t>(model.fiberLists.size()));
    plan.storedLists_.resize(static_cast<std::size_t>(model.fiberLists.size()), false);
    for (int i = 0; i < model.fiberLists.size(); ++i)
        plan.planList(model, i);
    return plan;
}

void DownloadSlotPlan::planList(const DownloadModel& model, int listIndex)
{
    const FiberList& list = model.fiberLists.at(listIndex);
    const auto siteRecord = model.sites.find(list.siteNumber);
    if (siteRecord == model.sites.end()) {
        omissions_.fibersWithoutLink += static_cast<int>(list.fibers.size());
        return;
    }
    const DownloadSite& site = siteRecord->second;
    if (list.fibers.isEmpty())
        return;
    // Without its length and counts a link has no budget: its fibers would
    // get a verdict from values the meter never sent.
    if (site.conditionsDamaged) {
        omissions_.fibersOfDamagedLink += static_cast<int>(list.fibers.size());
        return;
    }

    SiteSlots& target = sites_[list.siteNumber];
    std::vector<int>& columns = columnSlots_[static_cast<std::size_t>(listIndex)];
    columns.assign(static_cast<std::size_t>(list.wavelengthNames.size()), -1);
    // A list that names one wavelength twice keeps both columns apart, as
    // the positional slots always did.
    std::vector<bool> claimed(kSlotCount, false);
    for (int column : DownloadPreparation::usedColumns(list)) {
        const std::optional<float> reference = site.referenceAt(column);
        if (!isReading(reference)) {
            (site.damagedReferenceColumns.contains(column) ? omissions_.readingsWithDamagedReference
                                                           : omissions_.readingsWithoutReference) +=
                readingsInColumn(list, column);
            continue;
        }
        const QString wavelength = list.wavelengthNames.at(column).trimmed();
        int slot = -1;
        for (std::size_t s = 0; s < target.slots.size(); ++s) {
            if (!claimed[s] && target.slots[s].wavelength == wavelength) {
                slot = static_cast<int>(s);
                break;
            }
        }
        if (slot < 0 && target.slots.size() < static_cast<std::size_t>(kSlotCount)) {
            target.slots.push_back({wavelength, *reference, (site.wizardFlags & (1 << column)) != 0});
            slot = static_cast<int>(target.slots.size()) - 1;
        }
        if (slot < 0) {
            omissions_.readingsBeyondFiveWavelengths += readingsInColumn(list, column);
            continue;
        }
        claimed[static_cast<std::size_t>(slot)] = true;
        columns[static_cast<std::size_t>(column)] = slot;
    }
    omissions_.readingsNotFinite += list.malformedReadings;
    omissions_.readingsImplausible += list.implausibleReadings;
    for (const DownloadFiber& fiber : list.fibers) {
        for (const DownloadFiber::Reading& reading : fiber.readings()) {
            if (!std::isfinite(reading.power))
                ++omissions_.readingsNotFinite;
            else if (reading.column >= list.wavelengthNames.size())
                ++omissions_.readingsWithoutWavelength;
        }
    }
    target.storedFibers += static_cast<int>(list.fibers.size());
    storedLists_[static_cast<std::size_t>(listIndex)] = true;
}

bool DownloadSlotPlan::storesList(int listIndex) const
{
    return listIndex >= 0 && static_cast<std::size_t>(listIndex) < storedLists_.size() &&
           storedLists_[static_cast<std::size_t>(listIndex)];
}

int DownloadSlotPlan::slotOf(int listIndex, int column) const
{
    if (!storesList(listIndex))
        return -1;
    const std::vector<int>& columns = columnSlots_[static_cast<std::size_t>(listIndex)];
    return column >= 0 && static_cast<std::size_t>(column) < columns.size()
               ? columns[static_cast<std::size_t>(column)]
               : -1;
}

std::array<float, kSlotCount> DownloadSlotPlan::powers(int listIndex, const DownloadFiber& fiber) const
{
    std::array<float, kSlotCount> powers{};
    if (!storesList(listIndex))
        return powers;
    const std::vector<int>& columns = columnSlots_[static_cast<std::size_t>(listIndex)];
    for (std::size_t column = 0; column < columns.size(); ++column) {
        if (columns[column] < 0)
            continue;
        const std::optional<float> power = fiber.reading(static_cast<int>(column));
        if (isReading(power))
            powers[static_cast<std::size_t>(columns[column])] = *power;
    }
    return powers;
}
