#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "shell/main_window_names.h"
#include "shell/draw_history.h"
#include "gui/provided_window.h"
#include "shell/qt/window/qt_controls.h"
#include "shell/qt/platform/text.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

// The real window polling a loopback provider whose newly-open list holds the
// draw after the feed's newest and answers only after a pause.
class LatestDrawGuiTest : public ProvidedWindowTest {
protected:
    LatestDrawGuiTest()
        : ProvidedWindowTest([this](httplib::Server& routes) {
              routes.Get(std::string(kNewlyOpenListPath),
                         [this](const httplib::Request&, httplib::Response& response) {
                             ++listRequests;
                             std::this_thread::sleep_for(400ms);
                             response.set_content(
                                 "<row expect=\"20180211007\" opencode=\"5,0,1,2,3\" opentime=\"x\"/>\n",
                                 "text/xml");
                         });
          }) {
        QTest::mouseClick(button(), Qt::LeftButton);
    }

    QPushButton* button() { return find<QPushButton>(names::kUpdateButton); }
    QAbstractItemModel& grid() { return *find<QTableView>(names::kDrawGrid)->model(); }

    std::atomic<int> listRequests = 0;
};

TEST_F(LatestDrawGuiTest, ATickAddsTheNewDrawAtRowOneAndRefreshesTheLists) {
    ASSERT_EQ(grid().rowCount(), 7);
    application.updateTick();
    ASSERT_EQ(grid().rowCount(), 8);
    EXPECT_EQ(grid().index(0, 1).data().toString(), u"20180211-007"_s);
    EXPECT_EQ(grid().index(0, 2).data().toString(), u"50123"_s);
    EXPECT_EQ(grid().index(1, 1).data().toString(), u"20180211-006"_s);
    EXPECT_EQ(text(names::kNewestIssueLabel), u"20180211-007"_s);
    EXPECT_EQ(text(names::kNewestDigitLabels[0]), u"5"_s);
    EXPECT_EQ(text(names::kNewestDigitLabels[4]), u"3"_s);
    EXPECT_TRUE(toUtf8(toQString(window.controls().statusBar(names::kStatusBar).partText(0)))
                    .starts_with("提示：奖号于"));
    auto* wan = qobject_cast<QTableWidget*>(window.widget(names::kPositionOmissionLists[0]));
    const auto newest = wan->findItems(u"5"_s, Qt::MatchExactly);
    ASSERT_FALSE(newest.isEmpty());
    EXPECT_EQ(wan->item(newest.front()->row(), 1)->text(), u"0 期"_s);
    EXPECT_EQ(window.controls().timer(names::kUpdateTimer).interval(), 8000);

    // The same list again: the draw is no longer newer.
    application.updateTick();
    EXPECT_EQ(grid().rowCount(), 8);
}

TEST_F(LatestDrawGuiTest, TicksAndClicksDuringTheWaitStartNothing) {
    auto& updateTimer = dynamic_cast<QtTimer&>(window.controls().timer(names::kUpdateTimer));
    bool disabledDuringWait = false;
    // While the list is awaited the update timer falls due again and again,
    // and the user clicks the update button.
    QTimer::singleShot(100ms, [&] {
        updateTimer.setInterval(20);
        disabledDuringWait = !button()->isEnabled();
        QTest::mouseClick(button(), Qt::LeftButton);
    });
    application.updateTick();
    EXPECT_TRUE(disabledDuringWait);
    EXPECT_TRUE(button()->isEnabled());
    EXPECT_EQ(listRequests.load(), 1);
    ASSERT_EQ(grid().rowCount(), 8);
    EXPECT_EQ(grid().index(0, 1).data().toString(), u"20180211-007"_s);
    EXPECT_EQ(grid().index(1, 1).data().toString(), u"20180211-006"_s);
    EXPECT_EQ(updateTimer.interval(), 8000);
}

}  // namespace
}  // namespace quintara::qt
