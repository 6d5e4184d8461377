#include <gtest/gtest.h>

#include "stats/statistics.h"
#include "statistics_harness.h"

namespace quintara::testing {
namespace {

constexpr StatisticsList kList = StatisticsList::PairFrequency;
constexpr CountWindowBox kComboBox = CountWindowBox::Pair;

TEST(PairFrequencyList, CountsADrawOnceForEachPairOfDifferentDigitsItHolds) {
    StatsData stats;
    stats.run(computePairFrequencyList, {"11111"});
    EXPECT_EQ(stats.rows(kList), pairsBut("", "0次"));
    stats.run(computePairFrequencyList, {"12121"});
    EXPECT_EQ(stats.rows(kList), join(rows("12", "1次"), pairsBut("12", "0次")));
    const std::string odd = "13 15 17 19 35 37 39 57 59 79";
    stats.run(computePairFrequencyList, {"13579"});
    EXPECT_EQ(stats.rows(kList), join(rows(odd, "1次"), pairsBut(odd, "0次")));
}

TEST(PairFrequencyList, EqualCountsKeepThePairListOrder) {
    StatsData stats;
    const std::string held = "12 13 14 15 23 24 25 34 35 45";
    stats.run(computePairFrequencyList, repeated("12345", 10, repeated("67890", 3)));
    EXPECT_EQ(stats.rows(kList), join(rows(held, "10次"), pairsBut(held, "0次")));
}

TEST(PairFrequencyList, CountsNoMoreDrawsThanTheWindowAndTheHistoryHold) {
    StatsData stats;
    stats.select(kComboBox, 3);  // 统计50期 over 40 draws
    stats.run(computePairFrequencyList, repeated("11222", 40));
    EXPECT_EQ(stats.rows(kList), join(rows("12", "40次"), pairsBut("12", "0次")));
    stats.select(kComboBox, 4);
    stats.run(computePairFrequencyList, repeated("11222", 10001));
    EXPECT_EQ(stats.rows(kList), join(rows("12", "10000次"), pairsBut("12", "0次")));
    stats.select(kComboBox, -1);
    stats.refresh(computePairFrequencyList);
    EXPECT_EQ(stats.rows(kList), pairsBut("", "0次"));
}

TEST(PairFrequencyList, AnEmptyHistoryLeavesTheListAsItWas) {
    StatsData stats;
    stats.run(computePairFrequencyList, {"12121"});
    stats.run(computePairFrequencyList, {});
    EXPECT_EQ(stats.rows(kList), join(rows("12", "1次"), pairsBut("12", "0次")));
}

}  // namespace
}  // namespace quintara::testing
