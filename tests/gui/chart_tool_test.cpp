// quintara-chart run as a process: a feed file in, the chart's PNG out, and
// one line on standard error when it cannot write one.
#include <QImage>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/qt/trend_chart_painter.h"
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

    testing::ScratchFolder folder;
    const std::string feed = folder.file("feed.xml");
    const std::string chart = folder.file("chart.png");
};

TEST_F(ChartTool, WritesTheChartOfTheNewestDrawsAsAPicture) {
    testing::putFile(feed, testing::feedDocument(testing::kFirstDrawsOf20180211));

    const ToolRun written = run({feed, "-o", chart});
    ASSERT_EQ(written.status, 0);
    EXPECT_EQ(written.err, "");  // nor a word from Qt
    EXPECT_EQ(chartSize(), ChartGeometry::size(6));
    ASSERT_EQ(run({"--draws", "30", feed, "-o", chart}).status, 0);
    EXPECT_EQ(chartSize(), ChartGeometry::size(6));
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
    const std::vector<Refusal> refusals = {
        {{empty, "-o", chart}, 1, "no draws in feed"},
        {{missing, "-o", chart}, 2, "cannot read " + missing + ": No such file or directory"},
        {{feed, "-o", nowhere}, 2, "cannot write " + nowhere + ": No such file or directory"},
        {{"--draws", "40", feed, "-o", chart}, 2, "--draws: 40 not in {30,50,100,200,500}"},
        {{feed}, 2, "-o is required"},
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
    for (const char* option : {"FEED", "-o CHART.png", "--draws N", "--version"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    const ToolRun version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_THAT(version.out, ::testing::MatchesRegex("quintara-chart [0-9]+\\.[0-9]+\n"));
}

}  // namespace
}  // namespace quintara::qt
