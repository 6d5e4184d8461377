// The digit frequency lists: how often each digit stands at the positions of
// a group within the count window, the hottest digit first.
#include <array>

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
    FrequencyList{"组合框_选择选几期", "超级列表框_出现次数", kBackThree},
    FrequencyList{"组合框_选择选几期中三", "超级列表框_出现次数中三", kMiddleThree},
    FrequencyList{"组合框_选择选几期前三", "超级列表框_出现次数前三", kFrontThree},
    FrequencyList{"组合框_选择选几期五星", "超级列表框_出现次数五星", kAllFive},
};

// A digit twice in the group of one draw counts twice.
std::array<RankedEntry, kDigitCount> digitFrequencies(std::span<const std::string_view> counted,
                                                      PositionGroup group) {
    std::array<RankedEntry, kDigitCount> entries;
    for (int digit = 0; digit < kDigitCount; ++digit) entries[digit] = {digitLabel(digit), 0};
    for (const std::string_view text : counted) {
        forEachDigitAt(text, group, [&entries](int digit) { ++entries[digit].number; });
    }
    return entries;
}

}  // namespace

void RefreshFrequencyLists(const Window& window) {
    // An empty history leaves the four lists as they were.
    const DrawHistory history(window.grid(kDrawGridName));
    if (!history.isEmpty()) {
        const auto draws = history.drawTexts();
        for (const FrequencyList& list : kFrequencyLists) {
            const auto counted = countWindow(draws, window.comboBox(list.comboBox).selectedIndex());
            auto entries = digitFrequencies(counted, list.group);
            rankedFill(window.listView(list.listView), entries, "次");
        }
    }
    RefreshPairFrequencyList(window);
}

}  // namespace quintara
