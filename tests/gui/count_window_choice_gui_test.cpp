// A choice in a count-window box of the real window takes effect at once: the
// list counted over that window is written again, and only it.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <string>
#include <thread>

#include "shell/draw_history.h"
#include "gui/provided_window.h"
#include "shell/main_window_names.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

// The first six draws of 11 February 2018 and ten newer 00000, so that
// 统计10期 counts only the newer ones.
constexpr std::array<quintara::testing::FeedDraw, 16> kSixteenDraws{{
    {"180211001", "23780"}, {"180211002", "48550"}, {"180211003", "49773"}, {"180211004", "37574"},
    {"180211005", "04443"}, {"180211006", "91180"}, {"180211007", "00000"}, {"180211008", "00000"},
    {"180211009", "00000"}, {"180211010", "00000"}, {"180211011", "00000"}, {"180211012", "00000"},
    {"180211013", "00000"}, {"180211014", "00000"}, {"180211015", "00000"}, {"180211016", "00000"},
}};

// The window over those 16 draws, its lists written over them. Its
// newly-open list gives the draw after the feed's newest, after a pause.
class CountWindowChoiceGuiTest : public ProvidedWindowTest {
protected:
    CountWindowChoiceGuiTest()
        : ProvidedWindowTest([](httplib::Server& routes) {
              routes.Get(std::string(kNewlyOpenListPath),
                         [](const httplib::Request&, httplib::Response& response) {
                             std::this_thread::sleep_for(400ms);
                             response.set_content(
                                 "<row expect=\"20180211017\" opencode=\"1,1,1,1,1\" opentime=\"x\"/>\n",
                                 "text/xml");
                         });
          }, kSixteenDraws) {
        QTest::mouseClick(find<QPushButton>(names::kUpdateButton), Qt::LeftButton);
    }

    void refresh() { QTest::mouseClick(find<QPushButton>(names::kRefreshButton), Qt::LeftButton); }
    // The user picks the box's last item, 统计所有, with the keyboard.
    void chooseAll(names::Name box) {
        auto* combo = find<QComboBox>(box);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_End);
        ASSERT_EQ(combo->currentText(), u"统计所有"_s);
    }
    // The list's rows, "column 0:column 1".
    QStringList rows(names::Name list) {
        auto* table = find<QTableWidget>(list);
        QStringList shown;
        for (int row = 0; row < table->rowCount(); ++row) {
            shown << table->item(row, 0)->text() + u':' + table->item(row, 1)->text();
        }
        return shown;
    }

    DrawHistory history{window.controls().grid(names::kDrawGrid)};
};

TEST_F(CountWindowChoiceGuiTest, ChoosingAllRewritesItsOwnListAtOnceAsARefreshWould) {
    const QStringList overTen = rows(names::kBackThreeFrequencyList);
    EXPECT_EQ(overTen.front(), u"0:30次"_s);
    // The program's own selection is no choice.
    window.controls().comboBox(names::kBackThreeCountWindowBox).setSelectedIndex(4);
    EXPECT_EQ(rows(names::kBackThreeFrequencyList), overTen);
    window.controls().comboBox(names::kBackThreeCountWindowBox).setSelectedIndex(0);

    // A draw comes that no refresh has counted yet.
    history.insertNewestDraw("20180211-017", "11111");
    const QStringList middleThree = rows(names::kMiddleThreeFrequencyList);
    chooseAll(names::kBackThreeCountWindowBox);
    const QStringList overAll = rows(names::kBackThreeFrequencyList);
    EXPECT_NE(overAll, overTen);
    EXPECT_EQ(rows(names::kMiddleThreeFrequencyList), middleThree);  // not its box's

    refresh();
    EXPECT_EQ(rows(names::kBackThreeFrequencyList), overAll);
    EXPECT_NE(rows(names::kMiddleThreeFrequencyList), middleThree);
}

TEST_F(CountWindowChoiceGuiTest, AChoiceDuringAPollsWaitTakesEffectWhenThePollEnds) {
    find<QCheckBox>(names::kAutoRefreshBox)->setChecked(false);  // the poll rewrites no list
    const QStringList before = rows(names::kPairFrequencyList);
    QStringList duringWait;
    QTimer::singleShot(100ms, [&] {
        chooseAll(names::kPairFrequencyCountWindowBox);
        duringWait = rows(names::kPairFrequencyList);
    });
    application.updateTick();
    EXPECT_EQ(duringWait, before);
    ASSERT_EQ(history.newestIssue(), "20180211-017");
    const QStringList afterPoll = rows(names::kPairFrequencyList);
    EXPECT_NE(afterPoll, before);
    refresh();
    EXPECT_EQ(rows(names::kPairFrequencyList), afterPoll);
}

}  // namespace
}  // namespace quintara::qt
