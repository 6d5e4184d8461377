// The digit omission lists: per position, and over the back three positions.
#include <array>

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
    OmissionList{"超级列表框_万遗漏", {1, 1}}, OmissionList{"超级列表框_千遗漏", {2, 2}},
    OmissionList{"超级列表框_百遗漏", {3, 3}}, OmissionList{"超级列表框_十遗漏", {4, 4}},
    OmissionList{"超级列表框_个遗漏", {5, 5}}, OmissionList{"超级列表框_全遗漏", kBackThree},
};

}  // namespace

void RefreshOmissionLists(const Window& window) {
    // An empty history clears the six lists.
    const auto draws = DrawHistory(window.grid(kDrawGridName)).drawTexts();
    for (const OmissionList& list : kOmissionLists) {
        fillValueOmissionList(window.listView(list.name), draws, [&list](std::string_view text) {
            return digitsAt(text, list.positions);
        });
    }
}

}  // namespace quintara
