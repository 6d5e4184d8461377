// The statistics over real draws: computed as data from the newest 10000,
// and RefreshStatistics on the in-memory window with 10000 and with 100,000
// draws stored (the steps read the newest 10000), on the Qt list views of the
// real main window, and quintara-stats end to end on a 100,000-draw feed
// file.
#include <benchmark/benchmark.h>


#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "shell/main_window_names.h"
#include "controls/memory_controls.h"
#include "shell/draw_history.h"
#include "qt_main.h"
#include "real_history.h"
#include "shell/main_window_layout.h"
#include "shell/qt/window/main_window.h"
#include "shell/statistics_refresh.h"

namespace {

using namespace quintara;
using namespace quintara::bench;

// Argument 0: the draws stored; argument 1: the item selected in the five
// count-window combo boxes (0 = 统计10期 as at start, 4 = 统计所有).
void selectCountWindows(const Window& window, int index) {
    for (const names::Name comboBox : {names::kBackThreeCountWindowBox, names::kMiddleThreeCountWindowBox,
                                       names::kFrontThreeCountWindowBox, names::kAllFiveCountWindowBox,
                                       names::kPairFrequencyCountWindowBox}) {
        window.comboBox(comboBox).setSelectedIndex(index);
    }
}

void BM_ComputeStatistics(benchmark::State& state) {
    const std::unique_ptr<Window> window = makeMemoryWindow(mainWindowLayout());
    fillHistory(window->grid(names::kDrawGrid), static_cast<int>(state.range(0)));
    const std::vector<std::string_view> draws = DrawHistory(window->grid(names::kDrawGrid)).drawTexts();
    CountWindowSelections selections;
    selections.items.fill(static_cast<int>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(computeStatistics({.draws = draws, .selections = selections}));
    }
}
BENCHMARK(BM_ComputeStatistics)->Args({10000, 0})->Args({10000, 4})->Unit(benchmark::kMicrosecond);

void runRefresh(benchmark::State& state, const Window& window) {
    fillHistory(window.grid(names::kDrawGrid), static_cast<int>(state.range(0)));
    selectCountWindows(window, static_cast<int>(state.range(1)));
    for (auto _ : state) RefreshStatistics(window);
}

void BM_RefreshStatisticsInMemory(benchmark::State& state) {
    runRefresh(state, *makeMemoryWindow(mainWindowLayout()));
}
BENCHMARK(BM_RefreshStatisticsInMemory)
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({10000, 4})
    ->Unit(benchmark::kMicrosecond);

void BM_RefreshStatisticsQtLists(benchmark::State& state) {
    const qt::MainWindow window(mainWindowLayout());
    runRefresh(state, window.controls());
}
BENCHMARK(BM_RefreshStatisticsQtLists)->Args({10000, 0})->Args({10000, 4})->Unit(benchmark::kMicrosecond);

// The feed document as the provider publishes it, oldest draw first.
void writeFeed(const std::filesystem::path& path, int drawCount) {
    std::ofstream feed(path, std::ios::binary);
    feed << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<xml>\n";
    for (int newer = drawCount - 1; newer >= 0; --newer) {
        const BenchDraw draw = benchDraw(newer);
        std::string code;
        for (const char digit : draw.text) code += code.empty() ? std::string(1, digit) : std::string{',', digit};
        feed << "<row expect=\"" << draw.date.substr(2) << sequenceText(draw.sequence) << "\" opencode=\""
             << code << "\" opentime=\"" << draw.date << " 10:00:00\"/>\n";
    }
    feed << "</xml>\n";
}

void BM_StatsToolEndToEnd(benchmark::State& state) {
    const auto feed = std::filesystem::temp_directory_path() / "quintara-bench-feed.xml";
    writeFeed(feed, static_cast<int>(state.range(0)));
    const std::string command = std::string(QUINTARA_STATS_PROGRAM) + " '" + feed.string() + "' >/dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) state.SkipWithError("quintara-stats failed");
    }
    std::filesystem::remove(feed);
}
BENCHMARK(BM_StatsToolEndToEnd)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) { return quintara::bench::runWithQApplication(argc, argv); }
