// The digit omission lists: per position, and over the back three positions.
#include <array>

#include "controls/main_window_names.h"
#include "draws/draw_history.h"
#include "stats/fair_chances.h"
#include "stats/list_items.h"
#include "stats/statistics.h"
#include "stats/value_omission_list.h"

namespace quintara {
namespace {

struct OmissionList {
    std::string_view name;
    PositionGroup group;  // a digit at any one of its positions counts
};

constexpr std::array kOmissionLists{
    OmissionList{names::kPositionOmissionLists[0], {1, 1}},
    OmissionList{names::kPositionOmissionLists[1], {2, 2}},
    OmissionList{names::kPositionOmissionLists[2], {3, 3}},
    OmissionList{names::kPositionOmissionLists[3], {4, 4}},
    OmissionList{names::kPositionOmissionLists[4], {5, 5}},
    OmissionList{names::kBackThreeOmissionList, kBackThree},
};

// Item 10 l + d: digit d in list l; one walk over the draws serves all six.
constexpr std::size_t kItemCount = kOmissionLists.size() * kDigitCount;

}  // namespace

void RefreshOmissionLists(const Window& window) {
    // An empty history clears the six lists.
    const auto draws = DrawHistory(window.grid(names::kDrawGrid)).drawTexts();
    const auto histories = itemHistories<kItemCount>(draws, [](std::string_view text) {
        return itemsOfEachList<kDigitCount>(text, kOmissionLists, [](DigitSet digits) { return digits; });
    });
    for (std::size_t list = 0; list < kOmissionLists.size(); ++list) {
        ValueChances chances;
        chances.fill(fair_chance::digitAnywhere(kOmissionLists[list].group.size()));
        writeValueOmissions(window.listView(kOmissionLists[list].name),
                            std::span(histories).subspan(list * kDigitCount).first<kDigitCount>(),
                            static_cast<int>(draws.size()), chances);
    }
}

}  // namespace quintara
