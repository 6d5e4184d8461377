// A history feed of 100,000 draws (about 7 MB): parsing it, and the full
// reload of its draws into the in-memory window.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "../tests/support/feed_document.h"
#include "../tests/support/fake_startup_extras.h"
#include "shell/main_window_names.h"
#include "controls/memory_controls.h"
#include "platform/system_platform.h"
#include "draws/history_feed.h"
#include "shell/application.h"
#include "shell/main_window_layout.h"

namespace {

using namespace std::chrono;
namespace names = quintara::names;

constexpr int kDraws = 100000;
constexpr int kDrawsPerDay = 120;

std::string twoDigits(unsigned value) { return std::to_string(100 + value % 100).substr(1); }

// 120 draws a day from 11 February 2018 on, their digits spread evenly.
std::string makeFeed() {
    std::string feed = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<xml>\n";
    const sys_days first = year{2018} / February / 11;
    for (int k = 0; k < kDraws; ++k) {
        const year_month_day date{first + days{k / kDrawsPerDay}};
        const std::string issue = twoDigits(static_cast<unsigned>(static_cast<int>(date.year()))) +
                                  twoDigits(static_cast<unsigned>(date.month())) +
                                  twoDigits(static_cast<unsigned>(date.day())) +
                                  std::to_string(1001 + k % kDrawsPerDay).substr(1);
        const std::string digits = std::to_string(100000 + (k * 7919) % 100000).substr(1);
        feed += quintara::testing::feedRow({issue, digits}) + "\n";
    }
    return feed + "</xml>\n";
}

void BM_ParseHistoryFeed(benchmark::State& state) {
    const std::string feed = makeFeed();
    for (auto _ : state) {
        const std::vector<std::string> entries = quintara::parseHistoryFeed(feed);
        if (entries.size() != kDraws) state.SkipWithError("the feed lost draws");
        benchmark::DoNotOptimize(entries.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(feed.size()));
    state.counters["feed_bytes"] = static_cast<double>(feed.size());
}
BENCHMARK(BM_ParseHistoryFeed)->Unit(benchmark::kMillisecond);

// Hands over the feed's parsed draws as the network providers would, which
// parse them into a list of their own and give it away: the copy of the next
// list is made before each reload, outside the time measured.
class ParsedFeed : public quintara::DrawProviders {
public:
    ParsedFeed() : entries_(quintara::parseHistoryFeed(makeFeed())) {}
    void prepare() { next_ = entries_; }
    bool fetchHistoryFeed(std::vector<std::string>& entries) override {
        entries = std::move(next_);
        return true;
    }
    quintara::NewerDraw findNewerDraw(std::string_view) override { return {}; }

private:
    std::vector<std::string> entries_;
    std::vector<std::string> next_;
};

// The reload itself: the statistics that a ticked "自动刷新" would add are
// measured by their own benchmarks.
void BM_FullReload(benchmark::State& state) {
    const auto window = quintara::makeMemoryWindow(quintara::mainWindowLayout());
    quintara::SystemPlatform platform;
    ParsedFeed providers;
    quintara::testing::IdleStartupExtras extras;
    quintara::Application application(*window, platform, providers, extras);
    application.windowCreated();
    window->checkBox(names::kAutoRefreshBox).setChecked(false);
    auto& update = window->control<quintara::MemoryButton>(names::kUpdateButton);
    for (auto _ : state) {
        state.PauseTiming();
        providers.prepare();
        state.ResumeTiming();
        update.click();
        benchmark::DoNotOptimize(window->grid(names::kDrawGrid).rowCount());
    }
    if (window->grid(names::kDrawGrid).rowCount() != kDraws + 2) state.SkipWithError("draws lost");
}
BENCHMARK(BM_FullReload)->Unit(benchmark::kMillisecond);

}  // namespace
