// quintara-stats --fairness and --backtest run as a process: the JSON holds
// what the core computes, to the last bit of every number.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "fairness/backtest.h"
#include "fairness/fairness_report.h"
#include "made_draws.h"
#include "support/feed_document.h"
#include "support/tool_process.h"

namespace quintara {
namespace {

using Json = nlohmann::ordered_json;

// The value a JSON member holds, none for null.
std::optional<double> numberIn(const Json& json) {
    return json.is_null() ? std::nullopt : std::optional<double>(json.get<double>());
}

class StatsToolAnalysis : public ::testing::Test {
protected:
    StatsToolAnalysis() {
        testing::Game game(99);
        history = std::make_unique<testing::History>(
            game.draws(800, [&game](int, const std::string&) { return game.fairDigit(); }));
        std::string feed = "<xml>\n";
        for (auto draw = history->draws().rbegin(); draw != history->draws().rend(); ++draw) {
            const std::string issue = draw->issue.substr(2, 6) + draw->issue.substr(9);  // "190101001"
            feed += testing::feedRow({issue, draw->text}) + "\n";
        }
        testing::putFile(feedPath(), feed + "</xml>\n");
    }

    [[nodiscard]] std::string feedPath() const { return folder.file("historyopen.xml"); }
    [[nodiscard]] testing::ToolRun stats(std::vector<std::string> arguments) const {
        arguments.push_back(feedPath());
        return testing::runTool(QUINTARA_STATS_PROGRAM, arguments, folder);
    }

    testing::ScratchFolder folder;
    std::unique_ptr<testing::History> history;
};

TEST_F(StatsToolAnalysis, FairnessJsonHoldsEveryTestOfTheRange) {
    const testing::ToolRun run = stats({"--fairness", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const Json json = Json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& member : json.items()) keys.push_back(member.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"draws", "first", "last", "tests", "smallest_p_adjusted", "deviation",
                                              "detectable", "verdict"}));
    const FairnessReport report = fairnessReport(history->views());
    EXPECT_EQ(json["draws"], 800);
    EXPECT_EQ(json["first"], "20190101-001");
    EXPECT_EQ(json["last"], "20190107-080");
    ASSERT_EQ(json["tests"].size(), report.tests.size());
    for (std::size_t at = 0; at < report.tests.size(); ++at) {
        const Json& test = json["tests"][at];
        const FairnessTest& expected = report.tests[at];
        EXPECT_EQ(test["test"], testName(expected.kind));
        EXPECT_EQ(test["scope"], expected.scope);
        // Equal to the last bit: printed in full precision.
        EXPECT_EQ(numberIn(test["statistic"]), expected.statistic) << at;
        EXPECT_EQ(numberIn(test["p"]), expected.p) << at;
        EXPECT_EQ(numberIn(test["p_adjusted"]), expected.pAdjusted) << at;
        if (expected.degrees) {
            EXPECT_EQ(test["df"], *expected.degrees);
        }
    }
    EXPECT_TRUE(json["tests"][25]["df"].is_null());  // runs: a z
    EXPECT_EQ(numberIn(json["smallest_p_adjusted"]), report.smallestAdjusted);
    EXPECT_EQ(numberIn(json["detectable"]), report.detectable);
    EXPECT_EQ(json["deviation"], false);
    EXPECT_EQ(json["verdict"], report.verdict);

    // The newest 100: too few for the pairs, whose p-values are null.
    const Json newest = Json::parse(stats({"--fairness", "--format", "json", "--range", "100"}).out);
    EXPECT_EQ(newest["draws"], 100);
    EXPECT_EQ(newest["first"], "20190106-101");
    EXPECT_TRUE(newest["tests"][6]["p"].is_null());
    EXPECT_TRUE(newest["tests"][6]["p_adjusted"].is_null());
    EXPECT_FALSE(newest["tests"][0]["p"].is_null());
}

TEST_F(StatsToolAnalysis, BacktestJsonHoldsTheBetsOfTheRangeFromAllDrawsBefore) {
    const testing::ToolRun hot = stats({"--backtest", "hot", "--position", "十位", "--k", "2", "--window", "20",
                                        "--range", "20190105-001:20190107-080", "--format", "json"});
    ASSERT_EQ(hot.status, 0) << hot.err;
    const Json json = Json::parse(hot.out);
    const BacktestResult expected =
        backtest(history->views(), 320, {.rule = BacktestRule::Hot, .position = 3, .k = 2, .window = 20});
    EXPECT_TRUE(hot.out.starts_with(R"({"rule":"hot","position":"十位","k":2,"window":20,"bets":320,)")) << hot.out;
    EXPECT_EQ(json["hits"], expected.hits);
    EXPECT_EQ(numberIn(json["rate"]), expected.rate);
    EXPECT_EQ(numberIn(json["ci_low"]), expected.ciLow);
    EXPECT_EQ(numberIn(json["ci_high"]), expected.ciHigh);
    EXPECT_EQ(numberIn(json["p"]), expected.p);
    EXPECT_EQ(json["longest_miss"], expected.longestMiss);
    EXPECT_EQ(json["verdict"], expected.verdict);

    const testing::ToolRun cold = stats({"--backtest", "cold", "--position", "万位", "--k", "3", "--format", "json"});
    EXPECT_NE(cold.out.find(R"("k":3,"window":null,"bets":799,)"), std::string::npos) << cold.out;
    EXPECT_NE(cold.out.find(R"("baseline":0.3,)"), std::string::npos) << cold.out;
}

TEST_F(StatsToolAnalysis, PrintsATableAndSaysOnOneLineWhatItCannotDo) {
    const testing::ToolRun table = stats({"--fairness"});
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_TRUE(table.out.starts_with("公平性检验\t800期\t20190101-001 至 20190107-080\n"
                                      "检验\t范围\t统计量\t自由度\tp值\t校正p值\n频率\t万位\t"))
        << table.out;
    EXPECT_NE(table.out.find("\n游程\t和值\t"), std::string::npos);
    EXPECT_NE(table.out.find("\n结论\t在800期中"), std::string::npos);

    const testing::ToolRun none = stats({"--fairness", "--range", "20190201-001:20190201-010"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "quintara-stats: no draws in the range\n");
    for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{
             {"--backtest", "cold", "--position", "万位", "--k", "3", "--window", "9"},
             {"--backtest", "cold", "--position", "万位"},
             {"--backtest", "cold", "--position", "百十", "--k", "3"},
             {"--backtest", "cold", "--position", "万位", "--k", "10"},
             {"--fairness", "--backtest", "hot", "--position", "万位", "--k", "3"},
             {"--fairness", "--select", "4"},
             {"--range", "7d"},
             {"--fairness", "--range", "0"}}) {
        const testing::ToolRun run = stats(wrong);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(wrong);
        EXPECT_TRUE(run.err.starts_with("quintara-stats: ")) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
}  // namespace quintara
