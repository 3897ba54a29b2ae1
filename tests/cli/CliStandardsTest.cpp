#include "cli/CliRun.h"

#include <gtest/gtest.h>

namespace {

CliRun run(const QStringList& arguments)
{
    return runCliCaptured(arguments);
}

} // namespace

TEST(CliStandards, ListsTheNinetyEntriesTabSeparated)
{
    const CliRun r = run({"standards"});
    ASSERT_EQ(r.status, ExitOk) << r.err.toStdString();
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 90);
    for (const QString& line : lines)
        EXPECT_EQ(line.count('\t'), 9) << line.toStdString();
    EXPECT_TRUE(lines.contains("2\tEIA/TIA 568-A / CAN-T529\t\t0\t850nm\t2000.00\t0.00\t3.75\t0.75\t0.30"));
    EXPECT_TRUE(lines.contains("9\tATM 622\t\t2\t1300nm\t15000.00\t7.00\t0.00\t0.00\t0.00"));
}

TEST(CliStandards, MachineReadableNumbersIgnoreTheLocale)
{
    const CliRun r = run({"--locale", "de_DE", "standards"});
    ASSERT_EQ(r.status, ExitOk);
    EXPECT_TRUE(r.out.contains("\t2000.00\t"));
    EXPECT_FALSE(r.out.contains("2000,00"));
}

TEST(CliBudget, PrintsTheAllowedLossPerWavelength)
{
    const CliRun r = run({"budget", "--standard", "2", "--fiber-type", "0", "--length-km", "2",
                          "--connectors", "2", "--splices", "1"});
    ASSERT_EQ(r.status, ExitOk) << r.err.toStdString();
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines.contains("850nm\t9.30"));
    EXPECT_TRUE(lines.contains("1300nm\t4.80"));
}

TEST(CliBudget, FixedBudgetAndInlineOptionValues)
{
    const CliRun r = run({"budget", "--standard=20", "--fiber-type=3", "--length-km=12.5", "--connectors=4",
                          "--splices=10", "--locale=de_DE"});
    ASSERT_EQ(r.status, ExitOk) << r.err.toStdString();
    EXPECT_EQ(r.out.split('\n', Qt::SkipEmptyParts).size(), 3);
    EXPECT_TRUE(r.out.contains("1490nm\t20.00"));
}

TEST(CliBudget, NoEntriesIsAnError)
{
    const CliRun r = run({"budget", "--standard", "20", "--fiber-type", "0", "--length-km", "1",
                          "--connectors", "0", "--splices", "0"});
    EXPECT_EQ(r.status, ExitError);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains("no entries"));
}

TEST(CliUsage, BadCallsExitTwoWithUsage)
{
    const QList<QStringList> bad = {
        {},
        {"frobnicate"},
        {"standards", "extra"},
        {"standards", "--bogus"},
        {"budget"},
        {"budget", "--standard"},
        {"budget", "--standard", "2", "--fiber-type", "0", "--length-km", "two", "--connectors", "2",
         "--splices", "1"},
        {"budget", "--standard", "2", "--fiber-type", "7", "--length-km", "2", "--connectors", "2",
         "--splices", "1"},
        {"budget", "--standard", "2", "--fiber-type", "0", "--length-km", "nan", "--connectors", "2",
         "--splices", "1"},
        {"budget", "--standard", "2", "--fiber-type", "0", "--length-km", "2", "--connectors", "-1",
         "--splices", "1"},
        {"budget", "--standard", "2", "--standard", "3"},
        {"budget", "--standard", "2", "--custom-id", "nonsense", "--fiber-type", "0", "--length-km", "2",
         "--connectors", "2", "--splices", "1"},
        {"--locale"},
        {"--locale", "xx_nowhere", "standards"},
    };
    for (const QStringList& args : bad) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, ExitUsage) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains("Usage: fibrolog-cli")) << args.join(' ').toStdString();
    }
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, ExitOk);
    EXPECT_TRUE(help.out.contains("budget"));
}
