// Every endpoint of the served API against what the tools print of the same
// archive: quintara-stats for the statistics and the fairness tests,
// quintara-chart's CSV for the trend chart, the archive's own log for the
// alerts; and the OpenAPI document against the routes that answer.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <set>

#include "served_watch.h"
#include "support/issues.h"
#include "support/tool_process.h"

namespace quintara {
namespace {

using Json = nlohmann::json;
using testing::ServedWatch;
using testing::successorOf;

std::string got(const ServedWatch& watch, const std::string& path) {
    const auto reply = watch.client().Get(path);
    if (!reply) return "no answer to " + path;
    EXPECT_EQ(reply->status, 200) << path << ": " << reply->body;
    return reply->body;
}

int statusOf(const ServedWatch& watch, const std::string& path) {
    const auto reply = watch.client().Get(path);
    return reply ? reply->status : -1;
}

// What a tool prints of the watcher's archive.
std::string printed(const std::string& program, std::vector<std::string> arguments, const ServedWatch& watch) {
    arguments.push_back("--archive");
    arguments.push_back(watch.archiveFile());
    const testing::ScratchFolder folder;
    const testing::ToolRun run = testing::runTool(program, arguments, folder);
    EXPECT_EQ(run.status, 0) << run.err;
    return run.out;
}

TEST(ServedApi, StatisticsAreWhatQuintaraStatsPrintsBeforeAndAfterANewDraw) {
    ServedWatch watch(600);
    const std::string before = got(watch, "/api/statistics");
    EXPECT_EQ(before, printed(QUINTARA_STATS_PROGRAM, {"--format", "json", "--detail"}, watch));

    watch.poll(successorOf(watch.follower.history().draws().front().issue) + "99999");
    const std::string after = got(watch, "/api/statistics");
    EXPECT_NE(after, before);
    EXPECT_EQ(after, printed(QUINTARA_STATS_PROGRAM, {"--format", "json", "--detail"}, watch));
}

TEST(ServedApi, FairnessIsWhatQuintaraStatsPrintsForEachRange) {
    ServedWatch watch(800);
    EXPECT_EQ(got(watch, "/api/fairness"), printed(QUINTARA_STATS_PROGRAM, {"--fairness", "--format", "json"}, watch));
    for (const std::string range : {"50", "today", "20261203-010:20261205-100"}) {
        EXPECT_EQ(got(watch, "/api/fairness?range=" + range),
                  printed(QUINTARA_STATS_PROGRAM, {"--fairness", "--format", "json", "--range", range}, watch))
            << range;
    }
    EXPECT_EQ(statusOf(watch, "/api/fairness?range=20200101-001:20200101-120"), 404);  // no draw in it
    EXPECT_EQ(statusOf(watch, "/api/fairness?range=20261205-100:20261203-010"), 400);  // backwards
}

// The chart's rows and summary lines as quintara-chart's CSV writes them.
std::vector<std::string> csvLinesOf(const Json& chart) {
    const auto text = [](const Json& cell) { return cell.is_string() ? cell.get<std::string>() : cell.dump(); };
    std::vector<std::string> lines;
    for (const Json& row : chart["rows"]) {
        std::string line = row["issue"].get<std::string>() + "," + row["code"].get<std::string>();
        for (const Json& cell : row["cells"]) line.append(",").append(text(cell));
        lines.push_back(line);
    }
    for (const Json& summary : chart["summary"]) {
        std::string line = summary["caption"].get<std::string>() + ",";
        for (const Json& cell : summary["cells"]) line.append(",").append(text(cell));
        lines.push_back(line);
    }
    return lines;
}

TEST(ServedApi, ChartCellsAndSummaryAreTheChartToolsCsv) {
    ServedWatch watch(300);
    for (const std::string view : {"后三", "五星", "前二"}) {
        const Json chart = Json::parse(got(watch, "/api/chart?view=" + view + "&range=30"));
        EXPECT_EQ(chart["view"], view);
        EXPECT_EQ(chart["rows"].size(), 30U);
        std::vector<std::string> csv;
        const std::string printedCsv =
            printed(QUINTARA_CHART_PROGRAM, {"--view", view, "--range", "30", "--csv", "-"}, watch);
        for (std::size_t end = 0, begin = printedCsv.find("\r\n") + 2; begin < printedCsv.size(); begin = end + 2) {
            end = printedCsv.find("\r\n", begin);
            csv.push_back(printedCsv.substr(begin, end - begin));
        }
        EXPECT_EQ(csvLinesOf(chart), csv) << view;
    }
    EXPECT_EQ(Json::parse(got(watch, "/api/chart"))["view"], "后三");  // the page's view
    EXPECT_EQ(statusOf(watch, "/api/chart?view=六星"), 400);
    EXPECT_EQ(statusOf(watch, "/api/chart?range=0"), 400);
}

TEST(ServedApi, DrawsAreTheNewestHeldWithinTheirLimit) {
    ServedWatch watch(1500);
    const std::vector<Draw>& held = watch.follower.history().draws();
    const Json five = Json::parse(got(watch, "/api/draws?limit=5"));
    ASSERT_EQ(five.size(), 5U);
    for (std::size_t at = 0; at < 5; ++at) {
        EXPECT_EQ(five[at], (Json{{"issue", held[at].issue}, {"digits", held[at].text}}));
    }
    EXPECT_EQ(Json::parse(got(watch, "/api/draws")).size(), 30U);
    EXPECT_EQ(Json::parse(got(watch, "/api/draws?limit=1000")).size(), 1000U);
    for (const std::string limit : {"0", "1001", "-1", "+5", "5x", "", "99999999999999999999", "5&limit=6"}) {
        EXPECT_EQ(statusOf(watch, "/api/draws?limit=" + limit), 400) << limit;
    }
}

TEST(ServedApi, OmissionsAreTheStatisticsCurrentAbsencesWithTheAlertingCellsMarked) {
    const AlertRule rule{.when = AlertCondition::Current, .list = StatisticsList::Position1Omission, .atLeast = 5};
    ServedWatch watch(400, testing::loopbackSettings(), {rule});
    const Json omissions = Json::parse(got(watch, "/api/omissions"));
    const Json statistics = Json::parse(got(watch, "/api/statistics"));
    ASSERT_EQ(omissions["positions"].size(), 5U);
    int alerting = 0;
    for (std::size_t position = 0; position < 5; ++position) {
        const Json& shown = omissions["positions"][position];
        EXPECT_EQ(shown["list"], statistics["lists"][position]["name"]);
        for (const Json& row : statistics["lists"][position]["rows"]) {
            const Json& cell = shown["digits"][std::stoi(row[0].get<std::string>())];
            EXPECT_EQ(cell["digit"], row[0]);
            EXPECT_EQ(cell["current"], row[2]["current"]);
            const bool expected = position == 0 && row[2]["current"].get<int>() >= 5;
            EXPECT_EQ(cell["alerting"], expected) << position << " " << cell;
            alerting += expected ? 1 : 0;
        }
    }
    EXPECT_GT(alerting, 0);  // the draws made hold some digit of 万 back five draws
}

TEST(ServedApi, AlertsAreTheArchivesLogNewestFirstAndNewOnesOnTop) {
    const AlertRule rule{.when = AlertCondition::Current, .list = StatisticsList::Position5Omission, .atLeast = 1};
    ServedWatch watch(200, testing::loopbackSettings(), {rule});
    std::vector<std::string> logged = watch.follower.archive()->alertLog();
    ASSERT_FALSE(logged.empty());
    Json expected = Json::array();
    for (const std::string& record : logged) expected.push_back(Json::parse(record));
    EXPECT_EQ(Json::parse(got(watch, "/api/alerts?limit=1000")), expected);

    const HistoryChange change = watch.poll(successorOf(watch.follower.history().draws().front().issue) + "12345");
    ASSERT_FALSE(change.alerts.empty());
    const Json newest = Json::parse(got(watch, "/api/alerts?limit=2"));
    ASSERT_EQ(newest.size(), 2U);
    EXPECT_EQ(newest[0]["issue"], watch.follower.history().draws().front().issue);
    EXPECT_EQ(newest, Json::parse(got(watch, "/api/alerts?limit=2")));
    EXPECT_EQ(statusOf(watch, "/api/alerts?limit=1001"), 400);
}

TEST(ServedApi, HealthTellsTheNewestIssueTheDrawsHeldAndTheFailingPolls) {
    ServedWatch watch(250);
    Json health = Json::parse(got(watch, "/health"));
    EXPECT_EQ(health["newest_issue"], watch.follower.history().draws().front().issue);
    EXPECT_EQ(health["draws"], 250);
    EXPECT_TRUE(health["last_success"].is_null());
    EXPECT_EQ(health["push_channels"], Json::array());

    watch.poll();
    health = Json::parse(got(watch, "/health"));
    EXPECT_EQ(health["last_success"]["source"], "开奖接口");
    EXPECT_EQ(health["failures"], 0);

    watch.providers.answering = false;
    watch.poll();
    watch.poll();
    health = Json::parse(got(watch, "/health"));
    EXPECT_EQ(health["failures"], 2);
    EXPECT_EQ(health["failure_reason"], "HTTP 503");
    EXPECT_FALSE(health["last_success"].is_null());
}

TEST(ServedApi, TheOpenApiDocumentNamesEveryRouteThatAnswers) {
    ServedWatch watch(50);
    const Json document = Json::parse(got(watch, "/openapi.json"));
    EXPECT_EQ(document["openapi"].get<std::string>().substr(0, 2), "3.");
    std::set<std::string> documented;
    for (const auto& [path, operations] : document["paths"].items()) {
        documented.insert(path);
        EXPECT_TRUE(operations.contains("get")) << path;
        // HEAD: the event stream answers it without holding the connection.
        const auto reply = watch.client().Head(path);
        ASSERT_TRUE(reply) << path;
        EXPECT_EQ(reply->status, 200) << path;
    }
    EXPECT_EQ(documented, (std::set<std::string>{"/", "/health", "/openapi.json", "/api/draws", "/api/statistics",
                                                  "/api/alerts", "/api/omissions", "/api/chart", "/api/fairness",
                                                  "/api/events"}));
    for (const std::string path : {"/index.html", "/api", "/api/draws/", "/../etc/passwd", "/api/statistics.json"}) {
        EXPECT_EQ(statusOf(watch, path), 404) << path;
    }
}

}  // namespace
}  // namespace quintara
