#include <gtest/gtest.h>

#include "stats/statistics.h"
#include "statistics_harness.h"

namespace quintara::testing {
namespace {

constexpr StatisticsList kAllFivePairs = StatisticsList::AllFivePairOmission;
constexpr StatisticsList kFrontThreePairs = StatisticsList::FrontThreePairOmission;
constexpr StatisticsList kMiddleThreePairs = StatisticsList::MiddleThreePairOmission;
constexpr StatisticsList kBackThreePairs = StatisticsList::BackThreePairOmission;

// The rows of a list in which the pairs `once` were held by draw 2, the
// pairs `newest` by draw 1 and all others by no draw of `drawsRead`.
std::string omissionRows(const std::string& once, const std::string& newest, const std::string& drawsRead) {
    return join(pairsBut(once + " " + newest, drawsRead + "期"), rows(once, "1期"), rows(newest, "0期"));
}

TEST(PairOmissionLists, LookForBothDigitsWithinTheGroupOfEachList) {
    StatsData stats;
    stats.run(computePairOmissionLists, {"12345", "67890", "11111"});
    EXPECT_EQ(stats.rows(kAllFivePairs), omissionRows("06 07 08 09 67 68 69 78 79 89",
                                                 "12 13 14 15 23 24 25 34 35 45", "3"));
    EXPECT_EQ(stats.rows(kFrontThreePairs), omissionRows("67 68 78", "12 13 23", "3"));
    EXPECT_EQ(stats.rows(kMiddleThreePairs), omissionRows("78 79 89", "23 24 34", "3"));
    EXPECT_EQ(stats.rows(kBackThreePairs), omissionRows("08 09 89", "34 35 45", "3"));
}

TEST(PairOmissionLists, APairNeedsTwoDifferentDigitsInsideTheGroup) {
    StatsData stats;
    stats.run(computePairOmissionLists, {"11111"});
    EXPECT_EQ(stats.rows(kAllFivePairs), pairsBut("", "1期"));
    stats.run(computePairOmissionLists, {"12121"});
    EXPECT_EQ(stats.rows(kAllFivePairs), omissionRows("", "12", "1"));
    stats.run(computePairOmissionLists, {"12000"});
    EXPECT_EQ(stats.rows(kAllFivePairs), omissionRows("", "01 02 12", "1"));
    EXPECT_EQ(stats.rows(kFrontThreePairs), omissionRows("", "01 02 12", "1"));
    EXPECT_EQ(stats.rows(kMiddleThreePairs), omissionRows("", "02", "1"));
    EXPECT_EQ(stats.rows(kBackThreePairs), pairsBut("", "1期"));
}

TEST(PairOmissionLists, ReadNoFurtherThanTheNewest10000Draws) {
    StatsData stats;
    stats.run(computePairOmissionLists, repeated("00000", 10001, {"12345"}));
    EXPECT_EQ(stats.rows(kAllFivePairs), pairsBut("", "10000期"));
}

TEST(PairOmissionLists, KeepTheirRowsOnAnEmptyHistoryAndRepeatOnAnUnchangedOne) {
    StatsData stats;
    stats.run(computePairOmissionLists, {"12121"});
    stats.refresh(computePairOmissionLists);
    EXPECT_EQ(stats.rows(kAllFivePairs), omissionRows("", "12", "1"));
    stats.run(computePairOmissionLists, {});
    EXPECT_EQ(stats.rows(kAllFivePairs), omissionRows("", "12", "1"));
}

}  // namespace
}  // namespace quintara::testing
