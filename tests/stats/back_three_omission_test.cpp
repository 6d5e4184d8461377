#include <gtest/gtest.h>

#include "stats/statistics.h"
#include "statistics_harness.h"

namespace quintara::testing {
namespace {

void refreshBoth(const StatisticsInput& input, Statistics& into) {
    computeSumTailOmission(input, into);
    computeSpanOmission(input, into);
}

struct Example {
    Draws history;
    std::string sumTails;
    std::string spans;
};

TEST(BackThreeOmission, ShowsTheValuesOfPositionsThreeToFiveFound) {
    StatsData stats;
    for (const Example& example : std::vector<Example>{
             {{"12345", "67890", "11111"}, "3:2 期,7:1 期,2:0 期", "0:2 期,9:1 期,2:0 期"},
             {{"00999"}, "7:0 期", "0:0 期"},
             {{"00000"}, "0:0 期", "0:0 期"},
             {{"99000"}, "0:0 期", "0:0 期"},
             {{"00090"}, "9:0 期", "9:0 期"},
             {{"129", "12x85"}, "3:1 期,9:0 期", "8:1 期,9:0 期"},  // missing or not a digit: 0
             {repeated("00000", 10000, {"00123"}), "0:0 期", "0:0 期"},  // the newest 10000 only
             {{}, "", ""},  // cleared by an empty history
         }) {
        stats.run(refreshBoth, example.history);
        EXPECT_EQ(stats.rows(StatisticsList::SumTailOmission), example.sumTails) << example.history.size();
        EXPECT_EQ(stats.rows(StatisticsList::SpanOmission), example.spans) << example.history.size();
    }
}

TEST(BackThreeOmission, ASecondRunGivesTheSameRows) {
    StatsData stats;
    stats.run(refreshBoth, {"31415", "92653", "58979", "32384"});
    EXPECT_EQ(stats.rows(StatisticsList::SpanOmission), "5:3 期,2:2 期,3:1 期,4:0 期");
    stats.refresh(refreshBoth);
    EXPECT_EQ(stats.rows(StatisticsList::SpanOmission), "5:3 期,2:2 期,3:1 期,4:0 期");
}

}  // namespace
}  // namespace quintara::testing
