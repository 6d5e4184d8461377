// The digit omission lists: per position, and over the back three positions.
#include <array>

#include "controls/main_window_names.h"
#include "draws/draw_history.h"
#include "stats/statistics.h"
#include "stats/value_omission_list.h"

namespace quintara {
namespace {

struct OmissionList {
    std::string_view name;
    PositionGroup positions;  // a digit at any one of them counts
};

constexpr std::array kOmissionLists{
    OmissionList{names::kPositionOmissionLists[0], {1, 1}},
    OmissionList{names::kPositionOmissionLists[1], {2, 2}},
    OmissionList{names::kPositionOmissionLists[2], {3, 3}},
    OmissionList{names::kPositionOmissionLists[3], {4, 4}},
    OmissionList{names::kPositionOmissionLists[4], {5, 5}},
    OmissionList{names::kBackThreeOmissionList, kBackThree},
};

}  // namespace

void RefreshOmissionLists(const Window& window) {
    // An empty history clears the six lists.
    const auto draws = DrawHistory(window.grid(names::kDrawGrid)).drawTexts();
    for (const OmissionList& list : kOmissionLists) {
        fillValueOmissionList(window.listView(list.name), draws, [&list](std::string_view text) {
            return digitsAt(text, list.positions);
        });
    }
}

}  // namespace quintara
