// The fairness tests of a range of draws and what they say together: the
// tests with their Holm-adjusted p-values, the verdict, and the smallest
// deviation the range could have revealed at all.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "draws/draw.h"
#include "fairness/fairness_test.h"

namespace quintara {

struct FairnessReport {
    std::int64_t draws = 0;  // the draws tested: those of five digits
    std::string first;       // the range's oldest issue and its newest
    std::string last;
    std::vector<FairnessTest> tests;  // frequency, pairs, form, gap, runs, repeat
    std::optional<double> smallestAdjusted;  // none when no test has a p
    bool deviation = false;  // smallestAdjusted below kDeviationLevel
    // The smallest change of one digit's chance at one position (from 0.1)
    // these draws reveal with 80 % power, corrected for the 50 position-digit
    // cells; none without draws.
    std::optional<double> detectable;
    std::string verdict;  // in plain Chinese
};

// The tests of the draws of a range, newest first.
[[nodiscard]] FairnessReport fairnessReport(std::span<const DrawView> newestFirst);

// What the report's `detectable` means, in plain Chinese.
[[nodiscard]] std::string detectableText(const FairnessReport& report);

}  // namespace quintara
