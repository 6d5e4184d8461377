#include <gtest/gtest.h>

#include "stats/statistics.h"
#include "stats_window.h"

namespace quintara::testing {
namespace {

constexpr const char* kAllFive = "超级列表框_胆码";
constexpr const char* kFrontThree = "超级列表框_胆码前三";
constexpr const char* kMiddleThree = "超级列表框_胆码中三";
constexpr const char* kBackThree = "超级列表框_胆码后三";

// The rows of a list in which the pairs `once` were held by draw 2, the
// pairs `newest` by draw 1 and all others by no draw of `drawsRead`.
std::string omissionRows(const std::string& once, const std::string& newest, const std::string& drawsRead) {
    return join(pairsBut(once + " " + newest, drawsRead + "期"), rows(once, "1期"), rows(newest, "0期"));
}

TEST(PairOmissionLists, LookForBothDigitsWithinTheGroupOfEachList) {
    const StatsWindow stats;
    stats.run(RefreshPairOmissionLists, {"12345", "67890", "11111"});
    EXPECT_EQ(stats.rows(kAllFive), omissionRows("06 07 08 09 67 68 69 78 79 89",
                                                 "12 13 14 15 23 24 25 34 35 45", "3"));
    EXPECT_EQ(stats.rows(kFrontThree), omissionRows("67 68 78", "12 13 23", "3"));
    EXPECT_EQ(stats.rows(kMiddleThree), omissionRows("78 79 89", "23 24 34", "3"));
    EXPECT_EQ(stats.rows(kBackThree), omissionRows("08 09 89", "34 35 45", "3"));
}

TEST(PairOmissionLists, APairNeedsTwoDifferentDigitsInsideTheGroup) {
    const StatsWindow stats;
    stats.run(RefreshPairOmissionLists, {"11111"});
    EXPECT_EQ(stats.rows(kAllFive), pairsBut("", "1期"));
    stats.run(RefreshPairOmissionLists, {"12121"});
    EXPECT_EQ(stats.rows(kAllFive), omissionRows("", "12", "1"));
    stats.run(RefreshPairOmissionLists, {"12000"});
    EXPECT_EQ(stats.rows(kAllFive), omissionRows("", "01 02 12", "1"));
    EXPECT_EQ(stats.rows(kFrontThree), omissionRows("", "01 02 12", "1"));
    EXPECT_EQ(stats.rows(kMiddleThree), omissionRows("", "02", "1"));
    EXPECT_EQ(stats.rows(kBackThree), pairsBut("", "1期"));
}

TEST(PairOmissionLists, ReadNoFurtherThanTheNewest10000Draws) {
    const StatsWindow stats;
    stats.run(RefreshPairOmissionLists, repeated("00000", 10001, {"12345"}));
    EXPECT_EQ(stats.rows(kAllFive), pairsBut("", "10000期"));
}

TEST(PairOmissionLists, KeepTheirRowsOnAnEmptyHistoryAndRepeatOnAnUnchangedOne) {
    const StatsWindow stats;
    stats.run(RefreshPairOmissionLists, {"12121"});
    RefreshPairOmissionLists(stats.window());
    EXPECT_EQ(stats.rows(kAllFive), omissionRows("", "12", "1"));
    stats.run(RefreshPairOmissionLists, {});
    EXPECT_EQ(stats.rows(kAllFive), omissionRows("", "12", "1"));
}

}  // namespace
}  // namespace quintara::testing
