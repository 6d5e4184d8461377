// Where the provider's draws take their digits from.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "draw_book.h"

namespace quintara::provider {

// Five uniformly random digits per draw; the same seed gives the same draws.
[[nodiscard]] DigitSource randomDigits(std::uint32_t seed);

// The given draws (five digits each, at least one) in order, from the first
// again after the last.
[[nodiscard]] DigitSource replayDigits(std::vector<std::string> draws);

}  // namespace quintara::provider
