#include "standards/DefaultLinkBudget.h"
#include "standards/FiberTypes.h"
#include "standards/StandardLinkBudget.h"
#include "standards/StandardsCatalog.h"

#include "ReturnLossEntry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

StandardLinkBudget tiaBudget(const StandardsCatalog& catalog)
{
    StandardLinkBudget budget;
    budget.setCatalogue(&catalog);
    budget.setLengthKm(2.0f);
    budget.setConnectorPairs(2);
    budget.setSplices(1);
    budget.setStandard(2, "", 0, "850nm");
    return budget;
}

} // namespace

TEST(StandardLinkBudget, ComputedBudgetOfTia568At850)
{
    const StandardsCatalog catalog;
    const StandardLinkBudget budget = tiaBudget(catalog);
    ASSERT_TRUE(budget.isFound());
    EXPECT_FLOAT_EQ(budget.fiberAllowance(), 7.5f);
    EXPECT_FLOAT_EQ(budget.connectorAllowance(), 1.5f);
    EXPECT_FLOAT_EQ(budget.spliceAllowance(), 0.3f);
    // Rounded to float after each addition: exactly the float nearest 9.3.
    EXPECT_EQ(budget.allowedLoss(), 9.3f);
    EXPECT_EQ(budget.systemReference(-20.0f), -29.3f);
    EXPECT_NEAR(budget.margin(-30.0f, -29.3f), -0.7f, 1e-5f);
    EXPECT_EQ(budget.verdict(-30.0f, -29.3f), VerdictFail);
    EXPECT_EQ(budget.verdict(-25.0f, -29.3f), VerdictPass);
    EXPECT_NEAR(budget.marginPercent(-30.0f, -29.3f), -2.3285f, 1e-3);
    QString name;
    EXPECT_TRUE(budget.standardName(name));
    EXPECT_EQ(name, "EIA/TIA 568-A / CAN-T529");
}

TEST(StandardLinkBudget, FixedLossIgnoresLengthConnectorsAndSplices)
{
    const StandardsCatalog catalog;
    StandardLinkBudget budget;
    budget.setCatalogue(&catalog);
    budget.setLengthKm(40.0f);
    budget.setConnectorPairs(12);
    budget.setSplices(30);
    ASSERT_TRUE(budget.setStandard(4, "", 0, "850nm"));
    EXPECT_FLOAT_EQ(budget.allowedLoss(), 2.6f);
    EXPECT_FALSE(budget.isReturnLoss());
    EXPECT_FLOAT_EQ(budget.requiredReturnLoss(), 0.0f);
}

TEST(StandardLinkBudget, NotFoundOrNoCatalogueGivesZeroAllowances)
{
    StandardLinkBudget orphan;
    EXPECT_FALSE(orphan.setStandard(2, "", 0, "850nm"));
    QString name = "kept";
    EXPECT_FALSE(orphan.standardName(name));
    EXPECT_EQ(name, "kept");

    const StandardsCatalog catalog;
    StandardLinkBudget budget = tiaBudget(catalog);
    EXPECT_FALSE(budget.setStandard(2, "", 0, "1550nm")); // clears the earlier find
    EXPECT_FLOAT_EQ(budget.allowedLoss(), 0.0f);
    EXPECT_FLOAT_EQ(budget.fiberAllowance(), 0.0f);
    EXPECT_FLOAT_EQ(budget.systemReference(-20.0f), -20.0f);
}

TEST(StandardLinkBudget, ReturnLossStandardJudgesTheReturnLoss)
{
    StandardsCatalog catalog;
    StandardEntry orl = returnLossEntry();
    catalog.add(orl);

    StandardLinkBudget budget;
    budget.setCatalogue(&catalog);
    ASSERT_TRUE(budget.setStandard(13, orl.customStandardId, 2, "1310nm"));
    EXPECT_TRUE(budget.isReturnLoss());
    EXPECT_FLOAT_EQ(budget.requiredReturnLoss(), 20.0f);
    EXPECT_FLOAT_EQ(StandardLinkBudget::opticalLoss(-25.0f, 0.0f), 25.0f);
    EXPECT_FLOAT_EQ(budget.margin(-25.0f, 0.0f), 5.0f);
    EXPECT_EQ(budget.verdict(-25.0f, 0.0f), VerdictPass);
    EXPECT_NEAR(budget.marginPercent(-25.0f, 0.0f), 2.184f, 1e-3);
    EXPECT_EQ(budget.verdict(-15.0f, 0.0f), VerdictFail);
}

TEST(MarginPercent, IsTheMarginsPowerRatioAgainstTheBudgets)
{
    EXPECT_FLOAT_EQ(marginPercentOf(9.3f, 9.3f), 100.0f);
    EXPECT_FLOAT_EQ(marginPercentOf(0.0f, 9.3f), 0.0f);
    EXPECT_FLOAT_EQ(marginPercentOf(-9.3f, 9.3f), -100.0f);
    EXPECT_GT(marginPercentOf(12.0f, 9.3f), 100.0f);
    // A zero budget divides by zero; the result is stored as it comes.
    EXPECT_TRUE(std::isinf(marginPercentOf(1.0f, 0.0f)));
    EXPECT_TRUE(std::isnan(marginPercentOf(0.0f, 0.0f)));
    // A NaN margin fails the comparison, so the verdict is a fail.
    const StandardsCatalog catalog;
    const StandardLinkBudget budget = tiaBudget(catalog);
    EXPECT_EQ(budget.verdict(std::nanf(""), -29.3f), VerdictFail);
}

TEST(DefaultLinkBudget, OldAndLaterTables)
{
    DefaultLinkBudget budget;
    budget.setLengthKm(1.0f);
    budget.setConnectorPairs(2);
    budget.setSplices(1);
    budget.setTypeCode(0 << 8);
    budget.selectTable(1.5f);
    EXPECT_FALSE(budget.usesLaterTable());
    EXPECT_EQ(budget.standardNumber(), 2);
    EXPECT_FLOAT_EQ(budget.budget(DefaultBudget850), 5.6f);
    EXPECT_FLOAT_EQ(budget.restoreReference(-25.6f, DefaultBudget850), -20.0f);

    budget.selectTable(2.0f);
    EXPECT_TRUE(budget.usesLaterTable());
    EXPECT_EQ(budget.standardNumber(), 12);
    EXPECT_FLOAT_EQ(budget.budget(DefaultBudget850), 5.3f);

    budget.selectTable(1.2f);
    EXPECT_TRUE(budget.usesLaterTable());
    budget.selectTable(1.3f);
    EXPECT_FALSE(budget.usesLaterTable());
    budget.selectTable(0.0f);
    EXPECT_TRUE(budget.usesLaterTable());
}

TEST(DefaultLinkBudget, ReadsOnlyBitsEightAndNineOfTheTypeCode)
{
    DefaultLinkBudget budget;
    budget.setLengthKm(2.0f);
    budget.selectTable(1.5f);
    budget.setTypeCode((3u << 8) | 0xFFu);
    EXPECT_FLOAT_EQ(budget.attenuation(DefaultBudget1550), 0.5f);
    budget.setTypeCode(1u << 8);
    EXPECT_FLOAT_EQ(budget.attenuation(DefaultBudget1300), 0.8f);
    EXPECT_FLOAT_EQ(budget.budget(DefaultBudget1300), 1.6f);
    budget.setTypeCode(0x400u | (2u << 8));
    EXPECT_FLOAT_EQ(budget.attenuation(DefaultBudget850), 1.0f);
}
