#include <gtest/gtest.h>

#include "stats/statistics.h"
#include "statistics_harness.h"

namespace quintara::testing {
namespace {

constexpr std::array kLists{StatisticsList::Position1Omission, StatisticsList::Position2Omission, StatisticsList::Position3Omission,
                            StatisticsList::Position4Omission, StatisticsList::Position5Omission, StatisticsList::BackThreeOmission};

TEST(OmissionLists, ShowTheDigitsFoundAtTheirPositionsLongestAbsentFirst) {
    StatsData stats;
    stats.run(computeOmissionLists, {"12345", "56789", "11111"});
    EXPECT_EQ(stats.rows(StatisticsList::Position1Omission), "5:1 期,1:0 期");
    EXPECT_EQ(stats.rows(StatisticsList::Position2Omission), "1:2 期,6:1 期,2:0 期");
    // Back three: any of positions 3 to 5; equal omissions keep the lower digit first.
    EXPECT_EQ(stats.rows(StatisticsList::BackThreeOmission), join(rows("1", "2 期"), rows("7 8 9", "1 期"), rows("3 4 5", "0 期")));

    stats.run(computeOmissionLists, {"00123", "00456", "00789", "11110"});
    EXPECT_EQ(stats.rows(StatisticsList::BackThreeOmission),
              join(rows("0", "3 期"), rows("7 8 9", "2 期"), rows("4 5 6", "1 期"), rows("1 2 3", "0 期")));

    stats.run(computeOmissionLists, {"12", "67890"});  // a short draw has no positions 3 to 5
    EXPECT_EQ(stats.rows(StatisticsList::Position5Omission), "0:1 期");
}

TEST(OmissionLists, ReadNoFurtherThanTheNewest10000Draws) {
    StatsData stats;
    stats.run(computeOmissionLists, repeated("00000", 10000, {"12345"}));
    for (const StatisticsList list : kLists) EXPECT_EQ(stats.rows(list), "0:0 期") << nameOf(list);
}

TEST(OmissionLists, AreClearedByAnEmptyHistoryAndRepeatOnAnUnchangedOne) {
    StatsData stats;
    stats.run(computeOmissionLists, {"90817", "26354", "11111"});
    const std::string first = stats.rows(StatisticsList::BackThreeOmission);
    stats.refresh(computeOmissionLists);
    EXPECT_EQ(stats.rows(StatisticsList::BackThreeOmission), first);

    stats.run(computeOmissionLists, {});
    for (const StatisticsList list : kLists) EXPECT_EQ(stats.rows(list), "") << nameOf(list);
}

}  // namespace
}  // namespace quintara::testing
