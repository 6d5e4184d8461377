// The 45 digit pairs: two different digits, the smaller first, in the fixed
// order of their list text, which is also the order in which equal counts
// are shown.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "stats/draw_digits.h"

namespace quintara {

inline constexpr std::string_view kDigitPairList =
    "01,02,03,04,05,06,07,08,09,12,13,14,15,16,17,18,19,23,24,25,26,27,28,29,34,35,36,37,38,39,"
    "45,46,47,48,49,56,57,58,59,67,68,69,78,79,89";

inline constexpr std::size_t kDigitPairCount = 45;
static_assert(kDigitPairList.size() == kDigitPairCount * 3 - 1, "two digits and a comma per pair");

struct DigitPair {
    std::string_view text;  // "07"
    int smaller;
    int larger;
};

// The pair list text split at its commas: pair i starts at character 3i.
constexpr std::array<DigitPair, kDigitPairCount> splitDigitPairList() {
    std::array<DigitPair, kDigitPairCount> pairs{};
    for (std::size_t index = 0; index < kDigitPairCount; ++index) {
        const std::string_view text = kDigitPairList.substr(index * 3, 2);
        pairs[index] = {text, digitValue(text[0]), digitValue(text[1])};
    }
    return pairs;
}

inline constexpr std::array<DigitPair, kDigitPairCount> kDigitPairs = splitDigitPairList();

// A set of digit pairs: bit i stands for kDigitPairs[i].
using PairSet = std::uint64_t;

// For every set of digits, the pairs both of whose digits it holds.
inline constexpr auto kPairsWithin = [] {
    std::array<PairSet, 1U << kDigitCount> table{};
    for (std::size_t digits = 0; digits < table.size(); ++digits) {
        for (std::size_t index = 0; index < kDigitPairCount; ++index) {
            const DigitPair& pair = kDigitPairs[index];
            if ((digits >> pair.smaller & 1U) != 0 && (digits >> pair.larger & 1U) != 0) {
                table[digits] |= PairSet{1} << index;
            }
        }
    }
    return table;
}();

constexpr PairSet pairsWithin(DigitSet digits) { return kPairsWithin[digits]; }

}  // namespace quintara
