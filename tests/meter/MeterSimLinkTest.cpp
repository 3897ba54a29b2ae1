// The meter link against simulated meters on pseudo-terminals: the real
// termios port, the real search and transfer, with a shortened silence.
#include "MeterSimProcess.h"
#include "support/TempFolderGuard.h"

#include "app/JobProgress.h"
#include "meter/DevicePortOpener.h"
#include "meter/MeterLink.h"
#include "support/ScriptedPrompt.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

namespace {

const QString kData = QStringLiteral(FIBROLOG_TEST_DATA_DIR);
constexpr LineTiming kShortSilence{50, 10};

struct SimLink
{
    explicit SimLink(const QString& ports) : opener(SerialPortPaths::fromList(ports))
    {
        link.setLineTiming(kShortSilence);
    }
    TempFolderGuard temp;
    DevicePortOpener opener;
    ScriptedPrompt prompt;
    NullStatusSink status;
    SilentProgress progress;
    MeterLink link{opener, prompt, status};
};

} // namespace

TEST(MeterSimLink, TheHigherOfTwoMetersIsFoundWithItsFamily)
{
    MeterSimProcess com3({"--fast", "--id", "LN500"});
    MeterSimProcess com7({"--fast", "--id", "CX30118"});
    SimLink s(MeterSimProcess::portList({{3, &com3}, {7, &com7}}));
    EXPECT_EQ(s.link.findMeter(s.progress), 7);
    EXPECT_EQ(s.link.meterType(), MeterType::Corvina);
    EXPECT_TRUE(s.prompt.exchanges().isEmpty());
}

TEST(MeterSimLink, IdentificationAnswersOverTheLine)
{
    const struct
    {
        const char* id;
        MeterType type;
    } cases[] = {{"MKAV", MeterType::Pendra}, {"PN2031", MeterType::Pendra}, {"PX7", MeterType::Pendra},
                 {"LN9", MeterType::Lintel},  {"CV1", MeterType::Corvina},   {"CX2", MeterType::Corvina},
                 {"pn2031", MeterType::None}, {"P", MeterType::None}};
    for (const auto& c : cases) {
        MeterSimProcess sim({"--fast", "--id", c.id});
        SimLink s(sim.path());
        s.link.setLineTiming({20, 10});
        EXPECT_EQ(s.link.identifyPort(1, s.progress), c.type != MeterType::None) << c.id;
        EXPECT_EQ(s.link.meterType(), c.type) << c.id;
    }
}

TEST(MeterSimLink, SilentAndBabblingDevicesAreNoMeter)
{
    MeterSimProcess silent({"--fast", "--silent"});
    MeterSimProcess babbling({"--fast", "--garbage"});
    SimLink s(MeterSimProcess::portList({{1, &silent}, {2, &babbling}}));
    EXPECT_EQ(s.link.findMeter(s.progress), -1);
    EXPECT_EQ(s.prompt.exchanges().size(), 1) << "asked Retry or Cancel once; Cancel";
}

TEST(MeterSimLink, ADownloadWithManyPausesArrivesWhole)
{
    const QString sample = kData + "/pendra-v2_10.kav";
    MeterSimProcess sim(
        {"--fast", "--id", "PX20731", "--file", sample, "--pause-every", "100", "--pause-ms", "120"});
    SimLink s(sim.path());
    const DownloadResult result = s.link.downloadToFile(s.progress);
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    EXPECT_EQ(readFile(result.path), readFile(sample));
    EXPECT_EQ(QFileInfo(result.path).suffix(), "kav");
    EXPECT_EQ(s.temp.files().size(), 1);
}

TEST(MeterSimLink, ACorvinaSendsAKavwFile)
{
    const QString sample = kData + "/corvina.kavw";
    MeterSimProcess sim({"--fast", "--id", "CX30118", "--file", sample});
    SimLink s(sim.path());
    const DownloadResult result = s.link.downloadToFile(s.progress);
    ASSERT_TRUE(result.ok()) << result.detail.toStdString();
    EXPECT_EQ(QFileInfo(result.path).suffix(), "kavw");
    EXPECT_EQ(readFile(result.path), readFile(sample));
}

TEST(MeterSimLink, AHangUpInTheMiddleFailsAndLeavesNoFile)
{
    MeterSimProcess sim(
        {"--fast", "--id", "PN1", "--file", kData + "/pendra-v2_10.kav", "--hang-up-after", "700"});
    SimLink s(sim.path());
    const DownloadResult result = s.link.downloadToFile(s.progress);
    EXPECT_EQ(result.status, DownloadStatus::ReadFailure);
    EXPECT_LE(result.bytes, 700);
    EXPECT_TRUE(s.temp.files().isEmpty()) << s.temp.files().join(' ').toStdString();
}
