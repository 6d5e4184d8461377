// The digits of a draw text as the statistics look at them: characters 1 to 5
// are the positions 万, 千, 百, 十 and 个; a position group is a run of them.
#pragma once

#include <cstdint>
#include <string_view>

#include "text/numbers.h"

namespace quintara {

// A set of the digits 0 to 9: bit d stands for digit d.
using DigitSet = std::uint16_t;

inline constexpr int kDigitCount = 10;

// Positions from `first` to `last`, counted from 1.
struct PositionGroup {
    int first;
    int last;
};

inline constexpr PositionGroup kFrontThree{1, 3};   // 前三
inline constexpr PositionGroup kMiddleThree{2, 4};  // 中三
inline constexpr PositionGroup kBackThree{3, 5};    // 后三
inline constexpr PositionGroup kAllFive{1, 5};      // 五星

// The one-character text of digit d, as the lists show it.
constexpr std::string_view digitLabel(int digit) {
    return std::string_view("0123456789").substr(static_cast<std::size_t>(digit), 1);
}

// Calls `visit(position, digit)` for the digit at each of the group's
// positions, in order. A position beyond the end of the text, and a character that is not
// a digit, are passed over.
template <typename Visit>
constexpr void forEachDigitAt(std::string_view drawText, PositionGroup group, Visit visit) {
    for (int position = group.first; position <= group.last; ++position) {
        if (static_cast<std::size_t>(position) > drawText.size()) break;
        const int digit = digitValue(drawText[static_cast<std::size_t>(position - 1)]);
        if (digit >= 0) visit(position, digit);
    }
}

// The digits that stand at the group's positions.
constexpr DigitSet digitsAt(std::string_view drawText, PositionGroup group) {
    DigitSet digits = 0;
    forEachDigitAt(drawText, group, [&digits](int, int digit) {
        digits = static_cast<DigitSet>(digits | (1U << digit));
    });
    return digits;
}

}  // namespace quintara
