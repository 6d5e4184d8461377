// The digits of a draw text as the statistics and the trend chart look at
// them: characters 1 to 5 are the positions 万, 千, 百, 十 and 个; a position
// group is a run of them.
//
// One rule for a character that is no digit (no source gives one, but the
// lists take the history as it stands): where a list compares the character
// with a digit's text (omissions, frequencies) it matches no digit, and the
// chart draws no ball; where a list reads it as a number (the sum tail, the
// span) it reads 0, and so do the chart's figures (和值, 跨度, the ratios).
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <span>
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

    [[nodiscard]] constexpr int size() const { return last - first + 1; }
};

inline constexpr PositionGroup kFrontThree{1, 3};   // 前三
inline constexpr PositionGroup kMiddleThree{2, 4};  // 中三
inline constexpr PositionGroup kBackThree{3, 5};    // 后三
inline constexpr PositionGroup kAllFive{1, 5};      // 五星

// The one-character text of digit d, as the lists show it.
constexpr std::string_view digitLabel(int digit) {
    return std::string_view("0123456789").substr(static_cast<std::size_t>(digit), 1);
}

// A character of a draw text read as a number: its digit, else 0.
[[nodiscard]] constexpr int digitNumber(char c) { return std::max(digitValue(c), 0); }

// The group's characters read as numbers; one beyond the end of the text
// reads 0 too.
template <std::size_t Size>
[[nodiscard]] constexpr std::array<int, Size> digitNumbers(std::string_view drawText, PositionGroup group) {
    std::array<int, Size> numbers{};
    for (std::size_t at = 0; at < Size; ++at) {
        const std::size_t character = static_cast<std::size_t>(group.first - 1) + at;
        numbers[at] = character < drawText.size() ? digitNumber(drawText[character]) : 0;
    }
    return numbers;
}

[[nodiscard]] constexpr int digitSum(std::span<const int> digits) {
    return std::accumulate(digits.begin(), digits.end(), 0);
}

// The largest digit less the smallest.
[[nodiscard]] constexpr int digitSpan(std::span<const int> digits) {
    if (digits.empty()) return 0;
    const auto [smallest, largest] = std::minmax_element(digits.begin(), digits.end());
    return *largest - *smallest;
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

// The digit at each position 1 to 5 of a draw, as a set of one digit (none
// where the character is missing or no digit): read once per draw, then as
// many groups taken from it as a step needs.
class PositionDigits {
public:
    constexpr explicit PositionDigits(std::string_view drawText) {
        for (std::size_t at = 0; at < digits_.size() && at < drawText.size(); ++at) {
            const int digit = digitValue(drawText[at]);
            digits_[at] = digit < 0 ? DigitSet{0} : static_cast<DigitSet>(1U << digit);
        }
    }

    // The digits that stand at the group's positions.
    [[nodiscard]] constexpr DigitSet in(PositionGroup group) const {
        DigitSet digits = 0;
        for (int position = group.first; position <= group.last; ++position) {
            digits = static_cast<DigitSet>(digits | digits_[static_cast<std::size_t>(position - 1)]);
        }
        return digits;
    }

private:
    std::array<DigitSet, kAllFive.last> digits_{};
};

// The digits that stand at the group's positions.
constexpr DigitSet digitsAt(std::string_view drawText, PositionGroup group) {
    return PositionDigits(drawText).in(group);
}

}  // namespace quintara
