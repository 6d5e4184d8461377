#include "shell/statistics_refresh.h"

#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/draw_history.h"
#include "shell/main_window_names.h"
#include "shell/list_writer.h"

namespace quintara {
namespace {

using Step = void (*)(const StatisticsInput&, Statistics&);

constexpr std::initializer_list<Step> kAllSteps{
    computeOmissionLists,  computeFrequencyLists,    computePairFrequencyList, computeSumTailOmission,
    computeSpanOmission,   computePairOmissionLists, computePatternOmissionList};

// Reads the grid and the boxes and runs the steps in order.
Statistics computeWith(const Window& window, std::initializer_list<Step> steps) {
    const std::vector<std::string_view> draws = DrawHistory(window.grid(names::kDrawGrid)).drawTexts();
    const StatisticsInput input{.draws = draws, .selections = countWindowSelections(window)};
    Statistics statistics;
    for (const Step step : steps) step(input, statistics);
    return statistics;
}

// Computes and writes: what each refresh below does.
Statistics refreshWith(const Window& window, std::initializer_list<Step> steps) {
    Statistics statistics = computeWith(window, steps);
    writeLists(window, statistics);
    return statistics;
}

}  // namespace

CountWindowSelections countWindowSelections(const Window& window) {
    CountWindowSelections selections;
    for (const CountWindowBox box : kCountWindowBoxes) selections[box] = window.comboBox(nameOf(box)).selectedIndex();
    return selections;
}

Statistics RefreshStatistics(const Window& window) { return refreshWith(window, kAllSteps); }

void writeLists(const Window& window, const Statistics& statistics) {
    writeStatistics(statistics, [&window](StatisticsList list) -> ListView& {
        return window.listView(nameOf(list));
    });
}

void RefreshOmissionLists(const Window& window) { refreshWith(window, {computeOmissionLists}); }

void RefreshFrequencyLists(const Window& window) {
    refreshWith(window, {computeFrequencyLists, computePairFrequencyList});
}

Statistics RefreshCountedList(const Window& window, CountWindowBox box) {
    const StatisticsList list = countedList(box);
    // The step computes the lists of the other boxes too: they are not written.
    Statistics computed = computeWith(
        window, {box == CountWindowBox::Pair ? computePairFrequencyList : computeFrequencyLists});
    Statistics counted;
    counted[list] = std::move(computed[list]);
    writeLists(window, counted);
    return counted;
}

void RefreshPairFrequencyList(const Window& window) { refreshWith(window, {computePairFrequencyList}); }

void RefreshSumTailOmission(const Window& window) { refreshWith(window, {computeSumTailOmission}); }

void RefreshSpanOmission(const Window& window) { refreshWith(window, {computeSpanOmission}); }

void RefreshPairOmissionLists(const Window& window) { refreshWith(window, {computePairOmissionLists}); }

void RefreshPatternOmissionList(const Window& window) {
    refreshWith(window, {computePatternOmissionList});
}

}  // namespace quintara
