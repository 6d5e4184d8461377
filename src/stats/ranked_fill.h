// The ranked fill: how the rows of the ranked statistics lists are ordered,
// the greatest number first, and how a row's count is written.
#pragma once

#include <span>
#include <string_view>

#include "stats/statistics.h"

namespace quintara {

struct RankedEntry {
    std::string_view label;  // column 0: a digit, a value or a digit pair
    int number;              // an omission or a frequency
    RowDetail* detail;       // moved into the entry's row
};

// One row: column 0 = `label`, column 1 = `count` in decimal directly
// followed by `suffix` ("17 期", "12次", "3期"), and the detail.
[[nodiscard]] StatisticsRow countRow(std::string_view label, int count, std::string_view suffix,
                                     RowDetail&& detail);

// One row per entry: the remaining entry with the greatest number each time,
// the earliest one among equal numbers (a later entry wins only when its
// number is greater by more than 1e-7). Column 1 is the number followed by
// `suffix`; an entry's detail goes with its row. The entries are left in row
// order.
[[nodiscard]] ListRows rankedRows(std::span<RankedEntry> entries, std::string_view suffix);

}  // namespace quintara
