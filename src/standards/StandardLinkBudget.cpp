#include "standards/StandardLinkBudget.h"

#include "standards/StandardsCatalog.h"

#include <cmath>

bool StandardLinkBudget::setStandard(std::int16_t standardNumber, const QString& customStandardId,
                                     std::uint8_t fiberType, const QString& wavelengthName)
{
    found_ = false;
    if (!catalogue_)
        return false;
    if (auto entry = catalogue_->lookup(standardNumber, customStandardId, fiberType, wavelengthName)) {
        entry_ = *entry;
        found_ = true;
    }
    return found_;
}

bool StandardLinkBudget::standardName(QString& out) const
{
    if (!found_)
        return false;
    out = entry_.standardName;
    return true;
}

float StandardLinkBudget::fiberAllowance() const
{
    return found_ ? lengthKm_ * entry_.attenuation : 0.0f;
}

float StandardLinkBudget::connectorAllowance() const
{
    return found_ ? static_cast<float>(connectorPairs_) * entry_.connectorLoss : 0.0f;
}

float StandardLinkBudget::spliceAllowance() const
{
    return found_ ? static_cast<float>(splices_) * entry_.spliceLoss : 0.0f;
}

float StandardLinkBudget::fixedLoss() const
{
    return found_ ? entry_.maxLoss : 0.0f;
}

float StandardLinkBudget::allowedLoss() const
{
    const float fixed = fixedLoss();
    if (fixed > 0.0f)
        return fixed;
    const float fiberAndConnectors = fiberAllowance() + connectorAllowance();
    return fiberAndConnectors + spliceAllowance();
}

bool StandardLinkBudget::isReturnLoss() const
{
    return found_ && entry_.standardNumber == kReturnLossStandardNumber;
}

float StandardLinkBudget::requiredReturnLoss() const
{
    return isReturnLoss() ? entry_.maxLoss : 0.0f;
}

float StandardLinkBudget::systemReference(float reference) const
{
    return reference - allowedLoss();
}

float StandardLinkBudget::opticalLoss(float power, float reference)
{
    return reference - power;
}

float StandardLinkBudget::margin(float power, float systemReference) const
{
    if (isReturnLoss()) {
        const float returnLoss = systemReference - power;
        return returnLoss - requiredReturnLoss();
    }
    return power - systemReference;
}

Verdict StandardLinkBudget::verdict(float power, float systemReference) const
{
    // A NaN margin fails the comparison and so fails the link.
    return margin(power, systemReference) >= 0.0f ? VerdictPass : VerdictFail;
}

float StandardLinkBudget::marginPercent(float power, float systemReference) const
{
    return marginPercentOf(margin(power, systemReference), allowedLoss());
}

float marginPercentOf(float margin, float allowedLoss)
{
    const bool negative = margin < 0.0f;
    if (negative)
        margin = -margin;
    const float marginTenth = margin / 10.0f;
    const float budgetTenth = allowedLoss / 10.0f;
    const float marginRatio = static_cast<float>(std::pow(10.0, static_cast<double>(marginTenth)));
    const float budgetRatio = static_cast<float>(std::pow(10.0, static_cast<double>(budgetTenth)));
    const float numerator = marginRatio - 1.0f;
    const float denominator = budgetRatio - 1.0f;
    const float percent = numerator / denominator * 100.0f;
    return negative ? -percent : percent;
}
