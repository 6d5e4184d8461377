#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "shell/main_window_names.h"
#include "controls/memory_controls.h"
#include "draws/history_feed.h"
#include "shell/application.h"
#include "shell/main_window_layout.h"
#include "sources/network_providers.h"
#include "shell/statistics_refresh.h"
#include "support/fake_platform.h"
#include "support/fake_providers.h"
#include "support/feed_document.h"
#include "support/fake_startup_extras.h"
#include "support/loopback_http_server.h"

namespace quintara {
namespace {

using testing::FeedDraw;
using testing::LoopbackHttpServer;

constexpr std::string_view kUpdating = " 正在更新数据，请稍后......";
constexpr std::string_view kFailed = "提示：数据更新失败，请稍后重试";

class FullReloadTest : public ::testing::Test {
protected:
    // What the feed route answers; set by the test before each click.
    void answer(int status, std::string body) {
        const std::lock_guard lock(answerMutex_);
        status_ = status;
        body_ = std::move(body);
    }

    void clickUpdate() { window->control<MemoryButton>(names::kUpdateButton).click(); }
    [[nodiscard]] const Grid& grid() const { return window->grid(names::kDrawGrid); }
    [[nodiscard]] std::string status() const { return window->statusBar(names::kStatusBar).partText(0); }
    [[nodiscard]] int updateInterval() const { return window->timer(names::kUpdateTimer).interval(); }
    [[nodiscard]] std::string caption(std::string_view label) const {
        return window->transparentLabel(label).caption();
    }

    // A reload of the six draws, then the timer stopped again so that a
    // restart would show.
    void loadFirstDraws() {
        answer(200, testing::feedDocument(testing::kFirstDrawsOf20180211));
        clickUpdate();
        ASSERT_EQ(grid().rowCount(), 8);
        window->timer(names::kUpdateTimer).setInterval(0);
    }

    void expectFirstDrawsKept() const {
        ASSERT_EQ(grid().rowCount(), 8);
        EXPECT_EQ(grid().cell(1, 1), "20180211-006");
        EXPECT_EQ(grid().cell(6, 2), "23780");
        EXPECT_EQ(caption(names::kNewestIssueLabel), "20180211-006");
        EXPECT_EQ(updateInterval(), 0);
        EXPECT_EQ(status(), kFailed);
    }

    // The route's answer; made before the server and gone after it.
    std::mutex answerMutex_;
    int status_ = 200;
    std::string body_;

    LoopbackHttpServer server{[this](httplib::Server& routes) {
        routes.Get(std::string(kHistoryFeedPath),
                   [this](const httplib::Request&, httplib::Response& response) {
                       const std::lock_guard lock(answerMutex_);
                       response.status = status_;
                       response.set_content(body_, "text/xml");
                   });
    }};
    std::unique_ptr<Window> window = makeMemoryWindow(mainWindowLayout());
    testing::FakePlatform platform;
    testing::WatchedProviders providers{*window, platform, server.host()};
    testing::IdleStartupExtras extras;
    Application application{*window, platform, providers, extras};
};

TEST_F(FullReloadTest, FillsTheHistoryNewestFirstAndShowsTheNewestDraw) {
    application.windowCreated();
    answer(200, testing::feedDocument(testing::kFirstDrawsOf20180211));
    clickUpdate();

    ASSERT_EQ(grid().rowCount(), 8);  // header, six draws, one empty row
    EXPECT_EQ(grid().cell(0, 1), "开奖期号");
    EXPECT_EQ(grid().cell(1, 1), "20180211-006");
    EXPECT_EQ(grid().cell(1, 2), "91180");
    EXPECT_EQ(grid().cell(2, 1), "20180211-005");
    EXPECT_EQ(grid().cell(2, 2), "04443");
    EXPECT_EQ(grid().cell(6, 1), "20180211-001");
    EXPECT_EQ(grid().cell(6, 2), "23780");
    EXPECT_EQ(grid().cell(7, 1), "");
    EXPECT_EQ(grid().cellFont(6, 2), (CellFont{"宋体", 13}));

    EXPECT_EQ(caption(names::kNewestIssueLabel), "20180211-006");
    EXPECT_EQ(caption(names::kNewestDigitLabels[0]), "9");
    EXPECT_EQ(caption(names::kNewestDigitLabels[1]), "1");
    EXPECT_EQ(caption(names::kNewestDigitLabels[2]), "1");
    EXPECT_EQ(caption(names::kNewestDigitLabels[3]), "8");
    EXPECT_EQ(caption(names::kNewestDigitLabels[4]), "0");

    EXPECT_EQ(providers.statusWhileFetching, kUpdating);
    EXPECT_EQ(status(), "");
    EXPECT_EQ(updateInterval(), kPollingInterval);
    EXPECT_TRUE(window->button(names::kUpdateButton).enabled());
}

TEST_F(FullReloadTest, ASecondReloadReplacesTheWholeHistory) {
    loadFirstDraws();
    const std::vector<FeedDraw> later{{"180211119", "21481"}, {"180211120", "38876"}};
    answer(200, testing::feedDocument(later));
    clickUpdate();
    ASSERT_EQ(grid().rowCount(), 4);
    EXPECT_EQ(grid().cell(1, 1), "20180211-120");
    EXPECT_EQ(grid().cell(2, 2), "21481");
    EXPECT_EQ(grid().cell(3, 1), "");
    EXPECT_EQ(caption(names::kNewestDigitLabels[4]), "6");
    EXPECT_EQ(updateInterval(), kPollingInterval);
}

TEST_F(FullReloadTest, AFreshWindowStaysEmptyWhenTheFeedFails) {
    answer(404, testing::feedDocument(testing::kFirstDrawsOf20180211));
    clickUpdate();
    EXPECT_EQ(grid().rowCount(), 2);
    EXPECT_EQ(grid().cell(1, 1), "");
    EXPECT_EQ(caption(names::kNewestIssueLabel), "");
    EXPECT_EQ(caption(names::kNewestDigitLabels[0]), "8");  // the layout's caption
    EXPECT_EQ(updateInterval(), 0);
    EXPECT_EQ(providers.statusWhileFetching, kUpdating);
    EXPECT_EQ(status(), kFailed);
}

TEST_F(FullReloadTest, AnUnreachableHostLeavesHistoryAndTimerAlone) {
    loadFirstDraws();
    providers.moveTo(testing::closedLoopbackHost());
    clickUpdate();
    expectFirstDrawsKept();
}

TEST_F(FullReloadTest, AFeedWithoutUsableDrawsLeavesHistoryAndTimerAlone) {
    const std::vector<FeedDraw> other{{"180212001", "11111"}};
    const std::vector<FeedDraw> malformed{{"18021201", "11111"}, {"180212002", "1111"}};
    const std::vector<std::pair<int, std::string>> answers{
        {404, testing::feedDocument(other)},  // missing, whatever the body holds
        {200, ""},
        {200, "<?xml version=\"1.0\"?>\n<xml><row issue=\"180212001\" code=\"1,1,1,1,1\"/></xml>\n"},
        {200, testing::feedDocument(malformed)},
    };
    for (const auto& [code, body] : answers) {
        SCOPED_TRACE(std::to_string(code) + " " + body);
        loadFirstDraws();
        answer(code, body);
        clickUpdate();
        expectFirstDrawsKept();
    }
}

}  // namespace
}  // namespace quintara
