#include <gtest/gtest.h>

#include <map>

#include "stats/statistics.h"
#include "statistics_harness.h"

namespace quintara::testing {
namespace {

// The table order; row 21 completes the run of rows 20, 22 and 23.
constexpr std::string_view kPatterns =
    "双双双双双 单单单单单 小小小小小 大大大大大 双单单单单 双双单单单 双双双双单 双大大大大 双双大大大 "
    "双双双大大 双双双双大 双小小小小 双双小小小 双双双小小 双双双双小 大小小小小 大大小小小 大大大小小 "
    "大大大大小 单大大大大 单单大大大 单单单大大 单单单单大 单小小小小 单单小小小 单单单小小 单单单单小";

// All rows in table order: `counts` as listed, all others `otherwise`.
std::string tableRows(const std::map<std::string, std::string>& counts, const std::string& otherwise) {
    std::istringstream words{std::string(kPatterns)};
    std::string joined;
    for (std::string pattern; words >> pattern;) {
        const auto found = counts.find(pattern);
        joined += rows(pattern, found == counts.end() ? otherwise : found->second) + ",";
    }
    return joined.substr(0, joined.size() - 1);
}

std::map<std::string, std::string> fitted(std::string_view patterns, std::string_view count) {
    std::map<std::string, std::string> counts;
    std::istringstream words{std::string(patterns)};
    for (std::string pattern; words >> pattern;) counts[pattern] = count;
    return counts;
}

TEST(PatternOmissionList, CountsEachPatternInTableOrder) {
    StatsData stats;
    stats.run(computePatternOmissionList, {"12345", "67890", "11111"});
    auto counts = fitted("单单单单单 小小小小小 单小小小小 单单小小小 单单单小小 单单单单小", "2期");
    counts["大大大大小"] = "1期";
    EXPECT_EQ(stats.rows(StatisticsList::PatternOmission), tableRows(counts, "3期"));

    stats.run(computePatternOmissionList, {"02468"});
    EXPECT_EQ(stats.rows(StatisticsList::PatternOmission), tableRows(fitted("双双双双双 双双双大大 双双双双大", "0期"), "1期"));

    stats.run(computePatternOmissionList, {"13579", "56789"});
    counts = fitted("单单单单单 单单大大大 单单单大大 单单单单大", "0期");
    counts.merge(fitted("大大大大大 单大大大大", "1期"));
    EXPECT_EQ(stats.rows(StatisticsList::PatternOmission), tableRows(counts, "2期"));
}

TEST(PatternOmissionList, ClassesZeroAsSmallEvenAndFiveAsBigOdd) {
    StatsData stats;
    stats.run(computePatternOmissionList, {"00000"});
    EXPECT_EQ(stats.rows(StatisticsList::PatternOmission),
              tableRows(fitted("双双双双双 小小小小小 双小小小小 双双小小小 双双双小小 双双双双小", "0期"), "1期"));
    stats.run(computePatternOmissionList, {"55555"});
    EXPECT_EQ(stats.rows(StatisticsList::PatternOmission),
              tableRows(fitted("单单单单单 大大大大大 单大大大大 单单大大大 单单单大大 单单单单大", "0期"), "1期"));
    stats.run(computePatternOmissionList, {"0246x", "0246"});  // no class, no fit
    EXPECT_EQ(stats.rows(StatisticsList::PatternOmission), tableRows({}, "2期"));
}

TEST(PatternOmissionList, ReadsNoFurtherThanTheNewest10000Draws) {
    StatsData stats;
    stats.run(computePatternOmissionList, repeated("00000", 10001, {"55555"}));
    EXPECT_EQ(stats.rows(StatisticsList::PatternOmission),
              tableRows(fitted("双双双双双 小小小小小 双小小小小 双双小小小 双双双小小 双双双双小", "0期"), "10000期"));
}

TEST(PatternOmissionList, KeepsItsRowsOnAnEmptyHistoryAndRepeatsOnAnUnchangedOne) {
    StatsData stats;
    stats.run(computePatternOmissionList, {"02468"});
    stats.refresh(computePatternOmissionList);
    stats.run(computePatternOmissionList, {});
    EXPECT_EQ(stats.rows(StatisticsList::PatternOmission), tableRows(fitted("双双双双双 双双双大大 双双双双大", "0期"), "1期"));
}

}  // namespace
}  // namespace quintara::testing
