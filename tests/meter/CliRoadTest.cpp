// The whole road on the command line: a simulated meter, a download stored
// into a test database, its row counts and its evaluated circuits.
#include "MeterSimProcess.h"
#include "support/TempFolderGuard.h"

#include "cli/CliRun.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

CliRun cli(const QStringList& arguments)
{
    return runCliCaptured(arguments);
}

QStringList csvLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

} // namespace

TEST(CliRoad, MeterToSavedDatabaseToEvaluatedCircuits)
{
    TempFolderGuard temp;
    MeterSimProcess sim(
        {"--fast", "--id", "PX20731", "--file", QStringLiteral(FIBROLOG_TEST_DATA_DIR "/pendra-v2_10.kav")});
    ASSERT_FALSE(sim.path().isEmpty());
    QTemporaryDir dir;
    const QString database = dir.filePath("road.mdb");
    const QString raw = dir.filePath("raw.kav");

    qputenv("FIBROLOG_SERIAL_PORTS", MeterSimProcess::portList({{3, &sim}}).toLocal8Bit());
    const CliRun download = cli({"download", raw, "--into", database});
    qunsetenv("FIBROLOG_SERIAL_PORTS");
    ASSERT_EQ(download.status, ExitOk) << download.err.toStdString();
    EXPECT_TRUE(download.out.isEmpty()) << download.out.toStdString(); // standard output is for data
    EXPECT_EQ(download.err.trimmed(), "stored 7 links and 19 circuits in " + database);
    QFile sent(QStringLiteral(FIBROLOG_TEST_DATA_DIR "/pendra-v2_10.kav"));
    ASSERT_TRUE(sent.open(QIODevice::ReadOnly));
    QFile copy(raw);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), sent.readAll());
    EXPECT_TRUE(temp.files().isEmpty()); // no working copy or data file left behind

    EXPECT_EQ(cli({"info", database}).out, "schema 2.1\nCompany 1\nSite 7\nFiber 19\nStandards 8\n");

    const QString csv = dir.filePath("circuits.csv");
    ASSERT_EQ(cli({"export-csv", database, csv}).status, ExitOk);
    const QStringList lines = csvLines(csv);
    ASSERT_EQ(lines.size(), 1 + 40); // a row per measured wavelength slot
    // Link 1: EIA/TIA 568-A, 62.5 um, 325 m, 2 connector pairs, no splice, in
    // budget mode at both wavelengths.
    //   850 nm: allowance 3.75 x 0.325 = 1.22 + 1.50 = 2.72; system reference
    //   -18.40 - 2.72 = -21.12; fiber 01 at -20.92: loss 2.52, overhead 0.20,
    //   margin (10^0.0199 - 1) / (10^0.2719 - 1) = 5.38 %.
    //   1300 nm: 1.5 x 0.325 = 0.49 + 1.50 = 1.99; -19.05 - 1.99 = -21.04;
    //   fiber 01 at -19.88: loss 0.83, overhead 1.16, margin 52.63 %.
    //   Fiber 03 at 850 nm, -21.30: loss 2.90, overhead -0.18, margin -4.90 %: Fail.
    EXPECT_TRUE(
        lines.contains("ADMIN MDF-IDF1,01,2006-10-02 00:00,Halvorsen Fiber Services,SN:PX20731,"
                       "EIA/TIA 568-A / CAN-T529,62.5uM MM,850nm,-18.40,-20.92,1.22,1.50,0.00,2.72,-21.12,"
                       "2.52,0.20,0.20,5.38,Pass"));
    EXPECT_TRUE(
        lines.contains("ADMIN MDF-IDF1,01,2006-10-02 00:00,Halvorsen Fiber Services,SN:PX20731,"
                       "EIA/TIA 568-A / CAN-T529,62.5uM MM,1300nm,-19.05,-19.88,0.49,1.50,0.00,1.99,-21.04,"
                       "0.83,1.16,1.16,52.63,Pass"));
    EXPECT_TRUE(
        lines.contains("ADMIN MDF-IDF1,03,2006-10-02 00:00,Halvorsen Fiber Services,SN:PX20731,"
                       "EIA/TIA 568-A / CAN-T529,62.5uM MM,850nm,-18.40,-21.30,1.22,1.50,0.00,2.72,-21.12,"
                       "2.90,-0.18,-0.18,-4.90,Fail"));
    // Link 3 is held to return loss: 45 dB at 1310 nm, 40 dB at 1550 nm.
    //   N01 at 1310 nm: return loss -7.92 - (-52.50) = 44.58, margin 44.58 - 45 = -0.42,
    //   (10^0.042 - 1) / (10^4.5 - 1) = -0.0003 %: a fail.
    //   N01 at 1550 nm: -8.15 - (-50.40) = 42.25, margin 2.25, (10^0.225 - 1) / (10^4 - 1) = 0.01 %.
    EXPECT_TRUE(
        lines.contains("NORTH CAMPUS SM,N01,2006-10-03 00:00,Halvorsen Fiber Services,SN:PX20731,"
                       "EIA/TIA FOTP107A,INDOOR SM,1310nm,-7.92,-52.50,0.00,0.00,0.00,45.00,-7.92,44.58,"
                       "-0.42,44.58,-0.00,Fail"));
    EXPECT_TRUE(
        lines.contains("NORTH CAMPUS SM,N01,2006-10-03 00:00,Halvorsen Fiber Services,SN:PX20731,"
                       "EIA/TIA FOTP107A,INDOOR SM,1550nm,-8.15,-50.40,0.00,0.00,0.00,40.00,-8.15,42.25,"
                       "2.25,42.25,0.01,Pass"));
    // A reference set by hand: no verdict, no margin percentage.
    EXPECT_TRUE(
        lines.contains("DATA CENTER LINK,DC1,2006-10-04 00:00,Halvorsen Fiber Services,SN:PX20731,"
                       "User Link Budget,50.0uM MM,850nm,-18.50,-19.41,0.00,0.00,0.00,9.50,-18.50,0.91,"
                       "-0.91,-0.91,,Note1"));
}
