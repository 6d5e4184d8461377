#include "fairness/backtest.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "fairness/distribution_tails.h"
#include "fairness/fairness_test.h"
#include "fairness/five_digits.h"
#include "text/numbers.h"

namespace quintara {
namespace {

// What the rule knows before each draw: the draws seen so far, one at a time.
class RuleState {
public:
    explicit RuleState(const BacktestRequest& request) : request_(request) { lastSeen_.fill(-1); }

    // Whether the rule bets on the draw at `at` (counted from the oldest
    // held), having seen the draws before it.
    [[nodiscard]] bool bets(std::int64_t at) const {
        return at >= (request_.rule == BacktestRule::Cold ? 1 : request_.window);
    }

    // Whether `digit` is among the k the rule bets on before the draw at
    // `at`: fewer than k digits come before it, by favour and then by value.
    [[nodiscard]] bool picks(int digit, std::int64_t at) const {
        const std::int64_t favour = favourOf(digit, at);
        int before = 0;
        for (int other = 0; other < kDigits; ++other) {
            const std::int64_t theirs = favourOf(other, at);
            if (theirs > favour || (theirs == favour && other < digit)) ++before;
        }
        return before < request_.k;
    }

    // The draw at `at` is seen: `digits` holds every draw up to it.
    void see(std::span<const std::uint8_t> digits, std::int64_t at) {
        const std::uint8_t digit = digits[static_cast<std::size_t>(at)];
        lastSeen_[digit] = at;
        ++inWindow_[digit];
        if (at >= request_.window) --inWindow_[digits[static_cast<std::size_t>(at - request_.window)]];
    }

private:
    // cold: the draws since the digit was last seen before `at`; hot: how
    // often it stands in the window.
    [[nodiscard]] std::int64_t favourOf(int digit, std::int64_t at) const {
        const auto index = static_cast<std::size_t>(digit);
        return request_.rule == BacktestRule::Cold ? at - 1 - lastSeen_[index] : inWindow_[index];
    }

    BacktestRequest request_;
    std::array<std::int64_t, kDigits> lastSeen_{};
    std::array<std::int64_t, kDigits> inWindow_{};
};

// The digits at the request's position of the draws, oldest first, appended.
void appendDigits(std::span<const DrawView> newestFirst, int position, std::vector<std::uint8_t>& digits) {
    for (auto draw = newestFirst.rbegin(); draw != newestFirst.rend(); ++draw) {
        if (const auto five = fiveDigits(draw->text)) digits.push_back((*five)[static_cast<std::size_t>(position)]);
    }
}

int longestMissOf(const std::vector<bool>& outcomes) {
    int longest = 0;
    int run = 0;
    for (const bool hit : outcomes) {
        run = hit ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
}

std::string verdictOf(const BacktestResult& result) {
    if (result.bets == 0) return "范围内没有可下注的期数";
    std::string verdict = "命中率" + percentText(*result.rate) + "，公平命中率" + percentText(result.baseline);
    const std::string p = "（p值 " + shortNumber(*result.p) + "）";
    if (*result.p >= kDeviationLevel) {
        return verdict + "，与随机选号无显著差别" + p + "：在这" + std::to_string(result.bets) +
               "注里，这个规则并不比随机选号更准。";
    }
    if (*result.rate > result.baseline) {
        return verdict + "，显著高于随机" + p + "：在这段历史里这个规则胜过随机选号；一次回测也可能是巧合，"
                         "换一段历史再验证。";
    }
    return verdict + "，显著低于随机" + p + "：在这段历史里这个规则不如随机选号。";
}

}  // namespace

BacktestResult backtest(std::span<const DrawView> newestFirst, std::size_t rangeSize, const BacktestRequest& request) {
    const std::size_t inRange = std::min(rangeSize, newestFirst.size());
    std::vector<std::uint8_t> digits;
    digits.reserve(newestFirst.size());
    appendDigits(newestFirst.subspan(inRange), request.position, digits);
    const auto firstInRange = static_cast<std::int64_t>(digits.size());
    appendDigits(newestFirst.first(inRange), request.position, digits);

    BacktestResult result{.baseline = request.k / 10.0};
    RuleState rule(request);
    for (std::int64_t at = 0; at < static_cast<std::int64_t>(digits.size()); ++at) {
        if (at >= firstInRange && rule.bets(at)) {
            result.outcomes.push_back(rule.picks(digits[static_cast<std::size_t>(at)], at));
        }
        rule.see(digits, at);
    }
    result.bets = static_cast<int>(result.outcomes.size());
    result.hits = static_cast<int>(std::ranges::count(result.outcomes, true));
    result.longestMiss = longestMissOf(result.outcomes);
    if (result.bets > 0) {
        result.rate = static_cast<double>(result.hits) / result.bets;
        const Interval interval = wilsonInterval(result.hits, result.bets);
        result.ciLow = interval.low;
        result.ciHigh = interval.high;
        result.p = binomialTwoSided(result.hits, result.bets, result.baseline);
    }
    result.verdict = verdictOf(result);
    return result;
}

Interval wilsonInterval(int hits, int bets) {
    const double n = bets;
    const double rate = hits / n;
    const double z2 = kWilsonZ * kWilsonZ;
    const double scale = 1 + z2 / n;
    const double centre = (rate + z2 / (2 * n)) / scale;
    const double half = kWilsonZ * std::sqrt(rate * (1 - rate) / n + z2 / (4 * n * n)) / scale;
    return {centre - half, centre + half};
}

std::string_view ruleName(BacktestRule rule) { return rule == BacktestRule::Cold ? "cold" : "hot"; }

std::string_view ruleLabel(BacktestRule rule) { return rule == BacktestRule::Cold ? "冷号" : "热号"; }

std::optional<BacktestRule> ruleNamed(std::string_view name) {
    if (name == ruleName(BacktestRule::Cold)) return BacktestRule::Cold;
    if (name == ruleName(BacktestRule::Hot)) return BacktestRule::Hot;
    return std::nullopt;
}

}  // namespace quintara
