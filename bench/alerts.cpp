// Holding 100 alert rules against the 18 lists after a refresh over the
// newest 10000 real draws: rules on every list and item, on one list, and on
// one item, of every condition.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "alerts/alert_watch.h"
#include "shell/draw_history.h"
#include "real_history.h"

namespace {

using namespace quintara;

std::vector<AlertRule> hundredRules() {
    std::vector<AlertRule> rules;
    for (int rule = 0; rule < 100; ++rule) {
        const auto list = static_cast<StatisticsList>(rule % kStatisticsListCount);
        AlertRule made;
        switch (rule % 4) {
            case 0: made = {.when = AlertCondition::Current, .atLeast = 5 + rule}; break;
            case 1: made = {.when = AlertCondition::Record, .list = list}; break;
            case 2: made = {.when = AlertCondition::Chance, .list = list, .atMost = 0.05}; break;
            default: made = {.when = AlertCondition::Current, .list = list, .item = "7", .atLeast = 3}; break;
        }
        rules.push_back(made);
    }
    return rules;
}

void BM_HundredRulesAfterARefresh(benchmark::State& state) {
    Grid grid(3, 2);
    bench::fillHistory(grid, kDrawReadLimit);
    const std::vector<std::string_view> draws = DrawHistory(grid).drawTexts();
    CountWindowSelections selections;
    const Statistics statistics = computeStatistics({.draws = draws, .selections = selections});
    AlertWatch watch(hundredRules());
    const auto now = AlertWatch::Clock::now();
    for (auto _ : state) benchmark::DoNotOptimize(watch.historyChanged(statistics, "20191219-120", now));
}
BENCHMARK(BM_HundredRulesAfterARefresh)->Unit(benchmark::kMicrosecond);

}  // namespace
