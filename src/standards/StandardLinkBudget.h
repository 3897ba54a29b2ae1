#pragma once

#include "standards/StandardEntry.h"

class StandardsCatalog;

// Verdict of one wavelength slot.
enum Verdict : std::uint8_t
{
    VerdictNone = 0, // reference set by hand: not measured against a budget
    VerdictPass = 1,
    VerdictFail = 2,
};

// The loss budget of one link held to one standard entry of the catalogue.
// All arithmetic is single precision, rounded to float at each step, so the
// printed figures match the meter's own.
class StandardLinkBudget
{
public:
    void setCatalogue(const StandardsCatalog* catalogue) { catalogue_ = catalogue; }
    void setConnectorPairs(int pairs) { connectorPairs_ = pairs; }
    void setSplices(int splices) { splices_ = splices; }
    void setLengthKm(float km) { lengthKm_ = km; }

    bool setStandard(std::int16_t standardNumber, const QString& customStandardId, std::uint8_t fiberType,
                     const QString& wavelengthName);
    bool isFound() const { return found_; }
    bool standardName(QString& out) const;
    const StandardEntry& entry() const { return entry_; }

    float fiberAllowance() const;
    float connectorAllowance() const;
    float spliceAllowance() const;
    float fixedLoss() const;
    float allowedLoss() const;

    bool isReturnLoss() const;
    float requiredReturnLoss() const;

    float systemReference(float reference) const;
    static float opticalLoss(float power, float reference);
    float margin(float power, float systemReference) const;
    Verdict verdict(float power, float systemReference) const;
    float marginPercent(float power, float systemReference) const;

private:
    int connectorPairs_ = 0;
    int splices_ = 0;
    float lengthKm_ = 0;
    bool found_ = false;
    StandardEntry entry_;
    const StandardsCatalog* catalogue_ = nullptr;
};

// The margin as a share of the budget, compared as power ratios: a margin
// equal to the budget gives 100, a zero margin 0, a margin of -budget -100.
// A zero budget divides by zero; the infinity or NaN is returned as it is.
float marginPercentOf(float margin, float allowedLoss);
