// The figures of a draw's digits that the trend chart's sections show: the
// sum, the span, the form, the big:small, odd:even and prime:composite
// ratios, the 012 route, and 龙虎. `digits` are the digits of the view's
// positions in order, each 0 to 9 (draw_digits.h says how a character that
// is no digit reads); the sum and the span are draw_digits.h's.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace quintara {

// The forms of three digits, and of two, as their columns stand.
inline constexpr std::array<std::string_view, 3> kThreeDigitForms{"组六", "组三", "豹子"};
inline constexpr std::array<std::string_view, 2> kTwoDigitForms{"对子", "非对子"};
// The column of the digits' form: of three, 组六 (three different digits),
// 组三 (exactly two equal) or 豹子 (all equal); of two, 对子 (equal) or 非对子.
[[nodiscard]] int formColumn(std::span<const int> digits);

// 5 to 9 are big, 0 to 4 small; 1, 2, 3, 5 and 7 prime, so that 0, 4, 6, 8
// and 9 count as composite.
[[nodiscard]] constexpr bool isBig(int digit) { return digit >= 5; }
[[nodiscard]] constexpr bool isOdd(int digit) { return digit % 2 == 1; }
[[nodiscard]] constexpr bool isPrime(int digit) {
    return digit == 1 || digit == 2 || digit == 3 || digit == 5 || digit == 7;
}
// How many of the digits are counted.
[[nodiscard]] int countedDigits(std::span<const int> digits, bool (*counted)(int));
// A ratio as its section writes it: "counted:not counted", as in "2:1".
[[nodiscard]] std::string ratioText(int counted, int notCounted);

// Each digit's remainder by 3, in order, as in "120".
[[nodiscard]] std::string routeText(std::span<const int> digits);
// How often each route came in route texts: their 0s, 1s and 2s counted,
// as in "15:20:15".
[[nodiscard]] std::string routeTally(std::span<const std::string_view> routes);

// 龙 when 万位 is greater than 个位, 虎 when smaller, 和 when equal.
inline constexpr std::array<std::string_view, 3> kDragonTiger{"龙", "虎", "和"};
[[nodiscard]] int dragonTigerColumn(int wan, int ge);

}  // namespace quintara
