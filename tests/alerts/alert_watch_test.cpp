// Rules held against hand-worked histories, newest draw first.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <time.h>

#include "alerts/alert_watch.h"

namespace quintara {
namespace {

using namespace std::chrono_literals;

class AlertWatchTest : public ::testing::Test {
protected:
    // The rules of the JSON text, watching from the start.
    void watch(const std::string& rules) {
        const AlertRulesReading reading = readAlertRules(rules);
        ASSERT_TRUE(reading.good()) << reading.error;
        watch_.emplace(reading.rules);
    }

    // The draws held now, newest first; what fires.
    std::vector<AlertRecord> history(const std::vector<std::string_view>& newestFirst) {
        const Statistics statistics = computeStatistics({.draws = newestFirst});
        return watch_->historyChanged(statistics, "20261209-" + std::to_string(newestFirst.size()), now);
    }

    static std::vector<std::string> items(const std::vector<AlertRecord>& alerts) {
        std::vector<std::string> texts;
        for (const AlertRecord& alert : alerts) texts.push_back(std::string(nameOf(*alert.list)) + " " + alert.item);
        return texts;
    }

    std::optional<AlertWatch> watch_;
    AlertWatch::Clock::time_point now = AlertWatch::Clock::from_time_t(1'765'000'000);
};

TEST_F(AlertWatchTest, FiresWhenAnAbsenceReachesItsLengthAndAgainOnlyAfterTheItemAppeared) {
    watch(R"([{"list":"超级列表框_万遗漏","item":"7","when":"current","at_least":2}])");
    EXPECT_TRUE(history({"12345", "71111"}).empty());  // absent once
    const auto fired = history({"22222", "12345", "71111"});
    ASSERT_EQ(fired.size(), 1U);
    EXPECT_EQ(fired[0].current, 2);
    EXPECT_EQ(fired[0].text, "万位 7 已遗漏 2 期（最大遗漏 2 期，遗漏概率 81.00%）");
    EXPECT_TRUE(history({"33333", "22222", "12345", "71111"}).empty());  // still absent: no second alert
    EXPECT_TRUE(history({"71111", "33333", "22222", "12345", "71111"}).empty());  // 7 appeared
    EXPECT_TRUE(history({"11111", "71111", "33333", "22222", "12345", "71111"}).empty());
    EXPECT_EQ(history({"11111", "11111", "71111", "33333", "22222", "12345", "71111"}).size(), 1U);
}

TEST_F(AlertWatchTest, ARecordEqualToTheEarlierLongestFires) {
    watch(R"([{"list":"超级列表框_万遗漏","item":"9","when":"record"}])");
    // 万 9 in draws 2 and 5: absent once, and twice before.
    EXPECT_TRUE(history({"11111", "90000", "22222", "33333", "94444"}).empty());
    const auto fired = history({"55555", "11111", "90000", "22222", "33333", "94444"});
    ASSERT_EQ(fired.size(), 1U);
    EXPECT_EQ(fired[0].current, 2);
    EXPECT_EQ(fired[0].longest, 2);
}

TEST_F(AlertWatchTest, ARuleOnEveryListCoversEachRowAndTheFirstEvaluationFiresWhatIsTrue) {
    watch(R"([{"list":"*","item":"*","when":"chance","at_most":0.5}])");
    const std::vector<std::string_view> draws{"00000", "00000", "00000", "00000", "00000", "00000", "00000"};
    const auto fired = history(draws);
    // Seven draws of 00000: no pair was ever shown, (1 - 0.1467)^7 = 0.33 each;
    // the digit 0 was just shown, and a pattern never fitted is still likely,
    // (31/32)^7 = 0.80.
    std::size_t pairs = 0;
    for (const AlertRecord& alert : fired) {
        if (*alert.list == StatisticsList::AllFivePairOmission) ++pairs;
        EXPECT_LE(*alert.chance, 0.5) << alert.text;
    }
    EXPECT_EQ(pairs, 45U);
    EXPECT_EQ(items(watch_->historyChanged(computeStatistics({.draws = draws}), "20261209-7", now)),
              std::vector<std::string>{});
    EXPECT_EQ(watch_->rulesMetBy(StatisticsList::AllFivePairOmission, "12"), std::vector<std::size_t>{0});
    EXPECT_TRUE(watch_->rulesMetBy(StatisticsList::PatternOmission, "单单单单单").empty());
    EXPECT_TRUE(watch_->rulesMetBy(StatisticsList::Position1Omission, "0").empty());
}

TEST_F(AlertWatchTest, SilenceFiresOncePerSilenceWhilePolling) {
    watch(R"([{"when":"silence","minutes":10}])");
    EXPECT_TRUE(history({"12345"}).empty());
    EXPECT_TRUE(watch_->pollingTick(now + 9min).empty());
    const auto fired = watch_->pollingTick(now + 10min);
    ASSERT_EQ(fired.size(), 1U);
    EXPECT_EQ(fired[0].text, "已 10 分钟没有新开奖（最新一期 20261209-1）");
    EXPECT_TRUE(watch_->pollingTick(now + 30min).empty());
    now += 31min;
    EXPECT_TRUE(history({"22222", "12345"}).empty());  // a new draw ends the silence
    EXPECT_EQ(watch_->pollingTick(now + 10min).size(), 1U);
}

TEST(AlertRecordTest, IsOneJsonLineWithTheLocalTimeAndItsOffset) {
    ::setenv("TZ", "Asia/Shanghai", 1);
    ::tzset();
    const auto time = AlertWatch::Clock::from_time_t(1'765'261'805);  // 2025-12-09 06:30:05 UTC
    EXPECT_EQ(isoLocalTime(time), "2025-12-09T14:30:05+08:00");
    const AlertRecord alert{.time = isoLocalTime(time),
                            .issue = "20251209-045",
                            .rule = 0,
                            .list = StatisticsList::Position1Omission,
                            .item = "7",
                            .current = 21,
                            .longest = 34,
                            .chance = 0.109418989131512,
                            .text = "万位 7 已遗漏 21 期"};
    EXPECT_EQ(alertJson(alert),
              R"({"time":"2025-12-09T14:30:05+08:00","issue":"20251209-045","rule":0,)"
              R"("list":"超级列表框_万遗漏","item":"7","current":21,"longest":34,"chance":0.109419,)"
              R"("text":"万位 7 已遗漏 21 期"})");
    EXPECT_EQ(alertJson({.time = "t", .issue = "i", .rule = 3, .text = "x"}),
              R"({"time":"t","issue":"i","rule":3,"list":null,"item":null,"current":null,)"
              R"("longest":null,"chance":null,"text":"x"})");
    ::unsetenv("TZ");
    ::tzset();
}

}  // namespace
}  // namespace quintara
