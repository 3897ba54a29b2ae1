#include "document/DownloadPreparation.h"

#include "standards/DefaultLinkBudget.h"
#include "standards/FiberTypes.h"

#include <cmath>
#include <tuple>

namespace DownloadPreparation {

namespace {

constexpr int kReturnLossStandard = 13;
constexpr int kUserLinkBudgetStandard = 15;

bool selectsCustomStandard(int standard)
{
    return standard == 0 || standard == 1 || standard == kUserLinkBudgetStandard;
}

const FiberList* firstListOf(const DownloadModel& model, int siteNumber)
{
    for (const FiberList& list : model.fiberLists) {
        if (list.siteNumber == siteNumber)
            return &list;
    }
    return nullptr;
}

} // namespace

std::set<int> usedSiteNumbers(const DownloadModel& model)
{
    std::set<int> used;
    for (const FiberList& list : model.fiberLists)
        used.insert(list.siteNumber);
    return used;
}

std::vector<int> usedColumns(const FiberList& list)
{
    std::vector<int> columns;
    for (int c = 0; c < list.wavelengthNames.size(); ++c) {
        for (const DownloadFiber& fiber : list.fibers) {
            const std::optional<float> power = fiber.reading(c);
            if (power && std::isfinite(*power)) {
                columns.push_back(c);
                break;
            }
        }
    }
    return columns;
}

std::optional<int> wavelengthNumberOf(const QString& name)
{
    if (name.size() <= 2)
        return std::nullopt;
    const QString number = name.left(name.size() - 2).trimmed();
    if (number.isEmpty() || !number.at(0).isDigit())
        return std::nullopt;
    int value = 0;
    for (QChar c : number) {
        if (!c.isDigit())
            break;
        value = std::min(value * 10 + c.digitValue(), 1000000);
    }
    return value;
}

void prune(DownloadModel& model)
{
    const std::set<int> used = usedSiteNumbers(model);
    for (auto it = model.sites.begin(); it != model.sites.end();) {
        if (used.count(it->first) == 0)
            it = model.sites.erase(it);
        else
            ++it;
    }

    for (auto it = model.returnLossStandards.begin(); it != model.returnLossStandards.end();) {
        const auto site = model.sites.find(it->first);
        if (site == model.sites.end() || site->second.standardNumber != kReturnLossStandard)
            it = model.returnLossStandards.erase(it);
        else
            ++it;
    }

    // Keys (standard, fiber type, wavelength number) that some stored fiber needs.
    std::set<std::tuple<int, int, int>> needed;
    for (const auto& [number, site] : model.sites) {
        if (!selectsCustomStandard(site.standardNumber))
            continue;
        for (const FiberList& list : model.fiberLists) {
            if (list.siteNumber != number)
                continue;
            for (int column : usedColumns(list)) {
                if (const auto wavelength = wavelengthNumberOf(list.wavelengthNames.at(column)))
                    needed.insert({site.standardNumber, list.fiberType, *wavelength});
            }
        }
    }
    QList<CustomStandardEntry> kept;
    for (const CustomStandardEntry& entry : model.customStandards) {
        const auto wavelength = wavelengthNumberOf(entry.wavelength);
        if (!wavelength || needed.count({entry.code, entry.fiberType, *wavelength}) != 0)
            kept.append(entry);
    }
    model.customStandards = kept;
}

void restoreOldReferences(DownloadModel& model)
{
    if (model.header.versionValue >= 2.0f)
        return;
    for (auto& [number, site] : model.sites) {
        const FiberList* list = firstListOf(model, number);
        // A link whose conditions are damaged is not stored; its values are
        // no budget to work with.
        if (!list || site.conditionsDamaged)
            continue;
        DefaultLinkBudget budget;
        budget.setConnectorPairs(site.connectorPairs);
        budget.setSplices(site.splices);
        budget.setLengthKm(metresToKilometres(site.fiberLengthMetres));
        budget.setTypeCode(
            static_cast<std::uint32_t>((list->fiberType & 0xFF) << 8 | (site.fiberType & 0xFF)));
        budget.selectTable(model.header.versionValue);
        for (int column = 0; column < 3 && column < site.referencePowers.size(); ++column) {
            const int bit = 1 << column;
            std::optional<float>& reference = site.referencePowers[column];
            if (!(site.wizardFlags & bit) || !reference)
                continue;
            // The budget that was taken off is the one of the column's own
            // wavelength, wherever in the line the meter put that column.
            const std::optional<DefaultBudgetWavelength> index =
                column < list->wavelengthNames.size()
                    ? defaultBudgetWavelength(list->wavelengthNames.at(column))
                    : std::nullopt;
            if (index) {
                *reference = budget.restoreReference(*reference, *index);
            } else {
                // No fixed table covers this wavelength, so its budget cannot
                // be put back; judging the stored value against a budget again
                // would take the loss off twice. It reads as a manually set
                // reference instead.
                site.wizardFlags &= ~bit;
            }
        }
        site.standardNumber = budget.standardNumber();
    }
}

} // namespace DownloadPreparation
