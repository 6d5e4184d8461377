// The sum-tail and span omission lists: one value from 0 to 9 per draw,
// derived from its back three digits.
#include <algorithm>
#include <array>

#include "stats/fair_chances.h"
#include "stats/value_omission_list.h"

namespace quintara {
namespace {

using BackThreeDigits = std::array<int, 3>;

// Characters 3 to 5 of the draw text; one that is missing or not a digit
// counts as 0.
constexpr BackThreeDigits backThreeDigits(std::string_view drawText) {
    BackThreeDigits digits{};
    const std::size_t first = static_cast<std::size_t>(kBackThree.first) - 1;
    for (std::size_t index = 0; index < digits.size() && first + index < drawText.size(); ++index) {
        digits[index] = std::max(digitValue(drawText[first + index]), 0);
    }
    return digits;
}

constexpr int sumTail(const BackThreeDigits& digits) { return (digits[0] + digits[1] + digits[2]) % 10; }

constexpr int span(const BackThreeDigits& digits) {
    return std::max({digits[0], digits[1], digits[2]}) - std::min({digits[0], digits[1], digits[2]});
}

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
