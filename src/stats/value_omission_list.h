// The omission lists of the values 0 to 9 (a digit at some positions, the
// sum tail or the span of the back three digits): one row per value that
// some draw read shows, the longest-absent value first.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "controls/controls.h"
#include "stats/draw_digits.h"
#include "stats/omission.h"

namespace quintara {

// The omission of a value that no draw read shows.
inline constexpr int kNeverShown = -1;

// Clears the list and writes, with the ranked fill, one row per value shown:
// the value and its omission followed by " 期". Without draws the list stays
// empty.
void writeValueOmissions(ListView& list, const std::array<int, kDigitCount>& omission);

// `valuesOf(drawText)` gives the values one draw shows, as a DigitSet; the
// draws come newest first.
template <typename ValuesOf>
void fillValueOmissionList(ListView& list, std::span<const std::string_view> draws,
                           ValuesOf valuesOf) {
    writeValueOmissions(list, omissions<kDigitCount>(draws, valuesOf, kNeverShown));
}

}  // namespace quintara
