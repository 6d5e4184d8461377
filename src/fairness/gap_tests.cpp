// The gap test: between two appearances of a digit at a position, a fair
// game leaves k other draws with chance 0.1 · 0.9^k.
#include <algorithm>
#include <array>
#include <cstdint>

#include "fairness/chi_squared_test.h"
#include "fairness/range_tests.h"

namespace quintara {
namespace {

// Gaps of 0 to 19 draws each have a cell; the last cell holds those of 20
// and more.
constexpr std::size_t kLongGap = 20;

constexpr std::array<double, kLongGap + 1> gapChances() {
    std::array<double, kLongGap + 1> chances{};
    double longer = 1;  // 0.9^k: no appearance in the k draws after one
    for (std::size_t gap = 0; gap < kLongGap; ++gap) {
        chances[gap] = 0.1 * longer;
        longer *= 0.9;
    }
    chances[kLongGap] = longer;
    return chances;
}

constexpr auto kGapChances = gapChances();

}  // namespace

std::vector<FairnessTest> gapTests(std::span<const FiveDigits> draws) {
    std::vector<FairnessTest> tests;
    for (std::size_t position = 0; position < kPositions; ++position) {
        std::array<std::int64_t, kGapChances.size()> gaps{};
        std::array<std::size_t, kDigits> lastSeen{};
        std::array<bool, kDigits> seen{};
        for (std::size_t at = 0; at < draws.size(); ++at) {
            const std::uint8_t digit = draws[at][position];
            if (seen[digit]) ++gaps[std::min(at - lastSeen[digit] - 1, kLongGap)];
            seen[digit] = true;
            lastSeen[digit] = at;
        }
        tests.push_back(chiSquaredTest(TestKind::Gap, std::string(positionName(static_cast<int>(position))), gaps,
                                       kGapChances));
    }
    return tests;
}

}  // namespace quintara
