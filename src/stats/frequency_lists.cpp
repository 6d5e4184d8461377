// The digit frequency lists: how often each digit stands at the positions of
// a group within the count window, the hottest digit first.
#include <algorithm>
#include <array>
#include <optional>

#include "controls/main_window_names.h"
#include "draws/draw_history.h"
#include "stats/count_window.h"
#include "stats/draw_digits.h"
#include "stats/ranked_fill.h"
#include "stats/statistics.h"

namespace quintara {
namespace {

struct FrequencyList {
    std::string_view comboBox;  // chooses the count window
    std::string_view listView;
    PositionGroup group;
};

constexpr std::array kFrequencyLists{
    FrequencyList{names::kBackThreeCountWindowBox, names::kBackThreeFrequencyList, kBackThree},
    FrequencyList{names::kMiddleThreeCountWindowBox, names::kMiddleThreeFrequencyList,
                  kMiddleThree},
    FrequencyList{names::kFrontThreeCountWindowBox, names::kFrontThreeFrequencyList, kFrontThree},
    FrequencyList{names::kAllFiveCountWindowBox, names::kAllFiveFrequencyList, kAllFive},
};

// counts[p - 1][d]: how often digit d stands at position p, from 1 to 5.
using PositionCounts = std::array<std::array<int, kDigitCount>, kAllFive.last>;

PositionCounts positionCounts(std::span<const std::string_view> counted) {
    PositionCounts counts{};
    for (const std::string_view text : counted) {
        forEachDigitAt(text, kAllFive, [&counts](int position, int digit) { ++counts[position - 1][digit]; });
    }
    return counts;
}

// A digit twice in the group of one draw counts twice.
std::array<RankedEntry, kDigitCount> groupFrequencies(const PositionCounts& counts, PositionGroup group) {
    std::array<RankedEntry, kDigitCount> entries;
    for (int digit = 0; digit < kDigitCount; ++digit) {
        entries[digit] = {digitLabel(digit), 0};
        for (int position = group.first; position <= group.last; ++position) {
            entries[digit].number += counts[position - 1][digit];
        }
    }
    return entries;
}

}  // namespace

void RefreshFrequencyLists(const Window& window) {
    // An empty history leaves the four lists as they were.
    const DrawHistory history(window.grid(names::kDrawGrid));
    if (!history.isEmpty()) {
        std::array<int, kFrequencyLists.size()> selected;
        std::transform(kFrequencyLists.begin(), kFrequencyLists.end(), selected.begin(),
                       [&window](const FrequencyList& list) {
                           return window.comboBox(list.comboBox).selectedIndex();
                       });
        // Only as many draws as the largest window holds are read.
        int largest = 0;
        for (const int index : selected) largest = std::max(largest, countWindowSize(index));
        const auto draws = history.drawTexts(largest);

        // Lists with windows of one size count the same draws.
        std::optional<std::size_t> countedSize;
        PositionCounts counts{};
        for (std::size_t at = 0; at < kFrequencyLists.size(); ++at) {
            const auto counted = countWindow(draws, selected[at]);
            if (counted.size() != countedSize) counts = positionCounts(counted);
            countedSize = counted.size();
            auto entries = groupFrequencies(counts, kFrequencyLists[at].group);
            rankedFill(window.listView(kFrequencyLists[at].listView), entries, "次");
        }
    }
    RefreshPairFrequencyList(window);
}

}  // namespace quintara
