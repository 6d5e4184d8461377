#include <gtest/gtest.h>

#include "stats/statistics.h"
#include "statistics_harness.h"

namespace quintara::testing {
namespace {

constexpr StatisticsList kBackThree = StatisticsList::BackThreeFrequency;
constexpr StatisticsList kMiddleThree = StatisticsList::MiddleThreeFrequency;
constexpr StatisticsList kFrontThree = StatisticsList::FrontThreeFrequency;
constexpr StatisticsList kAllFive = StatisticsList::AllFiveFrequency;
constexpr StatisticsList kPairs = StatisticsList::PairFrequency;
constexpr std::array kComboBoxes{CountWindowBox::BackThree, CountWindowBox::MiddleThree, CountWindowBox::FrontThree,
                                 CountWindowBox::AllFive, CountWindowBox::Pair};

TEST(FrequencyLists, CountEachPositionOfTheGroupInTheNewestTenDraws) {
    StatsData stats;
    stats.run(frequencyStep, repeated("12345", 10, repeated("99999", 5)));
    EXPECT_EQ(stats.rows(kBackThree), join(rows("3 4 5", "10次"), rows("0 1 2 6 7 8 9", "0次")));
    EXPECT_EQ(stats.rows(kAllFive), join(rows("1 2 3 4 5", "10次"), rows("0 6 7 8 9", "0次")));

    stats.run(frequencyStep, {"33312"});
    EXPECT_EQ(stats.rows(kFrontThree), join(rows("3", "3次"), rows("0 1 2 4 5 6 7 8 9", "0次")));
    EXPECT_EQ(stats.rows(kMiddleThree), join("3:2次,1:1次", rows("0 2 4 5 6 7 8 9", "0次")));
    EXPECT_EQ(stats.rows(kBackThree), join(rows("1 2 3", "1次"), rows("0 4 5 6 7 8 9", "0次")));
    EXPECT_EQ(stats.rows(kAllFive), join("3:3次,1:1次,2:1次", rows("0 4 5 6 7 8 9", "0次")));

    stats.run(frequencyStep, {"1x345"});  // a character that is no digit counts for none
    EXPECT_EQ(stats.rows(kFrontThree), join(rows("1 3", "1次"), rows("0 2 4 5 6 7 8 9", "0次")));
}

TEST(FrequencyLists, CountTheWindowOfEachComboBox) {
    StatsData stats;
    stats.select(CountWindowBox::AllFive, 4);  // 统计所有
    stats.select(CountWindowBox::FrontThree, 3);  // 统计50期 over 30 draws: the 30 there are
    stats.select(CountWindowBox::MiddleThree, -1);  // no selection: nothing counted
    stats.run(frequencyStep, repeated("55555", 7, repeated("77777", 23)));
    const std::string others = rows("0 1 2 3 4 6 8 9", "0次");
    EXPECT_EQ(stats.rows(kAllFive), join("7:115次,5:35次", others));
    EXPECT_EQ(stats.rows(kFrontThree), join("7:69次,5:21次", others));
    EXPECT_EQ(stats.rows(kMiddleThree), rows("0 1 2 3 4 5 6 7 8 9", "0次"));
    EXPECT_EQ(stats.rows(kBackThree), join("5:21次,7:9次", others));  // 统计10期 as at start

    stats.select(CountWindowBox::BackThree, 1);  // takes effect at the next refresh
    EXPECT_EQ(stats.rows(kBackThree), join("5:21次,7:9次", others));
    stats.refresh(frequencyStep);
    EXPECT_EQ(stats.rows(kBackThree), join("7:39次,5:21次", others));
}

TEST(FrequencyLists, AllDrawsStopsAtTheNewest10000) {
    StatsData stats;
    for (const CountWindowBox comboBox : kComboBoxes) stats.select(comboBox, 4);
    stats.run(frequencyStep, repeated("12345", 10000, {"00000"}));
    EXPECT_EQ(stats.rows(kAllFive), join(rows("1 2 3 4 5", "10000次"), rows("0 6 7 8 9", "0次")));
}

TEST(FrequencyLists, AnEmptyHistoryLeavesTheListsAsTheyWere) {
    StatsData stats;
    stats.run(frequencyStep, {"12345"});
    const std::string allFive = stats.rows(kAllFive);
    const std::string pairs = stats.rows(kPairs);
    stats.run(frequencyStep, {});
    EXPECT_EQ(stats.rows(kAllFive), allFive);
    EXPECT_EQ(stats.rows(kPairs), pairs);  // the pair list runs at the end of the step
    EXPECT_TRUE(pairs.starts_with("12:1次,13:1次")) << pairs;
}

}  // namespace
}  // namespace quintara::testing
