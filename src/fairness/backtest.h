// The backtest (回测): a rule bets on k digits at one position before each
// draw of a range, from the draws held before it (those before the range
// too), and the hits are held against the fair rate k/10.
//   cold: the k digits absent longest (a digit never seen is absent since the
//         first draw held); the first draw held is not bet on.
//   hot:  the k digits seen most often in the `window` draws before; a draw
//         with fewer draws before it is not bet on.
// Ties go to the smaller digit.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "draws/draw.h"

namespace quintara {

enum class BacktestRule { Cold, Hot };

inline constexpr int kDefaultHotWindow = 30;
inline constexpr int kMostHotWindow = 100000;

struct BacktestRequest {
    BacktestRule rule = BacktestRule::Cold;
    int position = 0;  // 0 (万位) to 4 (个位)
    int k = 3;         // the digits bet on, 1 to 9
    int window = kDefaultHotWindow;  // hot only, 1 to kMostHotWindow
};

struct BacktestResult {
    int bets = 0;
    int hits = 0;
    double baseline = 0;  // k/10
    // None without a bet: the hit rate, its Wilson 95 % interval, and the
    // exact two-sided binomial p of the hits against the baseline.
    std::optional<double> rate;
    std::optional<double> ciLow;
    std::optional<double> ciHigh;
    std::optional<double> p;
    int longestMiss = 0;        // the longest run of bets that missed
    std::vector<bool> outcomes;  // each bet's hit, oldest first
    std::string verdict;         // in plain Chinese
};

// The bets on the newest `rangeSize` draws of `newestFirst`; the draws
// after them are the older ones held before the range.
[[nodiscard]] BacktestResult backtest(std::span<const DrawView> newestFirst, std::size_t rangeSize,
                                      const BacktestRequest& request);

// "cold", "hot": the rules' names in the tools; 冷号, 热号 in the window.
[[nodiscard]] std::string_view ruleName(BacktestRule rule);
[[nodiscard]] std::string_view ruleLabel(BacktestRule rule);
[[nodiscard]] std::optional<BacktestRule> ruleNamed(std::string_view name);

// The z of a two-sided 95 % interval, and the Wilson interval of `hits` in
// `bets` (at least one) with it.
inline constexpr double kWilsonZ = 1.959964;
struct Interval {
    double low;
    double high;
};
[[nodiscard]] Interval wilsonInterval(int hits, int bets);

}  // namespace quintara
