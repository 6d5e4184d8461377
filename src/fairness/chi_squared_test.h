// Pearson's χ² test of counts against the chances a fair game gives them,
// the one form the count-based fairness tests share.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "fairness/fairness_test.h"

namespace quintara {

// The smallest expected count a χ² test takes for its p-value.
inline constexpr double kLeastExpectedCount = 5;

// The test of `observed` (a count per cell) against their total times
// `chances` (one per cell, summing to 1): Σ (O − E)² / E with one degree of
// freedom less than the cells. No statistic without a count, and no p-value
// where an expected count is below kLeastExpectedCount.
[[nodiscard]] FairnessTest chiSquaredTest(TestKind kind, std::string scope, std::span<const std::int64_t> observed,
                                          std::span<const double> chances);

}  // namespace quintara
