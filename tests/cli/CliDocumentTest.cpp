#include "cli/CliRun.h"
#include "database/Database.h"
#include "database/TestDatabaseSchema.h"
#include "support/TestDatabaseBuilder.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

class CliDocumentTest : public TempDirTest
{
protected:
    static QString sample(const char* name)
    {
        return QStringLiteral(FIBROLOG_TEST_DATA_DIR "/") + QLatin1String(name);
    }
};

} // namespace

TEST_F(CliDocumentTest, AMalformedDownloadLeavesNoTarget)
{
    writeFile(path("bad.kav"), "this is not what a meter sends");
    const CliRun r = runCliCaptured({"import", path("bad.kav"), path("out.mdb")});
    EXPECT_EQ(r.status, ExitError);
    EXPECT_TRUE(r.err.contains("No test data found in the download")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("out.mdb")));

    const CliRun missing = runCliCaptured({"import", path("missing.kav"), path("out.mdb")});
    EXPECT_EQ(missing.status, ExitError);
    EXPECT_TRUE(missing.err.contains("Could not find file"));
}

TEST_F(CliDocumentTest, OverwriteLeavesExactlyTheNewRowsAndMergeAddsThem)
{
    const QString target = path("site.mdb");
    {
        TestDatabaseBuilder builder(target);
        TestDatabaseBuilder::Site site;
        site.company = builder.addCompany("Older Co");
        const RecordId link = builder.addSite(site);
        builder.addFiber(link, "1", 0, {-25.0f, 0, 0, 0, 0});
    }
    ASSERT_EQ(runCliCaptured({"import", sample("lintel-v2_5.kav"), target}).status, ExitOk); // merge
    EXPECT_EQ(runCliCaptured({"info", target}).out, "schema 2.1\nCompany 2\nSite 4\nFiber 8\nStandards 2\n");

    const CliRun overwrite = runCliCaptured({"import", sample("lintel-v2_5.kav"), target, "--overwrite"});
    ASSERT_EQ(overwrite.status, ExitOk) << overwrite.err.toStdString();
    EXPECT_EQ(runCliCaptured({"info", target}).out, "schema 2.1\nCompany 1\nSite 3\nFiber 7\nStandards 2\n");
    EXPECT_EQ(runCliCaptured({"import", sample("lintel-v2_5.kav"), target, "--merge", "--overwrite"}).status,
              ExitUsage);
    const CliRun wrongName = runCliCaptured({"import", sample("lintel-v2_5.kav"), path("site.db")});
    EXPECT_EQ(wrongName.status, ExitError);
    EXPECT_TRUE(wrongName.err.contains("File extension needs to be .mdb"));
}

TEST_F(CliDocumentTest, ExportCsvWritesOneQuotedRowPerMeasuredSlot)
{
    const QString file = path("links.mdb");
    {
        TestDatabaseBuilder builder(file);
        TestDatabaseBuilder::Site site;
        site.name = "Riser, east \"B\"";
        site.company = builder.addCompany("Northwind Cabling");
        site.wizard = 0b101;
        site.references = {-20.0f, 0, -20.0f, 0, 0};
        site.wavelengths = {"850nm", "9999nm", "1300nm", "9999nm", "9999nm"};
        const RecordId link = builder.addSite(site);
        builder.addFiber(link, "1", 0, {-30.0f, 0, -25.0f, 0, 0});
    }
    ASSERT_EQ(runCliCaptured({"export-csv", file, path("out.csv")}).status, ExitOk);
    const QStringList lines = QString::fromUtf8(fileBytes(path("out.csv"))).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].startsWith("link_id,circuit_id,test_date,"));
    // 2 km of 62.5 um under EIA/TIA 568-A with 2 pairs and 1 splice: 9.30 dB at
    // 850 nm; reference -20, power -30: overhead -0.70, margin -2.33 %.
    EXPECT_EQ(lines[1],
              "\"Riser, east \"\"B\"\"\",1,2026-03-02 10:15,Northwind Cabling,SN:P2031,"
              "EIA/TIA 568-A / CAN-T529,62.5uM MM,850nm,-20.00,-30.00,7.50,1.50,0.30,9.30,-29.30,10.00,"
              "-0.70,-0.70,-2.33,Fail");
    // At 1300 nm: 3.00 + 1.50 + 0.30 = 4.80; power -25: overhead 0.20.
    EXPECT_TRUE(lines[2].contains(",1300nm,-20.00,-25.00,3.00,1.50,0.30,4.80,-24.80,5.00,-0.20,-0.20,"));

    const CliRun old = runCliCaptured({"export-csv", sample("pendra-v2_10.kav"), path("x.csv")});
    EXPECT_EQ(old.status, ExitError);
    EXPECT_FALSE(QFile::exists(path("x.csv")));
}

TEST_F(CliDocumentTest, ALinkWithoutARealLengthIsExportedWithItsReadingsOnly)
{
    // Lengths an old file or a typing slip left: 1e40 m was stored as an
    // infinite length, and every fiber of it "passed" with "inf dB".
    const QString file = path("lengths.mdb");
    {
        TestDatabaseBuilder builder(file);
        const RecordId company = builder.addCompany("Northwind Cabling");
        const std::pair<const char*, float> links[] = {{"A infinite", std::numeric_limits<float>::infinity()},
                                                       {"B negative", -100.0f},
                                                       {"C 600 km", 600000.0f},
                                                       {"D 500 km", 500000.0f}};
        for (const auto& [name, metres] : links) {
            TestDatabaseBuilder::Site site;
            site.name = QLatin1String(name);
            site.company = company;
            site.lengthMetres = metres;
            builder.addFiber(builder.addSite(site), "1", 0, {-30.0f, 0, 0, 0, 0});
        }
    }
    ASSERT_EQ(runCliCaptured({"export-csv", file, path("out.csv")}).status, ExitOk);
    const QStringList lines = QString::fromUtf8(fileBytes(path("out.csv"))).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    const QString readingsOnly =
        ",2026-03-02 10:15,Northwind Cabling,SN:P2031,EIA/TIA 568-A / CAN-T529,62.5uM MM,"
        "850nm,-20.00,-30.00,,,,,,10.00,,,,-";
    EXPECT_EQ(lines[1], "A infinite,1" + readingsOnly);
    EXPECT_EQ(lines[2], "B negative,1" + readingsOnly);
    EXPECT_EQ(lines[3], "C 600 km,1" + readingsOnly);
    // The longest real link is judged; its margin as a share of a 1876.80 dB
    // budget is beyond a float and so left empty.
    EXPECT_EQ(lines[4], "D 500 km,1,2026-03-02 10:15,Northwind Cabling,SN:P2031,EIA/TIA 568-A / CAN-T529,"
                        "62.5uM MM,850nm,-20.00,-30.00,1875.00,1.50,0.30,1876.80,-1896.80,10.00,1866.80,"
                        "1866.80,,Pass");
}

TEST_F(CliDocumentTest, ExportCsvKeepsFormulasOutOfSpreadsheets)
{
    const QString file = path("formula.mdb");
    {
        TestDatabaseBuilder builder(file);
        TestDatabaseBuilder::Site site;
        site.name = "=HYPERLINK(\"x\")";
        site.company = builder.addCompany("@Home Cabling");
        const RecordId link = builder.addSite(site);
        builder.addFiber(link, "-1", 0, {-30.0f, 0, 0, 0, 0});
    }
    ASSERT_EQ(runCliCaptured({"export-csv", file, path("out.csv")}).status, ExitOk);
    const QStringList lines = QString::fromUtf8(fileBytes(path("out.csv"))).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].startsWith("\"'=HYPERLINK(\"\"x\"\")\",'-1,")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains(",'@Home Cabling,")) << lines[1].toStdString();
}

TEST_F(CliDocumentTest, ADatabaseFailureEndsTheCommandWithTheEnginesWords)
{
    // A current file whose Standards table is gone: reading its custom
    // standards fails inside the command.
    const QString file = path("damaged.mdb");
    {
        TestDatabaseBuilder builder(file);
        builder.database().deleteTable("Standards");
    }
    for (const QStringList& command :
         {QStringList{"export-csv", file, path("out.csv")}, QStringList{"standards", "--db", file}}) {
        const CliRun r = runCliCaptured(command);
        EXPECT_EQ(r.status, ExitError) << command.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("fibrolog-cli: An error occurred:\n")) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("Standards")) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(path("out.csv")));
}
