#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <string>

#include "shell/main_window_names.h"
#include "draws/draw_history.h"
#include "gui/eventually.h"
#include "gui/provided_window.h"
#include "shell/qt/text.h"
#include "shell/statistics_refresh.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

using FullReloadGuiTest = ProvidedWindowTest;

TEST_F(FullReloadGuiTest, ClickingTheUpdateButtonShowsTheFeedNewestFirst) {
    auto* button = find<QPushButton>(names::kUpdateButton);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);

    auto* grid = find<QTableView>(names::kDrawGrid);
    ASSERT_NE(grid, nullptr);
    const QAbstractItemModel& model = *grid->model();
    ASSERT_EQ(model.rowCount(), 7);  // six draws and the empty row
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), u"开奖期号"_s);
    EXPECT_EQ(model.index(0, 1).data().toString(), u"20180211-006"_s);
    EXPECT_EQ(model.index(0, 2).data().toString(), u"91180"_s);
    EXPECT_EQ(model.index(5, 1).data().toString(), u"20180211-001"_s);
    EXPECT_EQ(model.index(5, 2).data().toString(), u"23780"_s);
    EXPECT_EQ(model.index(6, 1).data().toString(), QString());

    EXPECT_EQ(text(names::kNewestIssueLabel), u"20180211-006"_s);
    QString digits;
    for (const names::Name label : names::kNewestDigitLabels) digits += text(label);
    EXPECT_EQ(digits, u"91180"_s);
    EXPECT_EQ(window.controls().timer(names::kUpdateTimer).interval(), kPollingInterval);
    EXPECT_TRUE(button->isEnabled());
}

TEST_F(FullReloadGuiTest, AReloadFillsAllEighteenLists) {
    QTest::mouseClick(find<QPushButton>(names::kUpdateButton), Qt::LeftButton);
    int lists = 0;
    for (const ControlSpec& row : mainWindowLayout().controls) {
        if (row.kind != ControlKind::ListView) continue;
        ++lists;
        auto* list = find<QTableWidget>(row.name);
        ASSERT_NE(list, nullptr) << row.name;
        EXPECT_GT(list->rowCount(), 0) << row.name;
        EXPECT_FALSE(list->item(0, 1)->text().isEmpty()) << row.name;
    }
    EXPECT_EQ(lists, 18);
    // Six draws: 9 stands at 万 in the newest only, 2 only in the oldest.
    auto* wan = find<QTableWidget>(names::kPositionOmissionLists[0]);
    EXPECT_EQ(wan->item(0, 0)->text(), u"2"_s);
    EXPECT_EQ(wan->item(0, 1)->text(), u"5 期"_s);
    EXPECT_EQ(find<QTableWidget>(names::kPairFrequencyList)->rowCount(), 45);
    EXPECT_EQ(find<QTableWidget>(names::kPatternOmissionList)->rowCount(), 27);
}

TEST_F(FullReloadGuiTest, HoveringARowShowsTheDetailWrittenWithIt) {
    QTest::mouseClick(find<QPushButton>(names::kUpdateButton), Qt::LeftButton);
    auto* wan = find<QTableWidget>(names::kPositionOmissionLists[0]);
    // 2 stands at 万 in the oldest of the six draws only.
    const QString detail =
        u"当前遗漏 5 期 · 上次遗漏 0 期 · 最大遗漏 5 期 · 平均遗漏 2.50 期 · 最大连出 1 期 · "
        u"出现 1 次（理论 0.60 次，共 6 期）"_s;
    EXPECT_EQ(wan->item(0, 0)->toolTip(), detail);
    EXPECT_EQ(wan->item(0, 1)->toolTip(), detail);

    // What a resting pointer gets: the tool tip of the row under it.
    const QRect cell = wan->visualItemRect(wan->item(0, 1));
    QHelpEvent hover(QEvent::ToolTip, cell.center(), wan->viewport()->mapToGlobal(cell.center()));
    QCoreApplication::sendEvent(wan->viewport(), &hover);
    EXPECT_TRUE(eventually([] { return QToolTip::isVisible(); }));
    EXPECT_EQ(QToolTip::text(), detail);
    QToolTip::hideText();

    // Every row of every list: the rows a refresh computes, written once more.
    const Statistics written = RefreshStatistics(window.controls());
    for (const StatisticsList list : kStatisticsLists) {
        ASSERT_TRUE(written[list]) << nameOf(list);
        const ListRows& rows = *written[list];
        auto* table = find<QTableWidget>(nameOf(list));
        ASSERT_EQ(table->rowCount(), static_cast<int>(rows.size())) << nameOf(list);
        for (std::size_t item = 0; item < rows.size(); ++item) {
            EXPECT_EQ(table->item(static_cast<int>(item), 0)->toolTip(), toQString(rows[item].detail.toolTip));
        }
    }
}

}  // namespace
}  // namespace quintara::qt
