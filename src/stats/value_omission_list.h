// The omission lists of the values 0 to 9 (a digit at some positions, the
// sum tail or the span of the back three digits): one row per value that
// some draw read shows, the longest-absent value first, each with its detail.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "stats/draw_digits.h"
#include "stats/item_history.h"
#include "stats/statistics.h"

namespace quintara {

// The chance that one draw of a fair game shows each value.
using ValueChances = std::array<double, kDigitCount>;

// One row per value shown, in the ranked fill's order: the value and its
// omission followed by " 期". Without draws there are none.
[[nodiscard]] ListRows valueOmissionRows(std::span<const ItemHistory, kDigitCount> histories,
                                         int drawsRead, const ValueChances& chances);

}  // namespace quintara
