// The tests that count digits as they stand: frequency, pairs, repeat.
#include <array>
#include <cstdint>

#include "fairness/chi_squared_test.h"
#include "fairness/range_tests.h"

namespace quintara {
namespace {

template <std::size_t Cells>
constexpr std::array<double, Cells> evenChances() {
    std::array<double, Cells> chances;
    chances.fill(1.0 / Cells);
    return chances;
}

constexpr auto kEachDigit = evenChances<kDigits>();
constexpr auto kEachPair = evenChances<kDigits * kDigits>();
// A digit repeats the one drawn before it, or not.
constexpr std::array<double, 2> kRepeatOrNot{0.1, 0.9};

using DigitCounts = std::array<std::int64_t, kDigits>;

}  // namespace

std::vector<FairnessTest> frequencyTests(std::span<const FiveDigits> draws) {
    std::array<DigitCounts, kPositions> counts{};
    DigitCounts pooled{};
    for (const FiveDigits& draw : draws) {
        for (int position = 0; position < kPositions; ++position) {
            ++counts[static_cast<std::size_t>(position)][draw[static_cast<std::size_t>(position)]];
            ++pooled[draw[static_cast<std::size_t>(position)]];
        }
    }
    std::vector<FairnessTest> tests;
    for (int position = 0; position < kPositions; ++position) {
        tests.push_back(chiSquaredTest(TestKind::Frequency, std::string(positionName(position)),
                                       counts[static_cast<std::size_t>(position)], kEachDigit));
    }
    tests.push_back(chiSquaredTest(TestKind::Frequency, "五星", pooled, kEachDigit));
    return tests;
}

std::vector<FairnessTest> pairTests(std::span<const FiveDigits> draws) {
    std::vector<FairnessTest> tests;
    for (std::size_t first = 0; first < kPositions; ++first) {
        for (std::size_t second = first + 1; second < kPositions; ++second) {
            std::array<std::int64_t, kDigits * kDigits> cells{};
            for (const FiveDigits& draw : draws) ++cells[draw[first] * std::size_t{kDigits} + draw[second]];
            tests.push_back(chiSquaredTest(TestKind::Pairs,
                                           pairName(static_cast<int>(first), static_cast<int>(second)), cells,
                                           kEachPair));
        }
    }
    return tests;
}

std::vector<FairnessTest> repeatTests(std::span<const FiveDigits> draws) {
    std::vector<FairnessTest> tests;
    for (std::size_t position = 0; position < kPositions; ++position) {
        std::int64_t repeats = 0;
        for (std::size_t at = 1; at < draws.size(); ++at) {
            if (draws[at][position] == draws[at - 1][position]) ++repeats;
        }
        const auto pairs = static_cast<std::int64_t>(draws.empty() ? 0 : draws.size() - 1);
        const std::array<std::int64_t, 2> observed{repeats, pairs - repeats};
        tests.push_back(chiSquaredTest(TestKind::Repeat, std::string(positionName(static_cast<int>(position))),
                                       observed, kRepeatOrNot));
    }
    return tests;
}

}  // namespace quintara
