// The digit omission lists: per position, and over the back three positions.
#include <array>

#include "stats/fair_chances.h"
#include "stats/list_items.h"
#include "stats/statistics.h"
#include "stats/value_omission_list.h"

namespace quintara {
namespace {

struct OmissionList {
    StatisticsList list;
    PositionGroup group;  // a digit at any one of its positions counts
};

constexpr std::array kOmissionLists{
    OmissionList{StatisticsList::Position1Omission, {1, 1}},
    OmissionList{StatisticsList::Position2Omission, {2, 2}},
    OmissionList{StatisticsList::Position3Omission, {3, 3}},
    OmissionList{StatisticsList::Position4Omission, {4, 4}},
    OmissionList{StatisticsList::Position5Omission, {5, 5}},
    OmissionList{StatisticsList::BackThreeOmission, kBackThree},
};

// Item 10 l + d: digit d in list l; one walk over the draws serves all six.
constexpr std::size_t kOmissionItemCount = kOmissionLists.size() * kDigitCount;

}  // namespace

void computeOmissionLists(const StatisticsInput& input, Statistics& into) {
    // An empty history clears the six lists.
    const auto draws = input.draws;
    const auto histories = itemHistories<kOmissionItemCount>(draws, [](std::string_view text) {
        return itemsOfEachList<kDigitCount>(text, kOmissionLists, [](DigitSet digits) { return digits; });
    });
    for (std::size_t list = 0; list < kOmissionLists.size(); ++list) {
        ValueChances chances;
        chances.fill(fair_chance::digitAnywhere(kOmissionLists[list].group.size()));
        into[kOmissionLists[list].list] =
            valueOmissionRows(std::span(histories).subspan(list * kDigitCount).first<kDigitCount>(),
                              static_cast<int>(draws.size()), chances);
    }
}

}  // namespace quintara
