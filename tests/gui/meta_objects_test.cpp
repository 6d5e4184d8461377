// The shell's QObjects declare themselves to Qt's meta-object system: a
// qobject_cast finds each, and each tells its own class's name.
#include <QTableView>

#include <gtest/gtest.h>

#include "shell/main_window_names.h"
#include "shell/main_window_layout.h"
#include "shell/qt/window/main_window.h"
#include "shell/qt/window/qt_controls.h"
#include "shell/qt/chart/trend_chart_opener.h"

namespace quintara::qt {
namespace {

TEST(MetaObjects, EachShellQObjectIsFoundAsItsOwnClass) {
    MainWindow window(mainWindowLayout());
    TrendChartOpener opener(window);
    opener.open();
    TrendChartWindow& chart = *opener.chart();
    auto* grid = qobject_cast<QTableView*>(window.widget(names::kDrawGrid));
    ASSERT_NE(grid, nullptr);

    EXPECT_EQ(qobject_cast<MainWindow*>(static_cast<QObject*>(&window)), &window);
    EXPECT_EQ(qobject_cast<TrendChartOpener*>(static_cast<QObject*>(&opener)), &opener);
    EXPECT_EQ(qobject_cast<TrendChartWindow*>(static_cast<QObject*>(&chart)), &chart);
    EXPECT_EQ(chart.findChild<TrendChartView*>(), &chart.view());
    EXPECT_EQ(chart.findChild<TrendChartChoosers*>(), &chart.choosers());
    EXPECT_NE(qobject_cast<GridModel*>(grid->model()), nullptr);
    EXPECT_STREQ(window.metaObject()->className(), "quintara::qt::MainWindow");
    EXPECT_STREQ(chart.view().metaObject()->className(), "quintara::qt::TrendChartView");
    EXPECT_STREQ(chart.choosers().metaObject()->className(), "quintara::qt::TrendChartChoosers");
}

}  // namespace
}  // namespace quintara::qt
