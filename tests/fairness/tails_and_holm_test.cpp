// The p-values from the distributions' tails, small ones included, and
// Holm's adjustment over a handful of them.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "fairness/backtest.h"
#include "fairness/distribution_tails.h"
#include "fairness/holm.h"

namespace quintara {
namespace {

TEST(DistributionTails, GiveTheUpperTailsAndKeepTheSmallOnes) {
    EXPECT_NEAR(chiSquaredUpperTail(3.841458820694124, 1), 0.05, 1e-15);
    EXPECT_NEAR(chiSquaredUpperTail(18, 9), 0.0351735394669848, 1e-15);
    // One minus a cumulative probability would give 0 here.
    EXPECT_NEAR(chiSquaredUpperTail(200, 1) / 2.08848758376254e-45, 1, 1e-12);
    EXPECT_DOUBLE_EQ(chiSquaredUpperTail(0, 9), 1);
    EXPECT_NEAR(normalTwoSided(1.959963984540054), 0.05, 1e-15);
    EXPECT_DOUBLE_EQ(normalTwoSided(-1.5), normalTwoSided(1.5));
    EXPECT_NEAR(normalTwoSided(30) / 9.81342785429637e-198, 1, 1e-12);
}

TEST(DistributionTails, TheBinomialPCountsEveryOutcomeNoMoreLikelyThanTheOneSeen) {
    // 2 of 10 at one half: 0, 1, 2 and 8, 9, 10, (1 + 10 + 45) · 2/1024.
    EXPECT_DOUBLE_EQ(binomialTwoSided(2, 10, 0.5), 112.0 / 1024);
    EXPECT_DOUBLE_EQ(binomialTwoSided(8, 10, 0.5), 112.0 / 1024);
    EXPECT_DOUBLE_EQ(binomialTwoSided(5, 10, 0.5), 1);
    // None of 20 at 0.1: 0.9²⁰, and from 4 on, the first as unlikely above.
    EXPECT_NEAR(binomialTwoSided(0, 20, 0.1), 0.254529978024904, 1e-14);
    EXPECT_NEAR(binomialTwoSided(6, 10, 0.3), 0.0755965123, 1e-10);
    EXPECT_NEAR(binomialTwoSided(45, 100, 0.3), 0.00149074560662918, 1e-15);
    EXPECT_DOUBLE_EQ(binomialTwoSided(3, 10, 0.3), 1);
    // A hundred thousand bets: both tails, the far one found by its bounds.
    EXPECT_NEAR(binomialTwoSided(30300, 100000, 0.3), 0.0387573515272675, 1e-12);
    EXPECT_LE(binomialTwoSided(50, 100000, 0.3), 1e-300);
}

TEST(WilsonInterval, OfThreeHitsInTen) {
    const Interval interval = wilsonInterval(3, 10);
    EXPECT_NEAR(interval.low, 0.107791266556394, 1e-12);
    EXPECT_NEAR(interval.high, 0.603221854654029, 1e-12);
    EXPECT_NEAR(wilsonInterval(0, 10).low, 0, 1e-15);
}

TEST(HolmAdjustment, MultipliesTheSortedPValuesByWhatRemainsAndKeepsTheirOrder) {
    const std::vector<std::optional<double>> p{0.01, 0.04, std::nullopt, 0.03, 0.005};
    const std::vector<std::optional<double>> adjusted = holmAdjusted(p);
    // Sorted 0.005, 0.01, 0.03, 0.04 of m = 4: · 4, · 3, · 2, · 1, never
    // below the one before.
    ASSERT_EQ(adjusted.size(), 5U);
    EXPECT_DOUBLE_EQ(*adjusted[4], 0.02);
    EXPECT_DOUBLE_EQ(*adjusted[0], 0.03);
    EXPECT_DOUBLE_EQ(*adjusted[3], 0.06);
    EXPECT_DOUBLE_EQ(*adjusted[1], 0.06);
    EXPECT_FALSE(adjusted[2]);

    EXPECT_EQ(holmAdjusted(std::vector<std::optional<double>>{0.5, 0.6, 0.7}),
              (std::vector<std::optional<double>>{1.0, 1.0, 1.0}));
    // Ties keep one value; a single test is its own.
    EXPECT_EQ(holmAdjusted(std::vector<std::optional<double>>{0.01, 0.01}),
              (std::vector<std::optional<double>>{0.02, 0.02}));
    EXPECT_EQ(holmAdjusted(std::vector<std::optional<double>>{0.2}), (std::vector<std::optional<double>>{0.2}));
    EXPECT_TRUE(holmAdjusted({}).empty());
}

}  // namespace
}  // namespace quintara
