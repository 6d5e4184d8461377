#include <gtest/gtest.h>

#include "stats/statistics.h"
#include "stats_window.h"

namespace quintara::testing {
namespace {

constexpr const char* kList = "超级列表框_出现次数五星双胆";
constexpr const char* kComboBox = "组合框_选择选几期五星双胆";

TEST(PairFrequencyList, CountsADrawOnceForEachPairOfDifferentDigitsItHolds) {
    const StatsWindow stats;
    stats.run(RefreshPairFrequencyList, {"11111"});
    EXPECT_EQ(stats.rows(kList), pairsBut("", "0次"));
    stats.run(RefreshPairFrequencyList, {"12121"});
    EXPECT_EQ(stats.rows(kList), join(rows("12", "1次"), pairsBut("12", "0次")));
    const std::string odd = "13 15 17 19 35 37 39 57 59 79";
    stats.run(RefreshPairFrequencyList, {"13579"});
    EXPECT_EQ(stats.rows(kList), join(rows(odd, "1次"), pairsBut(odd, "0次")));
}

TEST(PairFrequencyList, EqualCountsKeepThePairListOrder) {
    const StatsWindow stats;
    const std::string held = "12 13 14 15 23 24 25 34 35 45";
    stats.run(RefreshPairFrequencyList, repeated("12345", 10, repeated("67890", 3)));
    EXPECT_EQ(stats.rows(kList), join(rows(held, "10次"), pairsBut(held, "0次")));
}

TEST(PairFrequencyList, CountsNoMoreDrawsThanTheWindowAndTheHistoryHold) {
    const StatsWindow stats;
    stats.select(kComboBox, 3);  // 统计50期 over 40 draws
    stats.run(RefreshPairFrequencyList, repeated("11222", 40));
    EXPECT_EQ(stats.rows(kList), join(rows("12", "40次"), pairsBut("12", "0次")));
    stats.select(kComboBox, 4);
    stats.run(RefreshPairFrequencyList, repeated("11222", 10001));
    EXPECT_EQ(stats.rows(kList), join(rows("12", "10000次"), pairsBut("12", "0次")));
    stats.select(kComboBox, -1);
    RefreshPairFrequencyList(stats.window());
    EXPECT_EQ(stats.rows(kList), pairsBut("", "0次"));
}

TEST(PairFrequencyList, AnEmptyHistoryLeavesTheListAsItWas) {
    const StatsWindow stats;
    stats.run(RefreshPairFrequencyList, {"12121"});
    stats.run(RefreshPairFrequencyList, {});
    EXPECT_EQ(stats.rows(kList), join(rows("12", "1次"), pairsBut("12", "0次")));
}

}  // namespace
}  // namespace quintara::testing
