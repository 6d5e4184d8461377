#include <gtest/gtest.h>

#include "stats/statistics.h"
#include "statistics_harness.h"

namespace quintara::testing {
namespace {

constexpr StatisticsList kAllFive = StatisticsList::AllFivePairOmission;
constexpr StatisticsList kFrontThree = StatisticsList::FrontThreePairOmission;
constexpr StatisticsList kMiddleThree = StatisticsList::MiddleThreePairOmission;
constexpr StatisticsList kBackThree = StatisticsList::BackThreePairOmission;

// The rows of a list in which the pairs `once` were held by draw 2, the
// pairs `newest` by draw 1 and all others by no draw of `drawsRead`.
std::string omissionRows(const std::string& once, const std::string& newest, const std::string& drawsRead) {
    return join(pairsBut(once + " " + newest, drawsRead + "期"), rows(once, "1期"), rows(newest, "0期"));
}

TEST(PairOmissionLists, LookForBothDigitsWithinTheGroupOfEachList) {
    StatsData stats;
    stats.run(computePairOmissionLists, {"12345", "67890", "11111"});
    EXPECT_EQ(stats.rows(kAllFive), omissionRows("06 07 08 09 67 68 69 78 79 89",
                                                 "12 13 14 15 23 24 25 34 35 45", "3"));
    EXPECT_EQ(stats.rows(kFrontThree), omissionRows("67 68 78", "12 13 23", "3"));
    EXPECT_EQ(stats.rows(kMiddleThree), omissionRows("78 79 89", "23 24 34", "3"));
    EXPECT_EQ(stats.rows(kBackThree), omissionRows("08 09 89", "34 35 45", "3"));
}

TEST(PairOmissionLists, APairNeedsTwoDifferentDigitsInsideTheGroup) {
    StatsData stats;
    stats.run(computePairOmissionLists, {"11111"});
    EXPECT_EQ(stats.rows(kAllFive), pairsBut("", "1期"));
    stats.run(computePairOmissionLists, {"12121"});
    EXPECT_EQ(stats.rows(kAllFive), omissionRows("", "12", "1"));
    stats.run(computePairOmissionLists, {"12000"});
    EXPECT_EQ(stats.rows(kAllFive), omissionRows("", "01 02 12", "1"));
    EXPECT_EQ(stats.rows(kFrontThree), omissionRows("", "01 02 12", "1"));
    EXPECT_EQ(stats.rows(kMiddleThree), omissionRows("", "02", "1"));
    EXPECT_EQ(stats.rows(kBackThree), pairsBut("", "1期"));
}

TEST(PairOmissionLists, ReadNoFurtherThanTheNewest10000Draws) {
    StatsData stats;
    stats.run(computePairOmissionLists, repeated("00000", 10001, {"12345"}));
    EXPECT_EQ(stats.rows(kAllFive), pairsBut("", "10000期"));
}

TEST(PairOmissionLists, KeepTheirRowsOnAnEmptyHistoryAndRepeatOnAnUnchangedOne) {
    StatsData stats;
    stats.run(computePairOmissionLists, {"12121"});
    stats.refresh(computePairOmissionLists);
    EXPECT_EQ(stats.rows(kAllFive), omissionRows("", "12", "1"));
    stats.run(computePairOmissionLists, {});
    EXPECT_EQ(stats.rows(kAllFive), omissionRows("", "12", "1"));
}

}  // namespace
}  // namespace quintara::testing
