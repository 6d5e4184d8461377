// The size-parity patterns: every digit is small (小, 0-4) or big (大, 5-9)
// and even (双) or odd (单); a pattern prescribes one of these classes for
// each of the five positions. The table holds 27 patterns in a fixed order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quintara {

inline constexpr std::size_t kPatternCount = 27;

// A set of patterns: bit i stands for row i of the table (from 0).
using PatternSet = std::uint32_t;

// The text of row i as the list shows it: the five class characters, for
// example "双双双双双".
[[nodiscard]] std::string_view patternText(std::size_t row);

// The patterns that a draw fits: for each position 1 to 5, its character has
// the class the pattern prescribes there. A character that is not a digit, or
// a missing one, has no class and fits no pattern.
[[nodiscard]] PatternSet patternsFittedBy(std::string_view drawText);

}  // namespace quintara
