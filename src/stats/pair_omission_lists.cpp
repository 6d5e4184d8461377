// The digit-pair omission lists: for each pair and position group, the draws
// since a draw last held both digits within the group, the longest-absent
// pair first.
#include <array>

#include "stats/digit_pairs.h"
#include "stats/fair_chances.h"
#include "stats/item_history.h"
#include "stats/list_items.h"
#include "stats/ranked_fill.h"
#include "stats/row_detail.h"

namespace quintara {
namespace {

struct PairOmissionList {
    StatisticsList list;
    PositionGroup group;
};

constexpr std::array kPairOmissionLists{
    PairOmissionList{StatisticsList::AllFivePairOmission, kAllFive},
    PairOmissionList{StatisticsList::FrontThreePairOmission, kFrontThree},
    PairOmissionList{StatisticsList::MiddleThreePairOmission, kMiddleThree},
    PairOmissionList{StatisticsList::BackThreePairOmission, kBackThree},
};

// Item 45 l + i: pair i within the group of list l; one walk over the draws
// serves all four.
constexpr std::size_t kPairOmissionItemCount = kPairOmissionLists.size() * kDigitPairCount;

}  // namespace

void computePairOmissionLists(const StatisticsInput& input, Statistics& into) {
    // An empty history leaves the four lists as they were.
    const auto draws = input.draws;
    if (draws.empty()) return;
    // A pair that no draw read holds gets the number of draws read: its
    // history's current absence.
    const int drawsRead = static_cast<int>(draws.size());

    const auto histories = itemHistories<kPairOmissionItemCount>(draws, [](std::string_view text) {
        return itemsOfEachList<kDigitPairCount>(text, kPairOmissionLists, pairsWithin);
    });
    for (std::size_t list = 0; list < kPairOmissionLists.size(); ++list) {
        const PositionGroup group = kPairOmissionLists[list].group;
        const double chance = fair_chance::pairWithin(group.size());
        std::array<RowDetail, kDigitPairCount> details;
        std::array<RankedEntry, kDigitPairCount> entries;
        for (std::size_t index = 0; index < kDigitPairCount; ++index) {
            const ItemHistory& pair = histories[list * kDigitPairCount + index];
            details[index] = rowDetail(pair, drawsRead, chance);
            entries[index] = {kDigitPairs[index].text, pair.current, &details[index]};
        }
        into[kPairOmissionLists[list].list] = rankedRows(entries, "期");
    }
}

}  // namespace quintara
