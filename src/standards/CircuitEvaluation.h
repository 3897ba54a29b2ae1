#pragma once

#include "standards/FiberTypes.h"
#include "standards/StandardLinkBudget.h"

#include <QString>

#include <array>

class StandardsCatalog;

// The evaluated results of one wavelength slot of one circuit.
struct SlotResult
{
    float referencePower = 0;       // dBm, light-source reference of the slot
    float measuredPower = 0;        // dBm; 0 means the slot holds no measurement
    float systemReferencePower = 0; // dBm, the reference the margin is taken against
    float fiberAllowance = 0;
    float connectorAllowance = 0;
    float spliceAllowance = 0;
    float allowedLoss = 0;        // "Total Allowable System Loss"
    float opticalLoss = 0;        // reference - measured
    float overhead = 0;           // operating margin ("System Overhead")
    float returnLoss = 0;         // return-loss slot: system reference - measured; else the overhead
    float requiredReturnLoss = 0; // return-loss slot: what its own entry requires; else 0
    float marginPercent = 0;      // -100 when there is no verdict
    Verdict verdict = VerdictNone;
    bool covered = false;          // the standard has an entry for this wavelength and fiber type
    bool lossResult = false;       // judged as a loss against a budget
    bool returnLossResult = false; // judged against a return-loss standard
    bool marginComputed = false;   // set for every measured slot
    bool marginPercentValid = false;
};

// What the evaluation needs of the tested link (a Site row).
struct LinkConditions
{
    float fiberLengthMetres = 0;
    int connectorPairs = 0;
    int splices = 0;
    int standardNumber = 0;
    QString customStandardId;
    int fiberType = 0;
    int wizardMask = 0; // bit n: slot n was measured in the meter's budget mode
    std::array<float, kSlotCount> references{};
    std::array<QString, kSlotCount> wavelengthNames; // leading blanks already removed
};

// What the evaluation needs of the tested fiber (a Fiber row).
struct FiberReadings
{
    int fiberType = 0;
    std::array<float, kSlotCount> powers{};
};

// The evaluated slots of one circuit and the tests the view and the reports
// derive from them.
struct CircuitResults
{
    std::array<SlotResult, kSlotCount> slots;
    QString standardName;
    int standardNumber = -1;
    int fiberType = 0;
    int siteFiberType = 0;
    // The link's stored length is one a link can have. A damaged or
    // mistyped length (infinite, not a number, negative, beyond any link)
    // gives no budget, no margin and no verdict, only the readings.
    bool realLength = true;

    bool hasRealLength() const { return realLength; }
    bool isUserDefined() const { return standardNumber == kUserDefinedStandardNumber; }
    bool isMeasured(int slot) const { return at(slot).measuredPower != 0.0f; }
    bool hasLossResult(int slot) const;
    bool hasReturnLossResult(int slot) const;
    bool hasLossOrReturnLoss(int slot) const;
    bool showsLossRows(int slot) const;
    bool isReturnLossOnly(int slot) const;
    bool isReturnLossCircuit() const;
    bool hasEvaluatedVerdict(int slot) const;
    bool hasMarginPercent(int slot) const;
    bool hasFiberTypeMismatch() const { return fiberType != siteFiberType; }

    const SlotResult& at(int slot) const { return slots.at(static_cast<std::size_t>(slot)); }
};

// Judges every measured slot of a fiber against the link's standard. The
// standard entry is looked up with the fiber's own fiber type, not the site's.
// A link whose length is not a real one (PlausibleValues) is not judged.
void evaluateCircuit(const LinkConditions& link, const FiberReadings& fiber,
                     const StandardsCatalog* catalogue, CircuitResults& results);
