// Download speed and memory.
//
// BM_ParseSyntheticDownload: parsing a 10 MB synthetic ".kav" file must reach
// 50 MB/s, and memory must not grow beyond the parsed model itself (the file is
// read through a 64 KB buffer, never whole). Counters: peak RSS of the process
// and the heap the model holds.
//
// With --real-pace, also BM_DownloadAtRealPace: 100 KB from the meter
// simulator at 9600 baud through the real termios port. The transfer may take
// at most 3 % over 100000/960 s + 2.2 s (the line's pace plus the silence that
// ends it). It takes about two minutes, so it only runs on request. Also
// BM_DownloadCommandOverhead: the search and download of 3.6 KB sent with
// eleven pauses of 300 ms, and how far above the protocol's own time it is.
#include "MeterSimProcess.h"

#include "app/JobProgress.h"
#include "meter/DevicePortOpener.h"
#include "meter/DownloadParser.h"
#include "meter/MeterLink.h"
#include "support/ScriptedPrompt.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryFile>

#include <cstring>
#include <malloc.h>
#include <sys/resource.h>

namespace {

constexpr qint64 kSyntheticBytes = 10 * 1000 * 1000;
constexpr qint64 kRealPaceBytes = 100 * 1000;

double peakRssMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

double heapInUseMegabytes()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

// A 2.10 download of eight sites whose fiber lists hold about `bytes` of fibers.
void writeSyntheticDownload(QFile& file, qint64 bytes)
{
    QByteArray text = "'Synthetic Cabling','555 0100','PX99999','2.10','01/02/06'\n"
                      "'CS15','850nm',9.5,'1300nm',4.25\n"
                      "'CS13',3,2,'1310nm',45.0,'1550nm',40.0\n"
                      "'C0',0,'850nm',3.5,3.0,0.5,0.5,0.75,0.3\n"
                      "'C0',0,'1300nm',1.5,1.0,0.4,0.3,0.75,0.3\n"
                      "'C1',1,'1310nm',0.5,0.5,0.4,0.35,0.5,0.1\n"
                      "'C1',1,'1550nm',0.4,0.4,0.3,0.25,0.5,0.1\n";
    for (int site = 1; site <= 8; ++site)
        text += QByteArray::number(site) + ",'SITE','10/02/06',1250,2,1,22,7,2,-18.40,-19.05,-9.80\n";
    file.write(text);
    qint64 written = text.size();
    for (int list = 0; written < bytes; ++list) {
        QByteArray block =
            "\n" + QByteArray::number(list % 8 + 1) + ",0,'SITE','10/02/06','850nm','1300nm','1550nm'\n";
        for (int fiber = 0; fiber < 1000; ++fiber)
            block += "'F" + QByteArray::number(list * 1000 + fiber) + "',-21.35,-20.11,-11.02\n";
        file.write(block);
        written += block.size();
    }
    file.flush();
}

void BM_ParseSyntheticDownload(benchmark::State& state)
{
    QTemporaryFile file;
    if (!file.open()) {
        state.SkipWithError("cannot create the synthetic download");
        return;
    }
    writeSyntheticDownload(file, kSyntheticBytes);
    const double heapBefore = heapInUseMegabytes();
    double modelMegabytes = 0;
    for (auto _ : state) {
        const std::optional<DownloadModel> model = DownloadParser::parseFile(file.fileName());
        modelMegabytes = heapInUseMegabytes() - heapBefore;
        benchmark::DoNotOptimize(model);
    }
    state.SetBytesProcessed(state.iterations() * file.size());
    state.counters["file_MB"] = static_cast<double>(file.size()) / 1e6;
    state.counters["model_MB"] = modelMegabytes;
    state.counters["peak_rss_MB"] = peakRssMegabytes();
}
BENCHMARK(BM_ParseSyntheticDownload)->Unit(benchmark::kMillisecond);

void BM_DownloadAtRealPace(benchmark::State& state)
{
    QTemporaryFile data;
    if (!data.open()) {
        state.SkipWithError("cannot create the data file");
        return;
    }
    QByteArray line = "'F0001',-21.35,-20.11,-11.02\n";
    for (qint64 n = 0; n < kRealPaceBytes; n += line.size())
        data.write(line.left(static_cast<qsizetype>(std::min<qint64>(line.size(), kRealPaceBytes - n))));
    data.flush();
    MeterSimProcess sim({"--id", "PN1", "--file", data.fileName(), "--lifetime", "600"});
    DevicePortOpener opener(SerialPortPaths::fromList(sim.path()));
    ScriptedPrompt prompt;
    NullStatusSink status;
    SilentProgress progress;
    for (auto _ : state) {
        MeterLink link(opener, prompt, status);
        state.PauseTiming();
        const bool found = link.identifyPort(1, progress);
        state.ResumeTiming();
        QElapsedTimer timer;
        timer.start();
        const DownloadResult result = link.downloadToFile(progress);
        const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        if (!found || !result.ok() || result.bytes != kRealPaceBytes) {
            const std::string why = QStringLiteral("meter found %1, status %2, %3 bytes: %4")
                                        .arg(found)
                                        .arg(static_cast<int>(result.status))
                                        .arg(result.bytes)
                                        .arg(result.detail)
                                        .toStdString();
            state.SkipWithError(why.c_str());
            break;
        }
        QFile::remove(result.path);
        const double bound = 1.03 * (static_cast<double>(kRealPaceBytes) / 960.0 + 2.2);
        state.counters["seconds"] = seconds;
        state.counters["bound_seconds"] = bound;
        state.counters["within_bound"] = seconds <= bound ? 1 : 0;
    }
}

// The whole Download command on a small download with pauses: the search
// of the port, then the transfer. What the protocol itself needs is the
// line's pace (bytes / 960 s), the meter's own pauses and the silence that
// ends the transfer (ten empty reads of 200 ms); everything above that is
// the program's overhead, reported apart for the search and the transfer.
void BM_DownloadCommandOverhead(benchmark::State& state)
{
    constexpr qint64 kBytes = 3600;
    constexpr int kPauseEvery = 300;
    constexpr int kPauseMs = 300;
    QTemporaryFile data;
    if (!data.open()) {
        state.SkipWithError("cannot create the data file");
        return;
    }
    const QByteArray line = "'F0001',-21.35,-20.11,-11.02\n";
    for (qint64 n = 0; n < kBytes; n += line.size())
        data.write(line.left(static_cast<qsizetype>(std::min<qint64>(line.size(), kBytes - n))));
    data.flush();
    MeterSimProcess sim({"--id", "PN1", "--file", data.fileName(), "--pause-every",
                         QString::number(kPauseEvery), "--pause-ms", QString::number(kPauseMs), "--lifetime",
                         "120"});
    DevicePortOpener opener(SerialPortPaths::fromList(sim.path()));
    ScriptedPrompt prompt;
    NullStatusSink status;
    SilentProgress progress;
    for (auto _ : state) {
        MeterLink link(opener, prompt, status);
        QElapsedTimer timer;
        timer.start();
        const bool found = link.identifyPort(1, progress);
        const double search = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        const DownloadResult result = link.downloadToFile(progress);
        const double total = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        if (!found || !result.ok() || result.bytes != kBytes) {
            state.SkipWithError("the simulated meter was not downloaded");
            break;
        }
        QFile::remove(result.path);
        const int pauses = static_cast<int>((kBytes - 1) / kPauseEvery);
        const double protocol = static_cast<double>(kBytes) / 960.0 + pauses * kPauseMs / 1000.0 + 2.0;
        // The answer "PN1" itself takes 3 bytes at the line's pace, then one
        // read time-out of silence tells it is complete.
        const double searchNeeds = 3.0 / 960.0 + 0.2;
        state.counters["seconds"] = total;
        state.counters["protocol_seconds"] = protocol;
        state.counters["overhead_seconds"] = total - protocol;
        state.counters["search_seconds"] = search;
        state.counters["search_overhead_seconds"] = search - searchNeeds;
        state.counters["transfer_overhead_seconds"] = (total - search) - protocol;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    bool realPace = false;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--real-pace") == 0)
            realPace = true;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    if (realPace) {
        benchmark::RegisterBenchmark("BM_DownloadAtRealPace", BM_DownloadAtRealPace)
            ->Iterations(1)
            ->Unit(benchmark::kSecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark("BM_DownloadCommandOverhead", BM_DownloadCommandOverhead)
            ->Iterations(1)
            ->Unit(benchmark::kSecond)
            ->UseRealTime();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
