// The fairness tests (公平性检验) and the backtest (回测) as data: whether a
// range of draws looks like a fair game, and whether betting on cold or hot
// digits would have won more often than chance. This header holds one test's
// result as the table shows it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quintara {

enum class TestKind { Frequency, Pairs, Form, Gap, Runs, Repeat };

struct FairnessTest {
    TestKind kind = TestKind::Frequency;
    std::string scope;  // "万位", "五星", "万千", "前三", "和值"
    // None where the range gives no number at all (no gaps, no runs).
    std::optional<double> statistic;
    std::optional<int> degrees;  // none for the runs test's z
    // None where the smallest expected count is below 5 (for the runs
    // test: fewer than 10 highs or lows): "期数不足".
    std::optional<double> p;
    std::optional<double> pAdjusted;  // Holm's, over the tests that have a p
};

// Below this adjusted p a test shows a deviation from a fair game.
inline constexpr double kDeviationLevel = 0.01;

// The test's name in the tools' output: "frequency", "pairs", "form",
// "gap", "runs", "repeat".
[[nodiscard]] std::string_view testName(TestKind kind);
// How the window names it: 频率, 二码, 形态, 间隔, 游程, 重号.
[[nodiscard]] std::string_view testLabel(TestKind kind);
// What the test asks of its scope, in words.
[[nodiscard]] std::string testQuestion(const FairnessTest& test);

// A p-value in three significant digits ("0.0123", "4.2e-07"), and a
// statistic with two decimals ("12.30"), as the verdicts and the tables
// write them.
[[nodiscard]] std::string shortNumber(double value);
[[nodiscard]] std::string statisticText(double value);

}  // namespace quintara
