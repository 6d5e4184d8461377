// The detail written with each row: hand-worked histories of the kinds of
// lists, newest draw first.
#include <gtest/gtest.h>

#include <cmath>

#include "stats/statistics.h"
#include "statistics_harness.h"

namespace quintara::testing {
namespace {

const Draws kThreeDraws{"12345", "56789", "11111"};

TEST(RowDetails, ADigitAtOnePositionShownTwiceAndOnce) {
    StatsData stats;
    stats.run(computeOmissionLists, kThreeDraws);
    // 万: 1 in draws 1 and 3, 5 in draw 2.
    const RowDetail one = stats.detail(StatisticsList::Position1Omission, "1");
    EXPECT_EQ(one.draws, 3);
    EXPECT_EQ(one.appearances, 2);
    EXPECT_EQ(one.current, 0);
    EXPECT_EQ(one.previous, 1);
    EXPECT_EQ(one.longest, 1);
    EXPECT_DOUBLE_EQ(one.average, 1.0 / 3);
    EXPECT_EQ(one.streak, 1);
    EXPECT_NEAR(one.expected, 0.3, 1e-12);
    EXPECT_EQ(one.window, std::nullopt);
    // The tip names the row, then gives one figure a line.
    EXPECT_EQ(stats.toolTip(StatisticsList::Position1Omission, "1"),
              "万位 1\n当前遗漏 0 期\n遗漏概率 100.00%\n上次遗漏 1 期\n最大遗漏 1 期\n平均遗漏 0.33 期\n最大连出 1 期\n"
              "共 3 期\n出现 2 次\n理论出现 0.30 次");
    const RowDetail five = stats.detail(StatisticsList::Position1Omission, "5");
    EXPECT_EQ(five.previous, 1);  // n - k1: the draws older than its only one
    EXPECT_EQ(five.longest, 1);
    EXPECT_DOUBLE_EQ(five.average, 1.0);

    // The back three: a digit anywhere in three positions, 1 - 0.9^3 a draw.
    const RowDetail backOne = stats.detail(StatisticsList::BackThreeOmission, "1");
    EXPECT_EQ(backOne.current, 2);
    EXPECT_EQ(backOne.previous, 0);
    EXPECT_NEAR(backOne.expected, 3 * 0.271, 1e-12);
    // Absent from two draws in a row: (1 - 0.271)^2.
    EXPECT_NEAR(backOne.chance, 0.729 * 0.729, 1e-12);
    EXPECT_DOUBLE_EQ(one.chance, 1.0);  // shown by the newest draw
}

TEST(RowDetails, AStreakOfDrawsShowingADigit) {
    StatsData stats;
    stats.run(computeOmissionLists, {"11111", "11111", "22222", "11111"});
    const RowDetail one = stats.detail(StatisticsList::Position1Omission, "1");
    EXPECT_EQ(one.appearances, 3);
    EXPECT_EQ(one.streak, 2);
    EXPECT_EQ(one.previous, 0);
    EXPECT_EQ(one.longest, 1);
}

TEST(RowDetails, APairNeverShownHasNoPreviousAbsenceAndItsPartIsLeftOut) {
    StatsData stats;
    stats.run(computePairOmissionLists, kThreeDraws);
    const RowDetail never = stats.detail(StatisticsList::AllFivePairOmission, "01");
    EXPECT_EQ(never.appearances, 0);
    EXPECT_EQ(never.current, 3);
    EXPECT_EQ(never.previous, std::nullopt);
    EXPECT_EQ(never.longest, 3);
    EXPECT_DOUBLE_EQ(never.average, 3.0);
    EXPECT_EQ(never.streak, 0);
    EXPECT_TRUE(stats.toolTip(StatisticsList::AllFivePairOmission, "01")
                    .starts_with("胆码 01\n当前遗漏 3 期\n遗漏概率 62.13%\n最大遗漏 3 期\n"));

    // Both digits within five positions: 1 - 2 (0.9^5) + 0.8^5 a draw.
    const RowDetail twelve = stats.detail(StatisticsList::AllFivePairOmission, "12");
    EXPECT_EQ(twelve.appearances, 1);
    EXPECT_EQ(twelve.previous, 2);
    EXPECT_NEAR(twelve.expected, 3 * (1 - 2 * std::pow(0.9, 5) + std::pow(0.8, 5)), 1e-12);
    // Within the front three only 123, 678 and 111 count.
    EXPECT_EQ(stats.detail(StatisticsList::FrontThreePairOmission, "67").current, 1);
    EXPECT_NEAR(stats.detail(StatisticsList::FrontThreePairOmission, "67").expected,
                3 * (1 - 2 * std::pow(0.9, 3) + std::pow(0.8, 3)), 1e-12);
}

TEST(RowDetails, SumTailSpanAndPatternChancesOfAFairGame) {
    StatsData stats;
    const Draws draws{"12345", "67890", "11111"};  // back three: 345, 890, 111
    stats.run(computeSpanOmission, draws);         // spans 2, 9 and 0
    EXPECT_NEAR(stats.detail(StatisticsList::SpanOmission, "0").expected, 3 * 0.01, 1e-12);
    EXPECT_NEAR(stats.detail(StatisticsList::SpanOmission, "2").expected, 3 * 6.0 * 2 * 8 / 1000, 1e-12);
    EXPECT_NEAR(stats.detail(StatisticsList::SpanOmission, "9").expected, 3 * 6.0 * 9 * 1 / 1000, 1e-12);
    stats.run(computeSumTailOmission, draws);  // sum tails 2, 7 and 3
    EXPECT_NEAR(stats.detail(StatisticsList::SumTailOmission, "7").expected, 0.3, 1e-12);
    stats.run(computePatternOmissionList, draws);
    const RowDetail allOdd = stats.detail(StatisticsList::PatternOmission, "单单单单单");
    EXPECT_EQ(allOdd.current, 2);
    EXPECT_EQ(allOdd.appearances, 1);
    EXPECT_NEAR(allOdd.expected, 3.0 / 32, 1e-12);
    EXPECT_NEAR(allOdd.chance, (31.0 / 32) * (31.0 / 32), 1e-12);
    // The span 9 of the draw before the newest: absent once, at 1 - 0.054.
    EXPECT_NEAR(stats.detail(StatisticsList::SpanOmission, "9").chance, 1 - 0.054, 1e-12);
}

TEST(RowDetails, AFrequencyRowLeadsWithItsWindowAndCountsPositions) {
    StatsData stats;
    stats.select(CountWindowBox::BackThree, 0);  // 统计10期, over a history of 4 draws
    stats.run(frequencyStep, {"00111", "12345", "56789", "11111"});
    // 后三: digit 1 stands at positions 3 to 5 of draw 1 three times, and of
    // draw 4 three times.
    const RowDetail one = stats.detail(StatisticsList::BackThreeFrequency, "1");
    EXPECT_EQ(one.window, 4);
    EXPECT_NEAR(*one.windowExpected, 4 * 0.3, 1e-12);
    EXPECT_EQ(one.appearances, 6);
    EXPECT_NEAR(one.expected, 4 * 0.3, 1e-12);
    EXPECT_EQ(one.current, 0);
    EXPECT_EQ(one.previous, 2);
    EXPECT_DOUBLE_EQ(one.average, 2.0 / 3);  // of the draws: two of four show it
    // The window holds every draw read: its count is said once, as the count
    // of all draws.
    EXPECT_EQ(stats.toolTip(StatisticsList::BackThreeFrequency, "1"),
              "后三 1\n当前遗漏 0 期\n遗漏概率 100.00%\n上次遗漏 2 期\n最大遗漏 2 期\n平均遗漏 0.67 期\n最大连出 1 期\n"
              "共 4 期\n出现 6 次\n理论出现 1.20 次");

    // The digit-pair frequency list: a draw counts once for a pair.
    const RowDetail pair = stats.detail(StatisticsList::PairFrequency, "12");
    EXPECT_EQ(pair.appearances, 1);
    EXPECT_EQ(pair.current, 1);
    EXPECT_NEAR(pair.chance, 2 * std::pow(0.9, 5) - std::pow(0.8, 5), 1e-12);
    EXPECT_EQ(pair.window, 4);
    // A frequency row's absence counts draws: a draw shows 8 at one of the
    // back three positions with 1 - 0.9^3, however often it counts there.
    const RowDetail eight = stats.detail(StatisticsList::BackThreeFrequency, "8");
    EXPECT_EQ(eight.current, 2);
    EXPECT_NEAR(eight.chance, 0.729 * 0.729, 1e-12);
    EXPECT_TRUE(stats.toolTip(StatisticsList::PairFrequency, "12").starts_with("双胆 12\n当前遗漏 1 期\n"));
}

TEST(RowDetails, AFrequencyRowLeadsWithTheCountOfAWindowSmallerThanTheDrawsRead) {
    StatsData stats;
    stats.select(CountWindowBox::MiddleThree, 0);  // 统计10期, over a history of 12 draws
    stats.select(CountWindowBox::Pair, 0);
    stats.run(frequencyStep, repeated("12345", 10, {"99999", "99999"}));
    EXPECT_TRUE(stats.toolTip(StatisticsList::MiddleThreeFrequency, "3")
                    .starts_with("中三 3\n近10期出现 10 次\n近10期理论出现 3.00 次\n当前遗漏 0 期\n"));
    EXPECT_TRUE(stats.toolTip(StatisticsList::MiddleThreeFrequency, "9")
                    .ends_with("\n共 12 期\n出现 6 次\n理论出现 3.60 次"));
    EXPECT_TRUE(stats.toolTip(StatisticsList::PairFrequency, "12").starts_with("双胆 12\n近10期出现 10 次\n"));
}

TEST(RowDetails, LookAtTheNewest10000DrawsOnly) {
    StatsData stats;
    stats.run(computeOmissionLists, repeated("00000", 10000, {"12345"}));
    const RowDetail zero = stats.detail(StatisticsList::Position1Omission, "0");
    EXPECT_EQ(zero.draws, 10000);
    EXPECT_EQ(zero.appearances, 10000);
    EXPECT_EQ(zero.streak, 10000);
    EXPECT_EQ(zero.longest, 0);
    EXPECT_DOUBLE_EQ(zero.expected, 1000.0);
    EXPECT_TRUE(stats.toolTip(StatisticsList::Position1Omission, "0")
                    .ends_with("\n共 10000 期\n出现 10000 次\n理论出现 1000.00 次"));
}

}  // namespace
}  // namespace quintara::testing
