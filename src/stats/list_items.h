// The items a draw shows for several lists of one step at once, each list
// over its own position group, so that one walk over the draws serves them
// all: list l's items stand from ItemsPerList × l on.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "stats/draw_digits.h"
#include "stats/item_history.h"

namespace quintara {

// `lists` holds rows with a `group`; `itemsOf(digits)` gives the items of
// the digits that stand in a group, bit i for item i.
template <std::size_t ItemsPerList, typename List, std::size_t ListCount, typename ItemsOf>
[[nodiscard]] constexpr ItemSet<ItemsPerList * ListCount> itemsOfEachList(
    std::string_view drawText, const std::array<List, ListCount>& lists, ItemsOf itemsOf) {
    constexpr std::size_t kItems = ItemsPerList * ListCount;
    const PositionDigits digits(drawText);
    ItemSet<kItems> shown{};
    for (std::size_t list = 0; list < ListCount; ++list) {
        addItems<kItems>(shown, list * ItemsPerList, itemsOf(digits.in(lists[list].group)));
    }
    return shown;
}

}  // namespace quintara
