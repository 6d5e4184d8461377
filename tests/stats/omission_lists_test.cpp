#include <gtest/gtest.h>

#include "stats/statistics.h"
#include "stats_window.h"

namespace quintara::testing {
namespace {

constexpr std::array kLists{"超级列表框_万遗漏", "超级列表框_千遗漏", "超级列表框_百遗漏",
                            "超级列表框_十遗漏", "超级列表框_个遗漏", "超级列表框_全遗漏"};

TEST(OmissionLists, ShowTheDigitsFoundAtTheirPositionsLongestAbsentFirst) {
    const StatsWindow stats;
    stats.run(RefreshOmissionLists, {"12345", "56789", "11111"});
    EXPECT_EQ(stats.rows("超级列表框_万遗漏"), "5:1 期,1:0 期");
    EXPECT_EQ(stats.rows("超级列表框_千遗漏"), "1:2 期,6:1 期,2:0 期");
    // Back three: any of positions 3 to 5; equal omissions keep the lower digit first.
    EXPECT_EQ(stats.rows("超级列表框_全遗漏"), join(rows("1", "2 期"), rows("7 8 9", "1 期"), rows("3 4 5", "0 期")));

    stats.run(RefreshOmissionLists, {"00123", "00456", "00789", "11110"});
    EXPECT_EQ(stats.rows("超级列表框_全遗漏"),
              join(rows("0", "3 期"), rows("7 8 9", "2 期"), rows("4 5 6", "1 期"), rows("1 2 3", "0 期")));

    stats.run(RefreshOmissionLists, {"12", "67890"});  // a short draw has no positions 3 to 5
    EXPECT_EQ(stats.rows("超级列表框_个遗漏"), "0:1 期");
}

TEST(OmissionLists, ReadNoFurtherThanTheNewest10000Draws) {
    const StatsWindow stats;
    stats.run(RefreshOmissionLists, repeated("00000", 10000, {"12345"}));
    for (const char* list : kLists) EXPECT_EQ(stats.rows(list), "0:0 期") << list;
}

TEST(OmissionLists, AreClearedByAnEmptyHistoryAndRepeatOnAnUnchangedOne) {
    const StatsWindow stats;
    stats.run(RefreshOmissionLists, {"90817", "26354", "11111"});
    const std::string first = stats.rows("超级列表框_全遗漏");
    RefreshOmissionLists(stats.window());
    EXPECT_EQ(stats.rows("超级列表框_全遗漏"), first);

    stats.run(RefreshOmissionLists, {});
    for (const char* list : kLists) EXPECT_EQ(stats.rows(list), "") << list;
}

}  // namespace
}  // namespace quintara::testing
