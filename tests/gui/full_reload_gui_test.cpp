#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "shell/main_window_names.h"
#include "shell/draw_history.h"
#include "gui/eventually.h"
#include "gui/provided_window.h"
#include "shell/qt/platform/text.h"
#include "shell/statistics_refresh.h"
#include "stats/row_tool_tip.h"

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

// The tool tip on display: Qt's own label, a top-level widget.
const QWidget* shownToolTip() {
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QTipLabel") && widget->isVisible()) return widget;
    }
    return nullptr;
}

TEST_F(FullReloadGuiTest, HoveringARowShowsItsToolTipShortLinesNamingTheRow) {
    QTest::mouseClick(find<QPushButton>(names::kUpdateButton), Qt::LeftButton);
    auto* wan = find<QTableWidget>(names::kPositionOmissionLists[0]);
    // 2 stands at 万 in the oldest of the six draws only.
    const QString detail =
        u"万位 2\n当前遗漏 5 期\n遗漏概率 59.05%\n上次遗漏 0 期\n最大遗漏 5 期\n平均遗漏 2.50 期\n最大连出 1 期\n"
        u"共 6 期\n出现 1 次\n理论出现 0.60 次"_s;
    EXPECT_EQ(wan->item(0, 0)->toolTip(), detail);
    EXPECT_EQ(wan->item(0, 1)->toolTip(), detail);

    // What a resting pointer gets: the tool tip of the row under it, at most
    // about 320 px wide.
    const QRect cell = wan->visualItemRect(wan->item(0, 1));
    QHelpEvent hover(QEvent::ToolTip, cell.center(), wan->viewport()->mapToGlobal(cell.center()));
    QCoreApplication::sendEvent(wan->viewport(), &hover);
    EXPECT_TRUE(eventually([] { return shownToolTip() != nullptr; }));
    EXPECT_EQ(QToolTip::text(), detail);
    ASSERT_NE(shownToolTip(), nullptr);
    EXPECT_LE(shownToolTip()->width(), 320);
    QToolTip::hideText();
}

TEST_F(FullReloadGuiTest, EveryRowsToolTipNamesItsItemFirstInShortLines) {
    QTest::mouseClick(find<QPushButton>(names::kUpdateButton), Qt::LeftButton);
    // What each list counts, in the lists' order.
    const std::array<QString, kStatisticsListCount> kinds{
        u"万位"_s, u"千位"_s, u"百位"_s, u"十位"_s,     u"个位"_s,     u"后三"_s,     u"后三"_s,
        u"中三"_s, u"前三"_s, u"五星"_s, u"双胆"_s,     u"和尾"_s,     u"跨度"_s,     u"胆码"_s,
        u"前三胆码"_s, u"中三胆码"_s, u"后三胆码"_s, u"形态"_s};
    const QFontMetrics metrics(QToolTip::font());
    // Every row of every list: the rows a refresh computes, written once more.
    const Statistics written = RefreshStatistics(window.controls());
    for (const StatisticsList list : kStatisticsLists) {
        ASSERT_TRUE(written[list]) << nameOf(list);
        const ListRows& rows = *written[list];
        auto* table = find<QTableWidget>(nameOf(list));
        ASSERT_EQ(table->rowCount(), static_cast<int>(rows.size())) << nameOf(list);
        for (int item = 0; item < table->rowCount(); ++item) {
            const QString tip = table->item(item, 0)->toolTip();
            EXPECT_EQ(tip, toQString(rowToolTip(list, rows[static_cast<std::size_t>(item)])));
            const QStringList lines = tip.split(u'\n');
            EXPECT_EQ(lines.front(), kinds[indexOf(list)] + u' ' + table->item(item, 0)->text());
            EXPECT_GE(lines.size(), 8) << nameOf(list);
            for (const QString& line : lines) {
                EXPECT_LE(metrics.horizontalAdvance(line), 300) << line.toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace quintara::qt
