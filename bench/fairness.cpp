// The fairness tests and the backtests over 100,000 real draws: each is
// computed again whenever the fairness window's history or range changes,
// and by quintara-stats --fairness and --backtest. Target: 50 ms each.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "draws/draw.h"
#include "fairness/backtest.h"
#include "fairness/fairness_report.h"
#include "real_history.h"

namespace {

using namespace quintara;

constexpr int kDraws = 100000;

// The real draws over and over, newest first, with issues of 120 a day.
class RealDraws {
public:
    RealDraws() {
        for (int newer = 0; newer < kDraws; ++newer) {
            const bench::BenchDraw draw = bench::benchDraw(newer);
            draws_.push_back({draw.date + "-" + bench::sequenceText(draw.sequence), std::string(draw.text)});
        }
        for (const Draw& draw : draws_) views_.push_back({draw.issue, draw.text});
    }
    [[nodiscard]] const std::vector<DrawView>& views() const { return views_; }

private:
    std::vector<Draw> draws_;
    std::vector<DrawView> views_;
};

const RealDraws& realDraws() {
    static const RealDraws draws;
    return draws;
}

void BM_FairnessTests(benchmark::State& state) {
    for (auto _ : state) {
        const FairnessReport report = fairnessReport(realDraws().views());
        benchmark::DoNotOptimize(report.smallestAdjusted);
    }
    state.SetItemsProcessed(state.iterations() * kDraws);
}
BENCHMARK(BM_FairnessTests)->Unit(benchmark::kMillisecond);

void BM_Backtest(benchmark::State& state, BacktestRequest request) {
    for (auto _ : state) {
        const BacktestResult result = backtest(realDraws().views(), kDraws, request);
        benchmark::DoNotOptimize(result.p);
    }
    state.SetItemsProcessed(state.iterations() * kDraws);
}
BENCHMARK_CAPTURE(BM_Backtest, cold_k3, {.rule = BacktestRule::Cold, .position = 0, .k = 3})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Backtest, hot_k3_w30, {.rule = BacktestRule::Hot, .position = 0, .k = 3, .window = 30})
    ->Unit(benchmark::kMillisecond);

}  // namespace
