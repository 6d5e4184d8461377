// Holm's adjustment of p-values for testing many things at once: with m
// tests, the smallest p is multiplied by m, the next by m − 1, and so on,
// each at least as large as the one before and at most 1.
#pragma once

#include <optional>
#include <span>
#include <vector>

namespace quintara {

// The adjusted p-values, in the order of `p`; none where a test has none,
// which then does not count among the m.
[[nodiscard]] std::vector<std::optional<double>> holmAdjusted(std::span<const std::optional<double>> p);

}  // namespace quintara
