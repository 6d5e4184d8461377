// The ranked fill: how the ranked statistics lists are written, the greatest
// number first.
#pragma once

#include <span>
#include <string_view>

#include "controls/controls.h"

namespace quintara {

struct RankedEntry {
    std::string_view label;  // column 0: a digit, a value or a digit pair
    int number;              // an omission or a frequency
    RowDetail* detail = nullptr;  // moved into the row's item when there is one
};

// Deletes all items of the list, then writes one row per entry: the
// remaining entry with the greatest number each time, the earliest one among
// equal numbers (a later entry wins only when its number is greater by more
// than 1e-7). Column 1 is the number followed by `suffix`; an entry's detail
// goes with its row. The entries are left in row order.
void rankedFill(ListView& list, std::span<RankedEntry> entries, std::string_view suffix);

}  // namespace quintara
