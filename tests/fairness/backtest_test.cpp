// The backtest bets walk forward: each bet knows the draws before it, those
// before the range too, and never the draw it bets on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fairness/backtest.h"
#include "made_draws.h"

namespace quintara {
namespace {

// 万位 runs 0 to 9 over and over; the other positions stay at 5.
std::vector<std::string> cycling(int count) {
    std::vector<std::string> texts;
    for (int draw = 0; draw < count; ++draw) texts.push_back(std::to_string(draw % 10) + "5555");
    return texts;
}

BacktestResult backtestAll(const std::vector<std::string>& texts, const BacktestRequest& request) {
    const testing::History history(texts);
    return backtest(history.views(), texts.size(), request);
}

TEST(BacktestWalkForward, ColdBetsOnTheDigitAbsentLongestBeforeTheDraw) {
    // Before each draw the digit coming is the one absent longest (or, in the
    // first ten, the smallest never seen): every bet hits. A bet that saw
    // its own draw would find that digit absent for 0 draws and miss.
    const BacktestResult result = backtestAll(cycling(100), {.rule = BacktestRule::Cold, .position = 0, .k = 1});
    EXPECT_EQ(result.bets, 99);  // the first draw held is not bet on
    EXPECT_EQ(result.hits, 99);
    EXPECT_EQ(result.longestMiss, 0);
    EXPECT_DOUBLE_EQ(result.baseline, 0.1);
    // At 十位 the 5 is never absent: the bets go to 0, the smallest of the
    // digits never seen, and all miss.
    const BacktestResult shi = backtestAll(cycling(100), {.rule = BacktestRule::Cold, .position = 3, .k = 1});
    EXPECT_EQ(shi.hits, 0);
    EXPECT_EQ(shi.longestMiss, 99);
}

TEST(BacktestWalkForward, HotBetsOnTheDigitsOfTheWindowBeforeTheDraw) {
    // The five draws before each hold five digits once each, never the one
    // coming: no bet hits. With its own draw in the window the bet would
    // take the smaller digits among six and hit now and then.
    const BacktestResult result =
        backtestAll(cycling(100), {.rule = BacktestRule::Hot, .position = 0, .k = 5, .window = 5});
    EXPECT_EQ(result.bets, 95);  // the first five have no window before them
    EXPECT_EQ(result.hits, 0);
    // Ties go to the smaller digit: with 0 and 1 once each in a window of 2,
    // k = 1 bets on 0.
    const BacktestResult ties =
        backtestAll({"05555", "15555", "05555"}, {.rule = BacktestRule::Hot, .position = 0, .k = 1, .window = 2});
    EXPECT_EQ(ties.bets, 1);
    EXPECT_EQ(ties.hits, 1);
}

TEST(BacktestWalkForward, TheDrawsBeforeTheRangeCountButAreNotBetOn) {
    const testing::History history(cycling(100));
    // The newest 30 draws: the cold bets know the 70 before them.
    const BacktestResult cold = backtest(history.views(), 30, {.rule = BacktestRule::Cold, .position = 0, .k = 1});
    EXPECT_EQ(cold.bets, 30);
    EXPECT_EQ(cold.hits, 30);
    const BacktestResult hot =
        backtest(history.views(), 3, {.rule = BacktestRule::Hot, .position = 0, .k = 2, .window = 30});
    EXPECT_EQ(hot.bets, 3);
    EXPECT_EQ(backtest(history.views(), 0, {}).bets, 0);
    EXPECT_EQ(backtest(history.views(), 500, {}).bets, 99);  // a range longer than the history
}

TEST(BacktestFigures, TheRateItsIntervalThePAndTheVerdict) {
    // 万位 always 5: cold k = 1 never bets on it. 20 misses against 0.1.
    const BacktestResult misses =
        backtestAll(std::vector<std::string>(21, "55555"), {.rule = BacktestRule::Cold, .position = 0, .k = 1});
    EXPECT_EQ(misses.bets, 20);
    EXPECT_EQ(misses.hits, 0);
    EXPECT_EQ(misses.longestMiss, 20);
    EXPECT_DOUBLE_EQ(*misses.rate, 0);
    EXPECT_NEAR(*misses.p, 0.254529978024904, 1e-14);
    // Wilson's interval of none in 20: from 0 to (z²/20)/(1 + z²/20).
    const double z2 = kWilsonZ * kWilsonZ;
    EXPECT_NEAR(*misses.ciLow, 0, 1e-15);
    EXPECT_NEAR(*misses.ciHigh, z2 / 20 / (1 + z2 / 20), 1e-15);
    EXPECT_EQ(misses.verdict, "命中率0.00%，公平命中率10.00%，与随机选号无显著差别（p值 0.255）：在这20注里，"
                              "这个规则并不比随机选号更准。");
    ASSERT_EQ(misses.outcomes.size(), 20U);

    const BacktestResult more =
        backtestAll(std::vector<std::string>(101, "55555"), {.rule = BacktestRule::Cold, .position = 0, .k = 1});
    EXPECT_TRUE(more.verdict.find("显著低于随机") != std::string::npos) << more.verdict;
    const BacktestResult hits = backtestAll(cycling(101), {.rule = BacktestRule::Cold, .position = 0, .k = 1});
    EXPECT_TRUE(hits.verdict.find("显著高于随机") != std::string::npos) << hits.verdict;

    const BacktestResult none = backtestAll({"12345"}, {});
    EXPECT_EQ(none.bets, 0);
    EXPECT_FALSE(none.rate);
    EXPECT_FALSE(none.p);
    EXPECT_EQ(none.verdict, "范围内没有可下注的期数");
}

TEST(BacktestRules, AreNamedForTheToolsAndTheWindow) {
    EXPECT_EQ(ruleNamed("cold"), BacktestRule::Cold);
    EXPECT_EQ(ruleNamed("hot"), BacktestRule::Hot);
    EXPECT_FALSE(ruleNamed("warm"));
    EXPECT_EQ(ruleLabel(BacktestRule::Hot), "热号");
}

}  // namespace
}  // namespace quintara
