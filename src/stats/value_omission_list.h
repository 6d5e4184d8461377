// The omission lists of the values 0 to 9 (a digit at some positions, the
// sum tail or the span of the back three digits): one row per value that
// some draw read shows, the longest-absent value first, each with its detail.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "controls/controls.h"
#include "stats/draw_digits.h"
#include "stats/item_history.h"

namespace quintara {

// The chance that one draw of a fair game shows each value.
using ValueChances = std::array<double, kDigitCount>;

// Clears the list and writes, with the ranked fill, one row per value shown:
// the value and its omission followed by " 期". Without draws the list stays
// empty.
void writeValueOmissions(ListView& list, std::span<const ItemHistory, kDigitCount> histories,
                         int drawsRead, const ValueChances& chances);

}  // namespace quintara
