#include "standards/CircuitEvaluation.h"
#include "app/LocaleFormat.h"
#include "app/StringIds.h"
#include "standards/StandardsCatalog.h"

#include "ReturnLossEntry.h"

#include <gtest/gtest.h>

namespace {

// Standard 2, 62.5 um, slot 0 at 850 nm: 2 km, 2 connector pairs, 1 splice,
// reference -20 dBm.
LinkConditions tiaLink(bool budgetMode)
{
    LinkConditions link;
    link.fiberLengthMetres = 2000.0f;
    link.connectorPairs = 2;
    link.splices = 1;
    link.standardNumber = 2;
    link.fiberType = 0;
    link.wizardMask = budgetMode ? 1 : 0;
    link.references = {-20.0f, 0, 0, 0, 0};
    link.wavelengthNames = {"850nm", "", "", "", ""};
    return link;
}

FiberReadings fiberAt850(float power, int fiberType = 0)
{
    FiberReadings fiber;
    fiber.fiberType = fiberType;
    fiber.powers = {power, 0, 0, 0, 0};
    return fiber;
}

QString db(float value)
{
    return FormatLocalNumber(StringId::ViewOverheadTemplate, StringId::ViewOverheadFormat, value);
}

} // namespace

TEST(CircuitEvaluation, FailingLinkPrintsTheWorkedFigures)
{
    const StandardsCatalog catalog;
    CircuitResults results;
    evaluateCircuit(tiaLink(true), fiberAt850(-30.0f), &catalog, results);
    const SlotResult& s = results.at(0);
    EXPECT_TRUE(s.covered);
    EXPECT_TRUE(s.lossResult);
    EXPECT_FALSE(s.returnLossResult);
    EXPECT_TRUE(s.marginComputed);
    EXPECT_TRUE(s.marginPercentValid);
    EXPECT_EQ(s.verdict, VerdictFail);
    EXPECT_EQ(db(s.fiberAllowance), "7.50dB");
    EXPECT_EQ(db(s.connectorAllowance), "1.50dB");
    EXPECT_EQ(db(s.spliceAllowance), "0.30dB");
    EXPECT_EQ(db(s.allowedLoss), "9.30dB");
    EXPECT_EQ(db(s.systemReferencePower), "-29.30dB");
    EXPECT_EQ(db(s.opticalLoss), "10.00dB");
    EXPECT_EQ(db(s.overhead), "-0.70dB");
    EXPECT_EQ(db(s.returnLoss), "-0.70dB");
    EXPECT_EQ(LocalNumber(u"%.2f", s.marginPercent), "-2.33");
    EXPECT_EQ(results.standardName, "EIA/TIA 568-A / CAN-T529");
    EXPECT_TRUE(results.hasLossResult(0));
    EXPECT_TRUE(results.showsLossRows(0));
    EXPECT_FALSE(results.isReturnLossCircuit());
}

TEST(CircuitEvaluation, PassingLink)
{
    const StandardsCatalog catalog;
    CircuitResults results;
    evaluateCircuit(tiaLink(true), fiberAt850(-25.0f), &catalog, results);
    EXPECT_EQ(db(results.at(0).overhead), "4.30dB");
    EXPECT_EQ(results.at(0).verdict, VerdictPass);
}

TEST(CircuitEvaluation, ManuallySetReferenceHasNoVerdict)
{
    const StandardsCatalog catalog;
    CircuitResults results;
    evaluateCircuit(tiaLink(false), fiberAt850(-30.0f), &catalog, results);
    const SlotResult& s = results.at(0);
    EXPECT_FLOAT_EQ(s.systemReferencePower, -20.0f);
    EXPECT_FLOAT_EQ(s.overhead, -10.0f);
    EXPECT_EQ(s.verdict, VerdictNone);
    EXPECT_FLOAT_EQ(s.marginPercent, -100.0f);
    EXPECT_FALSE(s.marginPercentValid);
    EXPECT_FALSE(s.lossResult);
    EXPECT_FALSE(results.hasMarginPercent(0));
    EXPECT_TRUE(results.hasEvaluatedVerdict(0));
    EXPECT_TRUE(results.showsLossRows(0));
}

TEST(CircuitEvaluation, FixedBudgetStandard)
{
    const StandardsCatalog catalog;
    LinkConditions link = tiaLink(true);
    link.standardNumber = 4;
    link.fiberLengthMetres = 90000.0f;
    CircuitResults results;
    evaluateCircuit(link, fiberAt850(-21.0f), &catalog, results);
    EXPECT_FLOAT_EQ(results.at(0).allowedLoss, 2.6f);
    EXPECT_FLOAT_EQ(results.at(0).overhead, 1.6f);
    EXPECT_EQ(results.standardName, "1000BASE-SX/LX FAST");
}

TEST(CircuitEvaluation, ReturnLossSlot)
{
    StandardsCatalog catalog;
    StandardEntry orl = returnLossEntry();
    catalog.add(orl);

    LinkConditions link;
    link.standardNumber = 13;
    link.customStandardId = orl.customStandardId;
    link.fiberType = 2;
    link.wizardMask = 0; // the wizard bit plays no part for return loss
    link.wavelengthNames = {"1310nm", "", "", "", ""};
    CircuitResults results;
    evaluateCircuit(link, fiberAt850(-25.0f, 2), &catalog, results);
    const SlotResult& s = results.at(0);
    EXPECT_FLOAT_EQ(s.opticalLoss, 25.0f);
    EXPECT_FLOAT_EQ(s.returnLoss, 25.0f);
    EXPECT_FLOAT_EQ(s.overhead, 5.0f);
    EXPECT_EQ(s.verdict, VerdictPass);
    EXPECT_NEAR(s.marginPercent, 2.18f, 0.005f);
    EXPECT_TRUE(s.returnLossResult);
    EXPECT_FLOAT_EQ(s.requiredReturnLoss, 20.0f);
    EXPECT_TRUE(results.isReturnLossOnly(0));
    EXPECT_TRUE(results.isReturnLossCircuit());
    EXPECT_FALSE(results.showsLossRows(0));
}

TEST(CircuitEvaluation, UnmeasuredSlotsKeepTheirInitialValues)
{
    const StandardsCatalog catalog;
    LinkConditions link = tiaLink(true);
    link.wizardMask = 0x1F;
    link.references = {-20.0f, -21.0f, -22.0f, 0, 0};
    link.wavelengthNames = {"850nm", "980nm", "1300nm", "", ""};
    FiberReadings fiber = fiberAt850(-25.0f);
    fiber.powers[2] = std::nanf("");
    CircuitResults results;
    evaluateCircuit(link, fiber, &catalog, results);
    for (int slot : {1, 2, 3, 4}) {
        const SlotResult& s = results.at(slot);
        EXPECT_FALSE(results.isMeasured(slot)) << slot;
        EXPECT_EQ(s.referencePower, 0.0f) << slot;
        EXPECT_FALSE(s.marginComputed) << slot;
        EXPECT_EQ(s.verdict, VerdictNone) << slot;
    }
}

TEST(CircuitEvaluation, UncoveredWavelengthIsJudgedAgainstAZeroBudget)
{
    const StandardsCatalog catalog;
    LinkConditions link = tiaLink(true);
    link.wavelengthNames[0] = "1550nm"; // standard 2 has no 62.5 um entry at 1550 nm
    CircuitResults results;
    evaluateCircuit(link, fiberAt850(-21.0f), &catalog, results);
    const SlotResult& s = results.at(0);
    EXPECT_FALSE(s.covered);
    EXPECT_FLOAT_EQ(s.allowedLoss, 0.0f);
    EXPECT_FLOAT_EQ(s.systemReferencePower, -20.0f);
    EXPECT_FLOAT_EQ(s.overhead, -1.0f);
    EXPECT_EQ(s.verdict, VerdictFail);
    EXPECT_TRUE(results.standardName.isEmpty());
}

TEST(CircuitEvaluation, LookupUsesTheFibersOwnFiberType)
{
    const StandardsCatalog catalog;
    LinkConditions link = tiaLink(true);
    link.wavelengthNames[0] = "1310nm";
    link.fiberType = 0; // the site says multimode, the fiber is singlemode
    CircuitResults results;
    evaluateCircuit(link, fiberAt850(-23.0f, 2), &catalog, results);
    EXPECT_TRUE(results.at(0).covered);
    EXPECT_FLOAT_EQ(results.at(0).fiberAllowance, 2.0f);
    EXPECT_TRUE(results.hasFiberTypeMismatch());
}

TEST(CircuitEvaluation, UserDefinedBudgetIsNamedAndHasNoLossResult)
{
    const StandardsCatalog catalog;
    LinkConditions link = tiaLink(true);
    link.standardNumber = kUserDefinedStandardNumber;
    CircuitResults results;
    evaluateCircuit(link, fiberAt850(-25.0f), &catalog, results);
    EXPECT_EQ(results.standardName, "User defined link budget");
    EXPECT_TRUE(results.isUserDefined());
    EXPECT_TRUE(results.at(0).lossResult);
    EXPECT_FALSE(results.hasLossResult(0));
    EXPECT_FALSE(results.hasReturnLossResult(0));
    EXPECT_TRUE(results.showsLossRows(0));
}
