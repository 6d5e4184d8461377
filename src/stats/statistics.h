// The six statistics steps: each reads the draw history of the window and
// rewrites only its own list views.
#pragma once

#include <array>
#include <string_view>

#include "controls/main_window_names.h"
#include "controls/window.h"

namespace quintara {

// The 18 lists the steps write, in the order the steps write them.
inline constexpr std::array<std::string_view, 18> kStatisticsLists{
    names::kPositionOmissionLists[0], names::kPositionOmissionLists[1],
    names::kPositionOmissionLists[2], names::kPositionOmissionLists[3],
    names::kPositionOmissionLists[4], names::kBackThreeOmissionList,
    names::kBackThreeFrequencyList,   names::kMiddleThreeFrequencyList,
    names::kFrontThreeFrequencyList,  names::kAllFiveFrequencyList,
    names::kPairFrequencyList,        names::kSumTailOmissionList,
    names::kSpanOmissionList,         names::kAllFivePairOmissionList,
    names::kFrontThreePairOmissionList, names::kMiddleThreePairOmissionList,
    names::kBackThreePairOmissionList, names::kPatternOmissionList};

// The combo boxes that choose the count windows of the frequency lists: 后三,
// 中三, 前三, 五星, then the digit-pair frequency list's.
inline constexpr std::array<std::string_view, 5> kCountWindowBoxes{
    names::kBackThreeCountWindowBox, names::kMiddleThreeCountWindowBox,
    names::kFrontThreeCountWindowBox, names::kAllFiveCountWindowBox,
    names::kPairFrequencyCountWindowBox};

// The six steps below, always all of them, in their fixed order.
void RefreshStatistics(const Window& window);

// Digit omission per position and over the back three positions.
void RefreshOmissionLists(const Window& window);
// Digit frequency over the chosen count window, per position group; ends
// with the digit-pair frequency list.
void RefreshFrequencyLists(const Window& window);
void RefreshPairFrequencyList(const Window& window);
// Omission of the back three digits' sum tail and span.
void RefreshSumTailOmission(const Window& window);
void RefreshSpanOmission(const Window& window);
// Omission of the 45 digit pairs per position group.
void RefreshPairOmissionLists(const Window& window);
// Omission of the 27 big/small/odd/even patterns, in table order.
void RefreshPatternOmissionList(const Window& window);

}  // namespace quintara
