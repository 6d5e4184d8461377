// quintara-chart run as a process: a feed file in, the chart's PNG out, and
// one line on standard error when it cannot write one.
#include <QImage>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive/draw_archive.h"
#include "shell/qt/chart/trend_chart_painter.h"
#include "support/feed_document.h"
#include "support/tool_process.h"

namespace quintara::qt {
namespace {

using testing::ToolRun;

class ChartTool : public ::testing::Test {
protected:
    [[nodiscard]] ToolRun run(const std::vector<std::string>& arguments) const {
        return testing::runTool(QUINTARA_CHART_PROGRAM, arguments, folder);
    }
    [[nodiscard]] QSize chartSize() const { return QImage(QString::fromStdString(chart)).size(); }
    // The size of a chart of `rows` draws, its summary and its footer.
    [[nodiscard]] static int chartHeight(int rows) {
        return ChartLayout::rowTop(rows + 4) + ChartLayout::kCell;
    }

    testing::ScratchFolder folder;
    const std::string feed = folder.file("feed.xml");
    const std::string chart = folder.file("chart.png");
};

TEST_F(ChartTool, WritesTheChartOfTheNewestDrawsAsAPicture) {
    testing::putFile(feed, testing::feedDocument(testing::kFirstDrawsOf20180211));

    const ToolRun written = run({feed, "-o", chart});
    ASSERT_EQ(written.status, 0);
    EXPECT_EQ(written.err, "");  // nor a word from Qt
    EXPECT_EQ(chartSize().height(), chartHeight(6));
    ASSERT_EQ(run({"--draws", "2", feed, "-o", chart}).status, 0);
    EXPECT_EQ(chartSize().height(), chartHeight(2));
}

// The lines of a CSV table, without their CR LF.
std::vector<std::string> linesOf(const std::string& csv) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < csv.size();) {
        const std::size_t end = csv.find("\r\n", at);
        lines.push_back(csv.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

TEST_F(ChartTool, WritesTheTableOfAViewItsSectionsAndARange) {
    testing::putFile(feed, testing::feedDocument(testing::kFirstDrawsOf20180211));
    const std::string table = folder.file("chart.csv");
    // 后三 of the newest three: 574 (sum 16), 443 (11, 组三), 180 (9).
    const ToolRun written =
        run({"--view", "后三", "--sections", "和值,形态", "--range", "3", "--csv", table, "-o", chart, feed});
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_EQ(written.err, "");
    const std::vector<std::string> lines = linesOf(testing::fileBytes(table));
    ASSERT_EQ(lines.size(), 1U + 3 + 4);
    EXPECT_TRUE(lines[0].starts_with("期号,开奖号码,百位0,")) << lines[0];
    EXPECT_TRUE(lines[0].ends_with(
        ",分布9,和值0,和值1,和值2,和值3,和值4,和值5,和值6,和值7,和值8,和值9,和值10,和值11,和值12,"
        "和值13,和值14,和值15,和值16,和值17,和值18,和值19,和值20,和值21,和值22,和值23,和值24,"
        "和值25,和值26,和值27,组六,组三,豹子"))
        << lines[0];
    // 91180: 和值9 drawn (its cell 0, its omission); 10, 11, 15, 16 and 17
    // drawn 4, 1, 5, 2 and 3 draws before; 组六 drawn, 组三 a draw before,
    // 豹子 in none of the six draws read.
    EXPECT_TRUE(lines[3].starts_with("20180211-006,91180,")) << lines[3];
    EXPECT_TRUE(lines[3].ends_with(",6,6,0,4,1,6,6,6,5,2,3,6,6,6,6,6,6,6,6,6,6,0,1,6")) << lines[3];
    EXPECT_EQ(chartSize(), QImage(QString::fromStdString(chart)).size());
    EXPECT_EQ(chartSize().height(), chartHeight(3));

    // An issue range, written to standard output: its top row's omissions
    // count from the draw before it (万位2 of 23780).
    const ToolRun range = run({"--range", "20180211-002:20180211-003", "--sections", "", "--csv", "-", feed});
    ASSERT_EQ(range.status, 0) << range.err;
    const std::vector<std::string> rows = linesOf(range.out);
    ASSERT_EQ(rows.size(), 1U + 2 + 4);
    EXPECT_TRUE(rows[0].ends_with(",分布9")) << rows[0];
    EXPECT_TRUE(rows[1].starts_with("20180211-002,48550,2,2,1,2,0,")) << rows[1];
    EXPECT_EQ(linesOf(run({"--range", "today", "--csv", "-", feed}).out).size(), 1U + 6 + 4);

    // all: every section of the view, as when none is named.
    const ToolRun every = run({"--view", "后三", "--sections", "all", "--csv", "-", feed});
    ASSERT_EQ(every.status, 0) << every.err;
    EXPECT_EQ(every.out, run({"--view", "后三", "--csv", "-", feed}).out);
    EXPECT_TRUE(linesOf(every.out)[0].ends_with(",质合比0:3,012路")) << every.out;
}

TEST_F(ChartTool, ReadsTheDrawArchiveInsteadOfAFeed) {
    std::vector<Draw> draws;
    for (const testing::FeedDraw& draw : testing::kFirstDrawsOf20180211) {
        draws.push_back(
            {"20" + std::string(draw.issue.substr(0, 6)) + "-" + std::string(draw.issue.substr(6)),
             std::string(draw.digits)});
    }
    std::vector<DrawView> views;
    for (const Draw& draw : draws) views.push_back({draw.issue, draw.text});
    // The program's own archive, where the test's data folder puts it.
    DrawArchive(ArchivePlace{.file = folder.path() / "quintara" / "draws.sqlite", .makeFolder = true})
        .record(views, DrawOrigin::Feed, 0);
    const std::string other = folder.file("other.sqlite");
    DrawArchive(other).record(std::span(views).first(2), DrawOrigin::Import, 0);

    const ToolRun own = run({"--archive", "--csv", "-"});
    ASSERT_EQ(own.status, 0) << own.err;
    EXPECT_EQ(linesOf(own.out).size(), 1U + 6 + 4);
    EXPECT_TRUE(linesOf(own.out)[6].starts_with("20180211-006,91180,")) << own.out;
    const ToolRun named = run({"--archive", other, "--csv", "-"});
    ASSERT_EQ(named.status, 0) << named.err;
    EXPECT_EQ(linesOf(named.out).size(), 1U + 2 + 4);
}

// An argument or a file the tool cannot take, and what it says on standard error.
struct Refusal {
    std::vector<std::string> arguments;
    int status = 0;
    std::string reason;  // after "quintara-chart: "
};

TEST_F(ChartTool, SaysOnOneLineWhyItWritesNoChart) {
    testing::putFile(feed, testing::feedDocument(testing::kFirstDrawsOf20180211));
    const std::string empty = folder.file("empty.xml");
    testing::putFile(empty, "<xml></xml>\n");
    const std::string missing = folder.file("missing.xml");
    const std::string nowhere = folder.file("missing/chart.png");
    const std::string noArchive = folder.file("none.sqlite");
    const std::string emptyArchive = folder.file("empty.sqlite");
    const DrawArchive created(emptyArchive);
    const std::string ranges = "wants N (1 to 1000), today, 3d, 7d or FROM:TO, not ";
    const std::vector<Refusal> refusals = {
        {{empty, "-o", chart}, 1, "no draws in feed"},
        {{"--archive", emptyArchive, "-o", chart}, 1, "no draws in the archive"},
        {{missing, "-o", chart}, 2, "cannot read " + missing + ": No such file or directory"},
        {{"--archive", noArchive, "-o", chart}, 2, "cannot read " + noArchive + ": no such file"},
        {{"--archive", empty, "-o", chart}, 2, "cannot read " + empty + ": file is not a database"},
        {{feed, "-o", nowhere}, 2, "cannot write " + nowhere + ": No such file or directory"},
        {{feed, "--csv", nowhere}, 2, "cannot write " + nowhere + ": No such file or directory"},
        {{"--draws", "0", feed, "-o", chart}, 2, "--draws: " + ranges + "\"0\""},
        {{"--range", "1001", feed, "-o", chart}, 2, "--range: " + ranges + "\"1001\""},
        {{"--range", "yesterday", feed, "-o", chart}, 2, "--range: " + ranges + "\"yesterday\""},
        {{"--range", "20180211-003:20180211-001", feed, "-o", chart},
         2,
         "--range: FROM:TO wants two issues, the first not after the last, not "
         "\"20180211-003:20180211-001\""},
        {{"--range", "20180211-001:20180222-001", feed, "-o", chart},
         2,
         "--range: \"20180211-001:20180222-001\" spans 1321 issues, more than 1000"},
        {{"--view", "五五", feed, "-o", chart}, 2, "--view: 五五 not in {五星,前三,中三,后三,前二,后二}"},
        {{"--view", "后三", "--sections", "和值,龙虎", feed, "-o", chart},
         2,
         "--sections: 后三 has no section \"龙虎\"; it has 和值,跨度,形态,大小比,奇偶比,质合比,012路 or all"},
        {{"--sections", "形态", feed, "-o", chart},
         2,
         "--sections: 五星 has no section \"形态\"; it has 和值,跨度,大小比,奇偶比,质合比,012路,龙虎 or all"},
        {{feed}, 2, "-o or --csv is required"},
        {{"-o", chart}, 2, "FEED or --archive is required"},
        {{"--archive", "-o", chart, feed}, 2, "FEED excludes --archive"},
        {{feed, "-o", chart, "--verbose"}, 2, "The following argument was not expected: --verbose"},
    };
    for (const Refusal& refusal : refusals) {
        const ToolRun result = run(refusal.arguments);
        EXPECT_EQ(result.status, refusal.status) << refusal.reason;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "quintara-chart: " + refusal.reason + "\n");
    }
}

TEST_F(ChartTool, ExplainsItsOptionsAndVersionOnStandardOutput) {
    const ToolRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    for (const char* option :
         {"FEED", "-o CHART.png", "--csv FILE", "--view NAME", "--sections LIST",
          "--range N|today|3d|7d|FROM:TO", "--archive [PATH]", "--draws N", "--version"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    const ToolRun version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_THAT(version.out, ::testing::MatchesRegex("quintara-chart [0-9]+\\.[0-9]+\n"));
}

}  // namespace
}  // namespace quintara::qt
