#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/main_window_names.h"
#include "controls/memory_controls.h"
#include "shell/application.h"
#include "platform/clock_text.h"
#include "shell/main_window_layout.h"
#include "support/fake_platform.h"
#include "support/fake_providers.h"
#include "support/fake_startup_extras.h"

namespace quintara {
namespace {

class RefreshCycleTest : public ::testing::Test {
protected:
    std::unique_ptr<Window> window = makeMemoryWindow(mainWindowLayout());
    testing::FakePlatform platform;
    testing::PreparedProviders providers;
    testing::RecordingExtras extras;
    Application application{*window, platform, providers, extras};

    MemoryTimer& timer(std::string_view name) { return window->control<MemoryTimer>(name); }
    TransparentLabel& clock() { return window->transparentLabel(names::kClockLabel); }
    std::string status() { return window->statusBar(names::kStatusBar).partText(0); }
};

TEST_F(RefreshCycleTest, TheWindowStartsAsTheLayoutSays) {
    for (auto name : names::kNewestDigitLabels) {
        EXPECT_EQ(window->transparentLabel(name).caption(), "8") << name;
    }
    EXPECT_EQ(window->transparentLabel(names::kNewestIssueLabel).caption(), "");
    EXPECT_EQ(clock().caption(), "");
    EXPECT_EQ(clock().textColour(), kBlack);
    EXPECT_TRUE(window->checkBox(names::kAutoRefreshBox).checked());
    EXPECT_EQ(timer(names::kClockTimer).interval(), 1000);
    EXPECT_EQ(timer(names::kUpdateTimer).interval(), 0);
    EXPECT_EQ(timer(names::kOnlineCountTimer).interval(), 0);
    EXPECT_EQ(window->label(names::kLocalVersionLabel).caption(), "9.0");
    for (const ControlSpec& row : mainWindowLayout().controls) {
        if (row.kind == ControlKind::ListView) {
            EXPECT_EQ(window->listView(row.name).itemCount(), 0) << row.name;
        }
        if (row.kind == ControlKind::ComboBox) {
            EXPECT_EQ(window->comboBox(row.name).itemText(
                          window->comboBox(row.name).selectedIndex()),
                      "统计10期");
        }
    }
}

TEST_F(RefreshCycleTest, WindowCreatedRunsTheStartUpStepsInOrder) {
    application.windowCreated();
    EXPECT_EQ(extras.steps, (std::vector<std::string>{"site", "skin 20", "banner", "version"}));
    EXPECT_EQ(window->grid(names::kDrawGrid).cell(0, 1), "开奖期号");
    EXPECT_EQ(timer(names::kOnlineCountTimer).interval(), 60000);
    timer(names::kOnlineCountTimer).tick();
    EXPECT_EQ(extras.steps.back(), "online");
}

TEST_F(RefreshCycleTest, TimeTextPadsEachPartToTwoDigits) {
    platform.now = {2026, 12, 8, 9, 5, 3};
    EXPECT_EQ(CurrentTimeText(platform), "09:05:03");
    platform.now = {2026, 12, 8, 0, 0, 0};
    EXPECT_EQ(CurrentTimeText(platform), "00:00:00");
    platform.now = {2026, 12, 8, 23, 59, 59};
    EXPECT_EQ(CurrentTimeText(platform), "23:59:59");
}

TEST_F(RefreshCycleTest, ClockShowsTheTimeAndTurnsRedOnOddTicks) {
    platform.now = {2026, 12, 8, 9, 5, 3};
    timer(names::kClockTimer).tick();
    EXPECT_EQ(clock().caption(), "现在时间： 09:05:03");
    EXPECT_EQ(clock().textColour(), kRed);
    platform.now.hour = 0;
    platform.now.minute = 0;
    platform.now.second = 0;
    timer(names::kClockTimer).tick();
    EXPECT_EQ(clock().caption(), "现在时间： 00:00:00");
    EXPECT_EQ(clock().textColour(), kBlack);
    timer(names::kClockTimer).tick();
    EXPECT_EQ(clock().textColour(), kRed);
    timer(names::kClockTimer).tick();
    EXPECT_EQ(clock().textColour(), kBlack);
}

TEST_F(RefreshCycleTest, UpdateTickWithoutANewerDrawChangesNothing) {
    timer(names::kUpdateTimer).setInterval(8000);
    timer(names::kUpdateTimer).tick();
    EXPECT_EQ(providers.asked, (std::vector<std::string>{""}));
    EXPECT_EQ(window->grid(names::kDrawGrid).rowCount(), 2);
    EXPECT_EQ(status(), "");
    EXPECT_EQ(timer(names::kUpdateTimer).interval(), 8000);
}

TEST_F(RefreshCycleTest, UpdateTickInsertsTheNewerDrawAndShowsIt) {
    providers.feed = {"20261208-04112345", "20261208-04067890"};
    window->control<MemoryButton>(names::kUpdateButton).click();
    providers.newer = "20261208-04213579";
    platform.now = {2026, 12, 8, 14, 0, 5};
    timer(names::kUpdateTimer).tick();
    EXPECT_EQ(providers.asked.back(), "20261208-041");
    const Grid& grid = window->grid(names::kDrawGrid);
    EXPECT_EQ(grid.cell(1, 1), "20261208-042");
    EXPECT_EQ(grid.cell(2, 1), "20261208-041");
    EXPECT_EQ(window->transparentLabel(names::kNewestIssueLabel).caption(), "20261208-042");
    EXPECT_EQ(window->transparentLabel(names::kNewestDigitLabels[0]).caption(), "1");
    EXPECT_EQ(window->transparentLabel(names::kNewestDigitLabels[4]).caption(), "9");
    EXPECT_EQ(status(), "提示：奖号于14:00:05成功更新");
    EXPECT_EQ(timer(names::kUpdateTimer).interval(), 8000);
}

TEST_F(RefreshCycleTest, TicksAndClicksInsideAWaitingUpdateStartNothing) {
    providers.feed = {"20261208-04112345"};
    window->control<MemoryButton>(names::kUpdateButton).click();
    providers.feed = {"20261208-00100000"};
    providers.newer = "20261208-04213579";
    bool buttonWasDisabled = false;
    providers.whileAsked = [&] {
        buttonWasDisabled = !window->button(names::kUpdateButton).enabled();
        timer(names::kUpdateTimer).tick();
        window->control<MemoryButton>(names::kUpdateButton).click();
        application.fullReload();
    };
    timer(names::kUpdateTimer).tick();
    EXPECT_TRUE(buttonWasDisabled);
    EXPECT_TRUE(window->button(names::kUpdateButton).enabled());
    EXPECT_EQ(providers.asked.size(), 1u);
    const Grid& grid = window->grid(names::kDrawGrid);
    ASSERT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(grid.cell(1, 1), "20261208-042");
    EXPECT_EQ(grid.cell(2, 1), "20261208-041");
}

TEST_F(RefreshCycleTest, FullReloadFillsTheHistoryNewestFirstAndStartsPolling) {
    providers.feed = {"20261208-04112345", "20261208-04067890", "20261208-03911111"};
    window->control<MemoryButton>(names::kUpdateButton).click();
    const Grid& grid = window->grid(names::kDrawGrid);
    ASSERT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(grid.cell(1, 2), "12345");
    EXPECT_EQ(grid.cell(3, 1), "20261208-039");
    EXPECT_EQ(grid.cell(4, 1), "");
    EXPECT_EQ(timer(names::kUpdateTimer).interval(), 8000);
    EXPECT_EQ(status(), "");
    EXPECT_EQ(window->transparentLabel(names::kNewestIssueLabel).caption(), "20261208-041");
    EXPECT_EQ(window->transparentLabel(names::kNewestDigitLabels[2]).caption(), "3");
}

TEST_F(RefreshCycleTest, FailedFullReloadKeepsHistoryAndTimerAndSaysSo) {
    providers.feed = {"20261208-04112345"};
    window->control<MemoryButton>(names::kUpdateButton).click();
    timer(names::kUpdateTimer).setInterval(0);
    providers.feed.clear();
    window->control<MemoryButton>(names::kUpdateButton).click();
    EXPECT_EQ(window->grid(names::kDrawGrid).cell(1, 1), "20261208-041");
    EXPECT_EQ(timer(names::kUpdateTimer).interval(), 0);
    EXPECT_EQ(status(), "提示：数据更新失败，请稍后重试");
}

}  // namespace
}  // namespace quintara
