// The sum-tail and span omission lists: one value from 0 to 9 per draw,
// derived from its back three digits.
#include <algorithm>
#include <array>

#include "stats/fair_chances.h"
#include "stats/value_omission_list.h"

namespace quintara {
namespace {

using BackThreeDigits = std::array<int, 3>;

// Characters 3 to 5 of the draw text, read as numbers.
constexpr BackThreeDigits backThreeDigits(std::string_view drawText) {
    return digitNumbers<3>(drawText, kBackThree);
}

constexpr int sumTail(const BackThreeDigits& digits) { return digitSum(digits) % 10; }

constexpr int span(const BackThreeDigits& digits) { return digitSpan(digits); }

template <int (*valueOf)(const BackThreeDigits&)>
ListRows backThreeOmissionRows(std::span<const std::string_view> draws, const ValueChances& chances) {
    // An empty history clears the list.
    const auto histories = itemHistories<kDigitCount>(draws, [](std::string_view text) {
        return ItemSet<kDigitCount>{std::uint64_t{1} << valueOf(backThreeDigits(text))};
    });
    return valueOmissionRows(histories, static_cast<int>(draws.size()), chances);
}

// Every sum tail is as likely as any other.
constexpr ValueChances kSumTailChances = [] {
    ValueChances chances{};
    chances.fill(fair_chance::kOneOfTen);
    return chances;
}();

constexpr ValueChances kSpanChances = [] {
    ValueChances chances{};
    for (int value = 0; value < kDigitCount; ++value) {
        chances[static_cast<std::size_t>(value)] = fair_chance::span(value);
    }
    return chances;
}();

}  // namespace

void computeSumTailOmission(const StatisticsInput& input, Statistics& into) {
    into[StatisticsList::SumTailOmission] = backThreeOmissionRows<sumTail>(input.draws, kSumTailChances);
}

void computeSpanOmission(const StatisticsInput& input, Statistics& into) {
    into[StatisticsList::SpanOmission] = backThreeOmissionRows<span>(input.draws, kSpanChances);
}

}  // namespace quintara
