// The fairness window over the real main window's history, offscreen.
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <numeric>

#include "shell/draw_history.h"
#include "fairness/made_draws.h"
#include "gui/eventually.h"
#include "gui/provided_window.h"
#include "shell/main_window_names.h"
#include "shell/qt/fairness/backtest_page.h"
#include "shell/qt/fairness/fairness_tests_page.h"
#include "shell/qt/fairness/fairness_window.h"
#include "shell/qt/window/grid_menu.h"
#include "shell/qt/fairness/hit_rate_chart.h"
#include "shell/qt/fairness/p_value_histogram.h"
#include "shell/qt/common/range_chooser.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

class FairnessWindowTest : public ProvidedWindowTest {
protected:
    FairnessWindowTest() { QTest::mouseClick(find<QPushButton>(names::kUpdateButton), Qt::LeftButton); }

    [[nodiscard]] DrawHistory history() const { return DrawHistory(window.controls().grid(names::kDrawGrid)); }
    [[nodiscard]] QString cell(int row, int column) { return fairness.tests().table().item(row, column)->text(); }

    using DigitAt = std::function<int(testing::Game&, int position, const std::string& before)>;

    // `count` draws in the grid, generated as the fairness tests generate
    // them: each digit from `digitAt`, a fair game's unless told.
    void holdGenerated(int count, std::uint32_t seed, const DigitAt& digitAt = [](testing::Game& game, int,
                                                                                   const std::string&) {
        return game.fairDigit();
    }) {
        testing::Game game(seed);
        const testing::History made(game.draws(
            count, [&](int position, const std::string& before) { return digitAt(game, position, before); }));
        history().replaceWith(made.draws());
    }

    FairnessWindow fairness{window};
};

TEST_F(FairnessWindowTest, OpensFromTheGridsMenuBesideTheMainWindowAndFollowsTheHistory) {
    auto* grid = find<QTableView>(names::kDrawGrid);
    const GridMenu menu(window, {{u"走势图"_s, [] {}}, {u"公平性检验"_s, [this] { fairness.open(); }}});
    QStringList captions;
    QTimer::singleShot(0, [&captions] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        for (QAction* action : popup->actions()) captions << action->text();
        popup->actions().at(1)->trigger();
        popup->close();
    });
    emit grid->customContextMenuRequested(QPoint(10, 10));
    EXPECT_EQ(captions, (QStringList{u"走势图"_s, u"公平性检验"_s}));
    ASSERT_TRUE(fairness.isVisible());
    EXPECT_EQ(fairness.windowTitle(), u"公平性检验"_s);
    EXPECT_TRUE(window.screen()->availableGeometry().contains(fairness.frameGeometry()));

    // The six draws of the provider: too few for any test.
    EXPECT_EQ(fairness.tests().verdict(), u"只有6期，期数不足，做不了任何一项检验"_s);
    EXPECT_EQ(fairness.tests().table().rowCount(), 31);
    EXPECT_EQ(cell(0, 0), u"频率"_s);
    EXPECT_EQ(cell(0, 1), u"万位"_s);
    EXPECT_EQ(cell(0, 4), u"期数不足"_s);
    EXPECT_EQ(cell(0, 6), u"万位上0到9每个数字是否各占十分之一"_s);
    EXPECT_EQ(cell(25, 3), u"-"_s);  // runs: no degrees of freedom

    history().insertNewestDraw("20180211-007", "55555");
    EXPECT_TRUE(eventually([this] { return fairness.tests().verdict().startsWith(u"只有7期"_s); }));
    QTest::keyClick(&fairness, Qt::Key_Escape);
    EXPECT_FALSE(fairness.isVisible());
}

TEST_F(FairnessWindowTest, TellsTheVerdictOfTheRangeChosenWithItsHistogram) {
    holdGenerated(2000, 5);
    fairness.open();
    EXPECT_TRUE(fairness.tests().verdict().startsWith(u"在2000期中未发现偏离公平的证据（最小校正p值 "_s))
        << fairness.tests().verdict().toStdString();
    EXPECT_TRUE(fairness.tests().detectable().contains(u"以这2000期"_s));
    // All 31 tests have a p-value at 2000 draws; a fair game expects 3.1 a bin.
    const auto& bins = fairness.tests().histogram().bins();
    EXPECT_EQ(std::accumulate(bins.begin(), bins.end(), 0), 31);
    EXPECT_DOUBLE_EQ(fairness.tests().histogram().fairHeight(), 3.1);

    fairness.range().setRange(DrawRange::lastDraws(1000));
    EXPECT_TRUE(fairness.tests().verdict().startsWith(u"在1000期中"_s));
    EXPECT_EQ(fairness.range().note(), u""_s);
    fairness.range().setRange(DrawRange::lastDraws(5000));
    EXPECT_EQ(fairness.range().note(), u"仅有2000期"_s);
    EXPECT_TRUE(fairness.tests().verdict().startsWith(u"在2000期中"_s));
    fairness.range().setRange(DrawRange::issues("20190102-001", "20190101-001"));
    EXPECT_EQ(fairness.range().note(), u"期号段有误"_s);
    fairness.range().setRange(DrawRange::issues("20190101-001", "20190117-080"));  // every draw held
    EXPECT_EQ(fairness.range().note(), u""_s);
    EXPECT_TRUE(fairness.tests().verdict().startsWith(u"在2000期中"_s));
}

TEST_F(FairnessWindowTest, MarksTheTestsThatFindAPlantedFault) {
    holdGenerated(20000, 6, [](testing::Game& game, int position, const std::string& before) {
        return position == 1 ? before[0] - '0' : game.fairDigit();
    });
    fairness.open();
    // 千位 copies 万位 in every draw: their pair and both forms are far off.
    EXPECT_TRUE(fairness.tests().verdict().startsWith(u"在20000期中发现偏离公平的证据：二码 万千（校正p值 "_s))
        << fairness.tests().verdict().toStdString();
    const QColor pairs = fairness.tests().table().item(6, 0)->foreground().color();
    const QColor wanFrequency = fairness.tests().table().item(0, 0)->foreground().color();
    EXPECT_GT(pairs.red(), 150);
    EXPECT_LT(pairs.green(), 100);
    EXPECT_NE(wanFrequency, pairs);
}

TEST_F(FairnessWindowTest, BacktestsTheRuleChosenAndDrawsItsHitRate) {
    holdGenerated(2000, 8);
    fairness.open();
    fairness.pages().setCurrentWidget(&fairness.backtest());
    EXPECT_TRUE(fairness.backtest().figures().startsWith(u"下注 1999 次，命中 "_s))
        << fairness.backtest().figures().toStdString();
    EXPECT_TRUE(fairness.backtest().figures().contains(u"（公平 30.00%）"_s));
    EXPECT_EQ(fairness.backtest().chart().rates().size(), 1999U);

    fairness.backtest().setRequest({.rule = BacktestRule::Hot, .position = 3, .k = 2, .window = 30});
    EXPECT_TRUE(fairness.backtest().figures().startsWith(u"下注 1970 次"_s));
    EXPECT_TRUE(fairness.backtest().figures().contains(u"（公平 20.00%）"_s));
    EXPECT_EQ(fairness.backtest().request().window, 30);
    EXPECT_FALSE(fairness.backtest().verdict().isEmpty());
    // The newest 1000 draws, bet on from the draws before them too.
    fairness.range().setRange(DrawRange::lastDraws(1000));
    EXPECT_TRUE(fairness.backtest().figures().startsWith(u"下注 1000 次"_s));
    const std::vector<double>& rates = fairness.backtest().chart().rates();
    ASSERT_EQ(rates.size(), 1000U);
    EXPECT_GE(rates.front(), 0);
    EXPECT_LE(rates.back(), 1);
}

}  // namespace
}  // namespace quintara::qt
