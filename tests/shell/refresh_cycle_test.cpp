#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "shell/main_window_names.h"
#include "controls/memory_controls.h"
#include "shell/application.h"
#include "shell/clock_text.h"
#include "shell/main_window_layout.h"
#include "support/fake_platform.h"

namespace quintara {
namespace {

// Hands out prepared answers and counts what it was asked.
class PreparedProviders : public DrawProviders {
public:
    bool fetchHistoryFeed(std::vector<std::string>& entries) override {
        if (feed.empty()) return false;
        entries = feed;
        return true;
    }
    std::string findNewerDraw(std::string_view newestIssue) override {
        asked.emplace_back(newestIssue);
        if (whileAsked) whileAsked();
        return newer;
    }

    std::vector<std::string> feed;
    // Runs while a poll waits for its sources, as window messages do.
    std::function<void()> whileAsked;
    std::string newer;
    std::vector<std::string> asked;
};

class RecordingExtras : public StartupExtras {
public:
    void writeSkinLibrary() override { steps.emplace_back("library"); }
    void openMakerSite() override { steps.emplace_back("site"); }
    void applySkin(int number) override { steps.push_back("skin " + std::to_string(number)); }
    void showBanner() override { steps.emplace_back("banner"); }
    void runVersionNotice() override { steps.emplace_back("version"); }
    void onlineCountTick() override { steps.emplace_back("online"); }

    std::vector<std::string> steps;
};

class RefreshCycleTest : public ::testing::Test {
protected:
    std::unique_ptr<Window> window = makeMemoryWindow(mainWindowLayout());
    testing::FakePlatform platform;
    PreparedProviders providers;
    RecordingExtras extras;
    Application application{*window, platform, providers, extras};

    MemoryTimer& timer(std::string_view name) { return window->control<MemoryTimer>(name); }
    TransparentLabel& clock() { return window->transparentLabel("透明标签_时间显示"); }
    std::string status() { return window->statusBar("状态条_显示").partText(0); }
};

TEST_F(RefreshCycleTest, TheWindowStartsAsTheLayoutSays) {
    for (auto name : {"透明标签_万", "透明标签_千", "透明标签_百", "透明标签_十", "透明标签_个"}) {
        EXPECT_EQ(window->transparentLabel(name).caption(), "8") << name;
    }
    EXPECT_EQ(window->transparentLabel("透明标签_显示期号").caption(), "");
    EXPECT_EQ(clock().caption(), "");
    EXPECT_EQ(clock().textColour(), kBlack);
    EXPECT_TRUE(window->checkBox("选择框1").checked());
    EXPECT_EQ(timer("时钟显示时间").interval(), 1000);
    EXPECT_EQ(timer("时钟_自动更新").interval(), 0);
    EXPECT_EQ(timer("人数时钟").interval(), 0);
    EXPECT_EQ(window->label("标签80").caption(), "9.0");
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
    EXPECT_EQ(timer("人数时钟").interval(), 60000);
    timer("人数时钟").tick();
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
    timer("时钟显示时间").tick();
    EXPECT_EQ(clock().caption(), "现在时间： 09:05:03");
    EXPECT_EQ(clock().textColour(), kRed);
    platform.now.hour = 0;
    platform.now.minute = 0;
    platform.now.second = 0;
    timer("时钟显示时间").tick();
    EXPECT_EQ(clock().caption(), "现在时间： 00:00:00");
    EXPECT_EQ(clock().textColour(), kBlack);
    timer("时钟显示时间").tick();
    EXPECT_EQ(clock().textColour(), kRed);
    timer("时钟显示时间").tick();
    EXPECT_EQ(clock().textColour(), kBlack);
}

TEST_F(RefreshCycleTest, UpdateTickWithoutANewerDrawChangesNothing) {
    timer("时钟_自动更新").setInterval(8000);
    timer("时钟_自动更新").tick();
    EXPECT_EQ(providers.asked, (std::vector<std::string>{""}));
    EXPECT_EQ(window->grid(names::kDrawGrid).rowCount(), 2);
    EXPECT_EQ(status(), "");
    EXPECT_EQ(timer("时钟_自动更新").interval(), 8000);
}

TEST_F(RefreshCycleTest, UpdateTickInsertsTheNewerDrawAndShowsIt) {
    providers.feed = {"20261208-04112345", "20261208-04067890"};
    window->control<MemoryButton>("按钮_更新号码").click();
    providers.newer = "20261208-04213579";
    platform.now = {2026, 12, 8, 14, 0, 5};
    timer("时钟_自动更新").tick();
    EXPECT_EQ(providers.asked.back(), "20261208-041");
    const Grid& grid = window->grid(names::kDrawGrid);
    EXPECT_EQ(grid.cell(1, 1), "20261208-042");
    EXPECT_EQ(grid.cell(2, 1), "20261208-041");
    EXPECT_EQ(window->transparentLabel("透明标签_显示期号").caption(), "20261208-042");
    EXPECT_EQ(window->transparentLabel("透明标签_万").caption(), "1");
    EXPECT_EQ(window->transparentLabel("透明标签_个").caption(), "9");
    EXPECT_EQ(status(), "提示：奖号于14:00:05成功更新");
    EXPECT_EQ(timer("时钟_自动更新").interval(), 8000);
}

TEST_F(RefreshCycleTest, TicksAndClicksInsideAWaitingUpdateStartNothing) {
    providers.feed = {"20261208-04112345"};
    window->control<MemoryButton>("按钮_更新号码").click();
    providers.feed = {"20261208-00100000"};
    providers.newer = "20261208-04213579";
    bool buttonWasDisabled = false;
    providers.whileAsked = [&] {
        buttonWasDisabled = !window->button("按钮_更新号码").enabled();
        timer("时钟_自动更新").tick();
        window->control<MemoryButton>("按钮_更新号码").click();
        application.fullReload();
    };
    timer("时钟_自动更新").tick();
    EXPECT_TRUE(buttonWasDisabled);
    EXPECT_TRUE(window->button("按钮_更新号码").enabled());
    EXPECT_EQ(providers.asked.size(), 1u);
    const Grid& grid = window->grid(names::kDrawGrid);
    ASSERT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(grid.cell(1, 1), "20261208-042");
    EXPECT_EQ(grid.cell(2, 1), "20261208-041");
}

TEST_F(RefreshCycleTest, FullReloadFillsTheHistoryNewestFirstAndStartsPolling) {
    providers.feed = {"20261208-04112345", "20261208-04067890", "20261208-03911111"};
    window->control<MemoryButton>("按钮_更新号码").click();
    const Grid& grid = window->grid(names::kDrawGrid);
    ASSERT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(grid.cell(1, 2), "12345");
    EXPECT_EQ(grid.cell(3, 1), "20261208-039");
    EXPECT_EQ(grid.cell(4, 1), "");
    EXPECT_EQ(timer("时钟_自动更新").interval(), 8000);
    EXPECT_EQ(status(), "");
    EXPECT_EQ(window->transparentLabel("透明标签_显示期号").caption(), "20261208-041");
    EXPECT_EQ(window->transparentLabel("透明标签_百").caption(), "3");
}

TEST_F(RefreshCycleTest, FailedFullReloadKeepsHistoryAndTimerAndSaysSo) {
    providers.feed = {"20261208-04112345"};
    window->control<MemoryButton>("按钮_更新号码").click();
    timer("时钟_自动更新").setInterval(0);
    providers.feed.clear();
    window->control<MemoryButton>("按钮_更新号码").click();
    EXPECT_EQ(window->grid(names::kDrawGrid).cell(1, 1), "20261208-041");
    EXPECT_EQ(timer("时钟_自动更新").interval(), 0);
    EXPECT_EQ(status(), "提示：数据更新失败，请稍后重试");
}

}  // namespace
}  // namespace quintara
