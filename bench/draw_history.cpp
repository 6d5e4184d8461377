// The draw history grid at 100,000 draws: a reload's appends after a clear,
// an insert at row 1, and the readers' newest 10000 draw texts.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "shell/draw_history.h"

namespace {

using quintara::DrawHistory;
using quintara::Grid;

constexpr int kDraws = 100000;

// Draws as a reload hands them over.
std::vector<quintara::Draw> makeDraws() {
    std::vector<quintara::Draw> draws;
    draws.reserve(kDraws);
    for (int k = 0; k < kDraws; ++k) {
        const std::string sequence = std::to_string(1000 + k % 120 + 1).substr(1);
        const std::string digits = std::to_string(100000 + (k * 7919) % 100000).substr(1);
        draws.push_back({"2018" + std::to_string(1000 + k / 120 % 12 + 1).substr(2) + "15-" + sequence, digits});
    }
    return draws;
}

void BM_AppendAfterClear(benchmark::State& state) {
    const auto draws = makeDraws();
    Grid grid(3, 2);
    DrawHistory history(grid);
    for (auto _ : state) {
        history.replaceWith(draws);
        benchmark::DoNotOptimize(grid.rowCount());
    }
    state.SetItemsProcessed(state.iterations() * kDraws);
}
BENCHMARK(BM_AppendAfterClear)->Unit(benchmark::kMillisecond);

void BM_InsertNewestDraw(benchmark::State& state) {
    Grid grid(3, 2);
    DrawHistory history(grid);
    history.replaceWith(makeDraws());
    for (auto _ : state) {
        history.insertNewestDraw("20181201-001", "12345");
        state.PauseTiming();
        grid.deleteRow(1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertNewestDraw)->Unit(benchmark::kMicrosecond);

void BM_ReadNewestTenThousand(benchmark::State& state) {
    Grid grid(3, 2);
    DrawHistory history(grid);
    history.replaceWith(makeDraws());
    for (auto _ : state) {
        auto texts = history.drawTexts();
        benchmark::DoNotOptimize(texts.data());
    }
}
BENCHMARK(BM_ReadNewestTenThousand)->Unit(benchmark::kMicrosecond);

}  // namespace
