// The watcher's serving: from a draw recorded to its draw event at a client
// of the event stream; /api/statistics over 10000 draws, the first request
// after a new draw (the text made) and those after it (the text kept); and
// a poll with its publishing while 0 or 32 event streams are open, each read
// by a client of its own.
#include <benchmark/benchmark.h>

#include <atomic>
#include <memory>
#include <thread>

#include "serve/served_watch.h"
#include "support/issues.h"

namespace {

using namespace quintara;
using testing::getRequest;
using testing::RawClient;
using testing::ServedWatch;

std::string nextEntry(const ServedWatch& watch, int iteration) {
    return testing::successorOf(watch.follower.history().draws().front().issue) +
           std::to_string(10000 + iteration % 90000).substr(0, 5);
}

void BM_DrawRecordedToItsEvent(benchmark::State& state) {
    ServedWatch watch(static_cast<int>(state.range(0)));
    RawClient stream(watch.port);
    stream.send(getRequest("/api/events"));
    stream.receive("event: status");
    int iteration = 0;
    for (auto _ : state) {
        const std::string entry = nextEntry(watch, iteration++);
        watch.providers.newer = entry;
        const HistoryChange change = watch.follower.poll();  // the draw is in the archive once it returns
        const auto recorded = std::chrono::steady_clock::now();
        watch.step(change);
        stream.receive("{\"issue\":\"" + entry.substr(0, kIssueLength) + "\",\"digits\":\"" + entry.substr(kIssueLength));
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - recorded).count());
    }
}
BENCHMARK(BM_DrawRecordedToItsEvent)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_StatisticsOverTenThousandDraws(benchmark::State& state) {
    const bool firstAfterADraw = state.range(0) == 1;
    ServedWatch watch(10000);
    httplib::Client client = watch.client();
    int iteration = 0;
    for (auto _ : state) {
        if (firstAfterADraw) {
            state.PauseTiming();
            watch.poll(nextEntry(watch, iteration++));
            state.ResumeTiming();
        }
        const auto reply = client.Get("/api/statistics");
        if (!reply || reply->status != 200) state.SkipWithError("no statistics");
        benchmark::DoNotOptimize(reply->body.size());
    }
}
BENCHMARK(BM_StatisticsOverTenThousandDraws)->ArgName("first_after_a_draw")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_PollWithEventStreamsOpen(benchmark::State& state) {
    const auto streams = static_cast<std::size_t>(state.range(0));
    ServedWatch watch(10000);
    std::atomic<bool> reading = true;
    std::vector<std::thread> readers;
    for (std::size_t open = 0; open < streams; ++open) {
        readers.emplace_back([&watch, &reading] {
            RawClient stream(watch.port);
            stream.send(getRequest("/api/events"));
            while (reading && !stream.closed()) stream.receive("never", std::chrono::milliseconds(100));
        });
    }
    while (watch.serving.openStreams() < streams) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    int iteration = 0;
    for (auto _ : state) watch.poll(nextEntry(watch, iteration++));
    state.counters["streams"] = static_cast<double>(watch.serving.openStreams());
    reading = false;
    for (std::thread& reader : readers) reader.join();
}
BENCHMARK(BM_PollWithEventStreamsOpen)->Arg(0)->Arg(32)->Unit(benchmark::kMillisecond);

}  // namespace
