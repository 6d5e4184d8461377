// A draw's five digits as the fairness tests read them, 万位 first, and the
// names of the positions and of their pairs.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "draws/draw.h"

namespace quintara {

inline constexpr int kPositions = 5;
inline constexpr int kDigits = 10;
using FiveDigits = std::array<std::uint8_t, kPositions>;

// The digits of a draw text of exactly five digits; none for any other text.
[[nodiscard]] std::optional<FiveDigits> fiveDigits(std::string_view text);

// The draws' digits, oldest first, of those draws (newest first) whose text
// is five digits.
[[nodiscard]] std::vector<FiveDigits> digitsOldestFirst(std::span<const DrawView> newestFirst);

// "万位" … "个位", for position 0 (万) to 4 (个).
[[nodiscard]] std::string_view positionName(int position);
// A pair of positions by their first characters: "万千", "百十".
[[nodiscard]] std::string pairName(int first, int second);

}  // namespace quintara
