#include <gtest/gtest.h>

#include "stats/statistics.h"
#include "stats_window.h"

namespace quintara::testing {
namespace {

constexpr const char* kBackThree = "超级列表框_出现次数";
constexpr const char* kMiddleThree = "超级列表框_出现次数中三";
constexpr const char* kFrontThree = "超级列表框_出现次数前三";
constexpr const char* kAllFive = "超级列表框_出现次数五星";
constexpr const char* kPairs = "超级列表框_出现次数五星双胆";
constexpr std::array kComboBoxes{"组合框_选择选几期", "组合框_选择选几期中三", "组合框_选择选几期前三",
                                 "组合框_选择选几期五星", "组合框_选择选几期五星双胆"};

TEST(FrequencyLists, CountEachPositionOfTheGroupInTheNewestTenDraws) {
    const StatsWindow stats;
    stats.run(RefreshFrequencyLists, repeated("12345", 10, repeated("99999", 5)));
    EXPECT_EQ(stats.rows(kBackThree), join(rows("3 4 5", "10次"), rows("0 1 2 6 7 8 9", "0次")));
    EXPECT_EQ(stats.rows(kAllFive), join(rows("1 2 3 4 5", "10次"), rows("0 6 7 8 9", "0次")));

    stats.run(RefreshFrequencyLists, {"33312"});
    EXPECT_EQ(stats.rows(kFrontThree), join(rows("3", "3次"), rows("0 1 2 4 5 6 7 8 9", "0次")));
    EXPECT_EQ(stats.rows(kMiddleThree), join("3:2次,1:1次", rows("0 2 4 5 6 7 8 9", "0次")));
    EXPECT_EQ(stats.rows(kBackThree), join(rows("1 2 3", "1次"), rows("0 4 5 6 7 8 9", "0次")));
    EXPECT_EQ(stats.rows(kAllFive), join("3:3次,1:1次,2:1次", rows("0 4 5 6 7 8 9", "0次")));

    stats.run(RefreshFrequencyLists, {"1x345"});  // a character that is no digit counts for none
    EXPECT_EQ(stats.rows(kFrontThree), join(rows("1 3", "1次"), rows("0 2 4 5 6 7 8 9", "0次")));
}

TEST(FrequencyLists, CountTheWindowOfEachComboBox) {
    const StatsWindow stats;
    stats.select("组合框_选择选几期五星", 4);  // 统计所有
    stats.select("组合框_选择选几期前三", 3);  // 统计50期 over 30 draws: the 30 there are
    stats.select("组合框_选择选几期中三", -1);  // no selection: nothing counted
    stats.run(RefreshFrequencyLists, repeated("55555", 7, repeated("77777", 23)));
    const std::string others = rows("0 1 2 3 4 6 8 9", "0次");
    EXPECT_EQ(stats.rows(kAllFive), join("7:115次,5:35次", others));
    EXPECT_EQ(stats.rows(kFrontThree), join("7:69次,5:21次", others));
    EXPECT_EQ(stats.rows(kMiddleThree), rows("0 1 2 3 4 5 6 7 8 9", "0次"));
    EXPECT_EQ(stats.rows(kBackThree), join("5:21次,7:9次", others));  // 统计10期 as at start

    stats.select("组合框_选择选几期", 1);  // takes effect at the next refresh
    EXPECT_EQ(stats.rows(kBackThree), join("5:21次,7:9次", others));
    RefreshFrequencyLists(stats.window());
    EXPECT_EQ(stats.rows(kBackThree), join("7:39次,5:21次", others));
}

TEST(FrequencyLists, AllDrawsStopsAtTheNewest10000) {
    const StatsWindow stats;
    for (const char* comboBox : kComboBoxes) stats.select(comboBox, 4);
    stats.run(RefreshFrequencyLists, repeated("12345", 10000, {"00000"}));
    EXPECT_EQ(stats.rows(kAllFive), join(rows("1 2 3 4 5", "10000次"), rows("0 6 7 8 9", "0次")));
}

TEST(FrequencyLists, AnEmptyHistoryLeavesTheListsAsTheyWere) {
    const StatsWindow stats;
    stats.run(RefreshFrequencyLists, {"12345"});
    const std::string allFive = stats.rows(kAllFive);
    const std::string pairs = stats.rows(kPairs);
    stats.run(RefreshFrequencyLists, {});
    EXPECT_EQ(stats.rows(kAllFive), allFive);
    EXPECT_EQ(stats.rows(kPairs), pairs);  // the pair list runs at the end of the step
    EXPECT_TRUE(pairs.starts_with("12:1次,13:1次")) << pairs;
}

}  // namespace
}  // namespace quintara::testing
