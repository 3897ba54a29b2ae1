#include "support/ScriptedPortOpener.h"

#include "app/JobProgress.h"
#include "meter/MeterProbe.h"
#include "meter/MeterType.h"

#include <gtest/gtest.h>

namespace {

ScriptedMeter answering(const QByteArray& answer)
{
    ScriptedMeter meter;
    meter.answer = {LineEvent::data(answer)};
    return meter;
}

// Records the steps reported.
class CountingProgress : public JobProgress
{
public:
    void report(const QString& what, std::int64_t, std::int64_t) override { steps.append(what); }
    QStringList steps;
};

} // namespace

TEST(MeterType, AnswerRulesAreCaseSensitiveAndFirstMatchWins)
{
    const struct
    {
        const char* answer;
        MeterType type;
    } cases[] = {
        {"MKAV", MeterType::Pendra},     {"PN2031", MeterType::Pendra}, {"PX", MeterType::Pendra},
        {"LN", MeterType::Lintel},       {"LNMKAV", MeterType::Lintel}, {"CV7", MeterType::Corvina},
        {"CX30118", MeterType::Corvina}, {"MKAVX", MeterType::None},    {"mkav", MeterType::None},
        {"pn2031", MeterType::None},     {"Ln1", MeterType::None},      {"P", MeterType::None},
        {"", MeterType::None},           {" PN1", MeterType::None},     {"KAV", MeterType::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(meterTypeFromAnswer(c.answer), c.type) << c.answer;
    EXPECT_EQ(downloadFileExtension(MeterType::Corvina), ".kavw");
    EXPECT_EQ(downloadFileExtension(MeterType::Pendra), ".kav");
    EXPECT_EQ(downloadFileExtension(MeterType::Lintel), ".kav");
}

TEST(MeterProbe, ScanKeepsTheHighestAnsweringPortAndItsFamily)
{
    ScriptedPortOpener opener;
    opener.meters[3] = answering("LN500");
    opener.meters[7] = answering("CX30118");
    opener.meters[9] = answering("hello"); // a device, but no meter
    SilentProgress progress;
    MeterProbe probe(opener, LineTiming{});
    EXPECT_EQ(probe.scanPorts(progress), 7);
    EXPECT_EQ(probe.meterType(), MeterType::Corvina);
    EXPECT_EQ(opener.attempts.size(), 20);
    EXPECT_EQ(opener.attempts.front(), 1);
    EXPECT_EQ(opener.attempts.back(), 20);
    for (const auto& [port, meter] : opener.meters) {
        EXPECT_EQ(meter.written, "?") << port;
        EXPECT_EQ(meter.opens, meter.closes) << "port " << port << " left open";
    }
}

TEST(MeterProbe, PortsThatMisbehaveAreNotTheMeterAndAreClosed)
{
    ScriptedPortOpener opener;
    opener.meters[2] = answering("PN1");
    opener.meters[2].failConfigure = true;
    opener.meters[4] = answering("PN1");
    opener.meters[4].refuseWrites = true;
    opener.meters[5].answer = {LineEvent::data("P"), LineEvent::failure()};
    SilentProgress progress;
    MeterProbe probe(opener, LineTiming{});
    EXPECT_EQ(probe.scanPorts(progress), -1);
    EXPECT_EQ(probe.meterType(), MeterType::None);
    for (const auto& [port, meter] : opener.meters)
        EXPECT_EQ(meter.opens, meter.closes) << "port " << port << " left open";
}

TEST(MeterProbe, TheAnswerEndsAtTheTenthEmptyReadInAll)
{
    auto answerWithGaps = [](int gaps) {
        ScriptedMeter meter;
        meter.answer.append(LineEvent::data("P"));
        for (int i = 0; i < gaps; ++i)
            meter.answer.append(LineEvent::silence());
        meter.answer.append(LineEvent::data("N7"));
        return meter;
    };
    SilentProgress progress;
    {
        ScriptedPortOpener opener;
        opener.meters[1] = answerWithGaps(9);
        MeterProbe probe(opener, LineTiming{});
        EXPECT_TRUE(probe.probePort(1, progress));
        EXPECT_EQ(probe.meterType(), MeterType::Pendra);
    }
    {
        ScriptedPortOpener opener;
        opener.meters[1] = answerWithGaps(10);
        MeterProbe probe(opener, LineTiming{});
        EXPECT_FALSE(probe.probePort(1, progress)) << "the N after ten empty reads is not seen";
    }
}

TEST(MeterProbe, ASettledAnswerEndsAtTheFirstSilence)
{
    SilentProgress progress;
    ScriptedPortOpener opener;
    opener.meters[1] = answering("PN1234");
    opener.meters[2] = answering("MKAV");
    MeterProbe probe(opener, LineTiming{});
    EXPECT_TRUE(probe.probePort(1, progress));
    EXPECT_EQ(opener.meters[1].silentReads, 1) << "PN names the family whatever follows";
    EXPECT_TRUE(probe.probePort(2, progress));
    EXPECT_EQ(opener.meters[2].silentReads, 10) << "MKAV followed by more would name none";
    EXPECT_TRUE(answerIsSettled("CX3"));
    EXPECT_FALSE(answerIsSettled("C"));
    EXPECT_FALSE(answerIsSettled("pn1"));
}

TEST(MeterProbe, ZeroBytesAddNothingToTheAnswer)
{
    ScriptedPortOpener opener;
    opener.meters[1] = answering(QByteArray("\0MK\0AV", 6));
    SilentProgress progress;
    MeterProbe probe(opener, LineTiming{});
    EXPECT_TRUE(probe.probePort(1, progress));
    EXPECT_EQ(probe.meterType(), MeterType::Pendra);
}

TEST(MeterProbe, ADeviceThatNeverStopsTalkingDoesNotHangTheSearch)
{
    ScriptedPortOpener opener;
    opener.meters[1].talksForever = true;
    SilentProgress progress;
    MeterProbe probe(opener, LineTiming{});
    EXPECT_FALSE(probe.probePort(1, progress));
    EXPECT_EQ(opener.meters[1].closes, 1);
}

TEST(MeterProbe, ReportsEachPortAndStopsWhenCancelled)
{
    ScriptedPortOpener opener;
    opener.meters[12] = answering("PN1");
    CountingProgress progress;
    MeterProbe probe(opener, LineTiming{});
    EXPECT_EQ(probe.scanPorts(progress), 12);
    ASSERT_EQ(progress.steps.size(), 20);
    EXPECT_EQ(progress.steps.at(2), "Probing COM3");

    progress.cancel();
    EXPECT_EQ(probe.scanPorts(progress), -1);
}
