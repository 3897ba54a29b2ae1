#include "standards/CircuitEvaluation.h"

#include "app/StringIds.h"
#include "app/StringTable.h"
#include "standards/PlausibleValues.h"
#include "standards/StandardsCatalog.h"

#include <cmath>

bool CircuitResults::hasLossResult(int slot) const
{
    return !isUserDefined() && at(slot).lossResult;
}

bool CircuitResults::hasReturnLossResult(int slot) const
{
    const SlotResult& s = at(slot);
    return (!s.lossResult || isUserDefined()) && s.returnLossResult;
}

bool CircuitResults::hasLossOrReturnLoss(int slot) const
{
    return hasLossResult(slot) || hasReturnLossResult(slot);
}

bool CircuitResults::showsLossRows(int slot) const
{
    // Without a real length there is no allowed loss to show.
    return isMeasured(slot) && realLength && (hasLossResult(slot) || !hasReturnLossResult(slot));
}

bool CircuitResults::isReturnLossOnly(int slot) const
{
    return isMeasured(slot) && !hasLossResult(slot) && hasReturnLossResult(slot);
}

bool CircuitResults::isReturnLossCircuit() const
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (isReturnLossOnly(slot))
            return true;
    }
    return false;
}

bool CircuitResults::hasEvaluatedVerdict(int slot) const
{
    return isMeasured(slot) && at(slot).marginComputed;
}

bool CircuitResults::hasMarginPercent(int slot) const
{
    return isMeasured(slot) && at(slot).marginPercentValid;
}

void evaluateCircuit(const LinkConditions& link, const FiberReadings& fiber,
                     const StandardsCatalog* catalogue, CircuitResults& results)
{
    StandardLinkBudget budget;
    budget.setCatalogue(catalogue);
    budget.setConnectorPairs(link.connectorPairs);
    budget.setSplices(link.splices);
    const float lengthKm = metresToKilometres(link.fiberLengthMetres);
    results.realLength = PlausibleValues::isLinkLengthKm(lengthKm);
    budget.setLengthKm(results.realLength ? lengthKm : 0.0f);

    results.standardNumber = link.standardNumber;
    results.fiberType = fiber.fiberType;
    results.siteFiberType = link.fiberType;
    const bool userDefined = link.standardNumber == kUserDefinedStandardNumber;
    if (userDefined)
        results.standardName = Strings::loadString(StringId::UserDefinedLinkBudget);

    for (int s = 0; s < kSlotCount; ++s) {
        const auto index = static_cast<std::size_t>(s);
        budget.setStandard(static_cast<std::int16_t>(link.standardNumber), link.customStandardId,
                           static_cast<std::uint8_t>(fiber.fiberType), link.wavelengthNames[index]);
        const bool returnLossEntry = budget.isReturnLoss();
        if (!userDefined)
            budget.standardName(results.standardName);

        const float power = fiber.powers[index];
        if (power == 0.0f || std::isnan(power))
            continue;

        const float reference = link.references[index];
        const bool budgetMode = ((link.wizardMask >> s) & 1) != 0;
        float systemReference = reference;
        if (!returnLossEntry && budgetMode)
            systemReference = budget.systemReference(reference);

        SlotResult& r = results.slots[index];
        r.referencePower = reference;
        r.measuredPower = power;
        r.covered = budget.isFound();
        r.opticalLoss = StandardLinkBudget::opticalLoss(power, reference);
        if (!results.realLength) {
            // Only the readings: every allowance, the overhead and the
            // verdict would come from the length.
            r.systemReferencePower = reference;
            r.verdict = VerdictNone;
            r.marginPercent = -100.0f;
            continue;
        }
        r.fiberAllowance = budget.fiberAllowance();
        r.connectorAllowance = budget.connectorAllowance();
        r.spliceAllowance = budget.spliceAllowance();
        r.allowedLoss = budget.allowedLoss();
        r.systemReferencePower = systemReference;
        r.overhead = budget.margin(power, systemReference);
        r.marginComputed = true;

        if (returnLossEntry) {
            r.returnLoss = systemReference - power;
            r.requiredReturnLoss = budget.requiredReturnLoss();
            r.lossResult = false;
            r.returnLossResult = true;
            r.verdict = budget.verdict(power, systemReference);
            r.marginPercent = budget.marginPercent(power, systemReference);
            r.marginPercentValid = true;
        } else if (budgetMode) {
            r.returnLoss = r.overhead;
            r.lossResult = true;
            r.returnLossResult = false;
            r.verdict = budget.verdict(power, systemReference);
            r.marginPercent = budget.marginPercent(power, systemReference);
            r.marginPercentValid = true;
        } else {
            r.returnLoss = r.overhead;
            r.lossResult = false;
            r.returnLossResult = false;
            r.verdict = VerdictNone;
            r.marginPercent = -100.0f;
            r.marginPercentValid = false;
        }
    }
}
