// quintara-chart run as a process: a feed file in, the chart's PNG out.
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "shell/qt/trend_chart_painter.h"
#include "support/feed_document.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

int runTool(const std::vector<std::string>& arguments) {
    std::string command = QUINTARA_CHART_PROGRAM;
    for (const std::string& argument : arguments) command += " '" + argument + "'";
    const int status = std::system((command + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ChartTool, WritesTheChartOfTheNewestDrawsAsAPicture) {
    QTemporaryDir folder;
    const std::string feed = folder.filePath(u"feed.xml"_s).toStdString();
    std::ofstream(feed, std::ios::binary) << testing::feedDocument(testing::kFirstDrawsOf20180211);
    const std::string chart = folder.filePath(u"chart.png"_s).toStdString();

    ASSERT_EQ(runTool({feed, "-o", chart}), 0);
    EXPECT_EQ(QImage(QString::fromStdString(chart)).size(), ChartGeometry::size(6));
    ASSERT_EQ(runTool({"--draws", "30", feed, "-o", chart}), 0);
    EXPECT_EQ(QImage(QString::fromStdString(chart)).size(), ChartGeometry::size(6));

    std::ofstream(feed, std::ios::binary) << "<xml></xml>\n";
    EXPECT_EQ(runTool({feed, "-o", chart}), 1);
    EXPECT_EQ(runTool({"--draws", "40", feed, "-o", chart}), 2);
    EXPECT_EQ(runTool({feed}), 2);
    EXPECT_EQ(runTool({folder.filePath(u"missing.xml"_s).toStdString(), "-o", chart}), 2);
}

}  // namespace
}  // namespace quintara::qt
