// What the real window shows of polls that leave a hole, and of sources that
// fail: a marked row after the hole, and the status part's tool tip.
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <mutex>
#include <string>

#include "gui/provided_window.h"
#include "shell/main_window_names.h"
#include "shell/qt/window/history_hole_marks.h"
#include "support/latest_draw_host.h"

namespace quintara::qt {
namespace {

using namespace Qt::StringLiterals;

// The window on a provider whose lottery API and flash data are missing
// (404) and whose newly-open list answers what the test sets, 503 while it
// sets nothing.
class PollMarksGuiTest : public ProvidedWindowTest {
protected:
    PollMarksGuiTest()
        : ProvidedWindowTest([this](httplib::Server& routes) {
              routes.Get(std::string(kNewlyOpenListPath),
                         [this](const httplib::Request&, httplib::Response& response) {
                             const std::scoped_lock lock(listMutex_);
                             if (list_.empty()) {
                                 response.status = 503;
                                 return;
                             }
                             response.set_content(list_, "text/xml");
                         });
          }) {
        QTest::mouseClick(find<QPushButton>(names::kUpdateButton), Qt::LeftButton);
    }

    void setList(const std::string& issue) {
        const std::scoped_lock lock(listMutex_);
        list_ = quintara::testing::listOf({{issue, "5,0,1,2,3"}});
    }
    QTableView& grid() { return *find<QTableView>(names::kDrawGrid); }
    QVariant cell(int row, int column, int role) { return grid().model()->index(row, column).data(role); }
    QString statusText() { return statusPart().text(); }
    QStringList statusToolTip() { return statusPart().toolTip().split(u'\n'); }

private:
    QLabel& statusPart() { return *find<QWidget>(names::kStatusBar)->findChildren<QLabel*>().front(); }

    std::mutex listMutex_;
    std::string list_;
};

TEST_F(PollMarksGuiTest, TheDrawAfterAHoleNoSourceClosesIsMarkedAndTheStatusShownWhole) {
    // The feed holds 001 to 006: none of 007 to 012. Two polls wait for the
    // feed to catch up; the third takes the draw with the hole below it.
    setList("20180211013");
    for (int waited = 1; waited <= 2; ++waited) {
        application.updateTick();
        ASSERT_EQ(cell(0, 1, Qt::DisplayRole).toString(), u"20180211-006"_s) << "poll " << waited;
    }
    application.updateTick();
    ASSERT_EQ(cell(0, 1, Qt::DisplayRole).toString(), u"20180211-013"_s);
    EXPECT_EQ(cell(0, 1, kMissingBeforeRole).toLongLong(), 6);
    EXPECT_EQ(cell(0, 2, Qt::ToolTipRole).toString(), u"此前缺少6期"_s);
    EXPECT_EQ(cell(1, 1, kMissingBeforeRole).toLongLong(), 0);
    EXPECT_FALSE(cell(1, 2, Qt::ToolTipRole).isValid());

    // The red rule lies between the draw and the older one below it.
    const QImage shown = grid().viewport()->grab().toImage();
    const QRect after = grid().visualRect(grid().model()->index(0, 1));
    const QRect older = grid().visualRect(grid().model()->index(1, 1));
    EXPECT_EQ(shown.pixelColor(after.center().x(), after.bottom()), QColor(220, 0, 0));
    EXPECT_NE(shown.pixelColor(older.center().x(), older.bottom()), QColor(220, 0, 0));

    // The status part is too narrow for the text: the tool tip has it whole.
    EXPECT_TRUE(statusText().endsWith(u"成功更新，缺少6期"_s));
    const QStringList tip = statusToolTip();
    ASSERT_EQ(tip.size(), 2);
    EXPECT_EQ(tip[0], statusText());
    EXPECT_TRUE(tip[1].startsWith(u"上次成功："_s) && tip[1].endsWith(u"（最新开奖列表）"_s))
        << tip[1].toStdString();
}

TEST_F(PollMarksGuiTest, FailingSourcesSayWhyAndHowOftenUntilOneAnswersWell) {
    application.updateTick();
    application.updateTick();
    EXPECT_EQ(statusText(), QString());  // as the reload left it
    QStringList tip = statusToolTip();
    ASSERT_EQ(tip.size(), 1);
    EXPECT_TRUE(tip[0].startsWith(u"自"_s));
    EXPECT_TRUE(tip[0].endsWith(
        u"起连续2次失败：开奖接口：HTTP 404；最新开奖列表：HTTP 503；开奖动画数据：HTTP 404"_s))
        << tip[0].toStdString();

    setList("20180211007");
    application.updateTick();
    tip = statusToolTip();
    EXPECT_TRUE(tip.back().startsWith(u"上次成功："_s));
    EXPECT_FALSE(tip.join(u'\n').contains(u"失败"_s));
}

}  // namespace
}  // namespace quintara::qt
