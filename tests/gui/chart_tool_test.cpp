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

class ChartTool : public ::testing::Test {
protected:
    // Runs the tool with its user data and settings folders in the test's own.
    [[nodiscard]] int runTool(const std::vector<std::string>& arguments) const {
        const std::string home = "'" + folder.path().toStdString() + "'";
        std::string command =
            "XDG_DATA_HOME=" + home + " XDG_CONFIG_HOME=" + home + " " + QUINTARA_CHART_PROGRAM;
        for (const std::string& argument : arguments) command += " '" + argument + "'";
        const int status = std::system((command + " 2>/dev/null").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    QTemporaryDir folder;
};

TEST_F(ChartTool, WritesTheChartOfTheNewestDrawsAsAPicture) {
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
