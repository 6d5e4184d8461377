// The digit-pair omission lists: for each pair and position group, the draws
// since a draw last held both digits within the group, the longest-absent
// pair first.
#include <array>

#include "controls/main_window_names.h"
#include "draws/draw_history.h"
#include "stats/digit_pairs.h"
#include "stats/omission.h"
#include "stats/ranked_fill.h"
#include "stats/statistics.h"

namespace quintara {
namespace {

struct PairOmissionList {
    std::string_view name;
    PositionGroup group;
};

constexpr std::array kPairOmissionLists{
    PairOmissionList{names::kAllFivePairOmissionList, kAllFive},
    PairOmissionList{names::kFrontThreePairOmissionList, kFrontThree},
    PairOmissionList{names::kMiddleThreePairOmissionList, kMiddleThree},
    PairOmissionList{names::kBackThreePairOmissionList, kBackThree},
};

}  // namespace

void RefreshPairOmissionLists(const Window& window) {
    // An empty history leaves the four lists as they were.
    const DrawHistory history(window.grid(names::kDrawGrid));
    if (history.isEmpty()) return;
    const auto draws = history.drawTexts();
    // A pair that no draw read holds gets the number of draws read.
    const int drawsRead = static_cast<int>(draws.size());

    for (const PairOmissionList& list : kPairOmissionLists) {
        const auto omission = omissions<kDigitPairCount>(
            draws, [&list](std::string_view text) { return pairsWithin(digitsAt(text, list.group)); },
            drawsRead);
        std::array<RankedEntry, kDigitPairCount> entries;
        for (std::size_t index = 0; index < kDigitPairCount; ++index) {
            entries[index] = {kDigitPairs[index].text, omission[index]};
        }
        rankedFill(window.listView(list.name), entries, "期");
    }
}

}  // namespace quintara
