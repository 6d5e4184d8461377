// Polls that find a draw which does not follow the newest one held: the
// draws between come from the history feed, against the real provider and a
// host whose answers the test sets.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "shell/main_window_names.h"
#include "controls/memory_controls.h"
#include "draws/history_feed.h"
#include "support/issues.h"
#include "provider/running_provider.h"
#include "shell/application.h"
#include "platform/clock_text.h"
#include "shell/main_window_layout.h"
#include "sources/network_providers.h"
#include "support/fake_platform.h"
#include "support/fake_startup_extras.h"
#include "support/latest_draw_host.h"
#include "support/scratch_folder.h"
#include "archive/draw_archive.h"

namespace quintara {
namespace {

using testing::successorOf;
using provider::Source;
using provider::testing::kInterval;
using provider::testing::RunningProvider;

// The network providers of hosts that the test may move.
class MovingProviders : public DrawProviders {
public:
    explicit MovingProviders(Platform& platform) : platform_(platform) {}

    bool fetchHistoryFeed(std::vector<std::string>& entries) override { return at_->fetchHistoryFeed(entries); }
    NewerDraw findNewerDraw(std::string_view newestIssue) override { return at_->findNewerDraw(newestIssue); }
    void moveTo(const ProviderHosts& hosts) { at_ = std::make_unique<NetworkProviders>(hosts, platform_); }

private:
    Platform& platform_;
    std::unique_ptr<NetworkProviders> at_;
};

class GapFillingTest : public ::testing::Test {
protected:
    // The program's window and cycle, its providers all at `hosts`.
    void start(const ProviderHosts& hosts, std::optional<ArchivePlace> archive = std::nullopt) {
        application.reset();
        window = makeMemoryWindow(mainWindowLayout());
        providers.moveTo(hosts);
        application = std::make_unique<Application>(*window, platform, providers, extras, std::move(archive));
        application->windowCreated();
    }

    void poll() { window->control<MemoryTimer>(names::kUpdateTimer).tick(); }
    [[nodiscard]] const Grid& grid() const { return window->grid(names::kDrawGrid); }
    [[nodiscard]] std::string status() const { return window->statusBar(names::kStatusBar).partText(0); }

    // The issues of the history, newest first.
    [[nodiscard]] std::vector<std::string> issues() const {
        std::vector<std::string> held;
        for (int row = 1; !grid().cell(row, 1).empty(); ++row) held.push_back(grid().cell(row, 1));
        return held;
    }

    // Every draw follows the one below it directly: no hole, no draw twice.
    void expectNoHole() const {
        const std::vector<std::string> held = issues();
        for (std::size_t row = 0; row + 1 < held.size(); ++row) {
            ASSERT_EQ(successorOf(held[row + 1]), held[row]) << "below row " << row + 1;
        }
    }

    std::unique_ptr<Window> window = makeMemoryWindow(mainWindowLayout());
    testing::FakePlatform platform;
    testing::IdleStartupExtras extras;
    MovingProviders providers{platform};
    std::unique_ptr<Application> application;
};

// The real provider, its lottery API silent, and the window on its clock.
class GapFillingOnProviderTest : public GapFillingTest {
protected:
    GapFillingOnProviderTest() { start(ProviderHosts::allAt(provider.host())); }

    void advanceDraws(int count) {
        provider.clock.advance(count * kInterval);
        platform.now = provider::testing::localTimeAt(provider.clock.now());
    }
    void reload() { window->control<MemoryButton>(names::kUpdateButton).click(); }

    [[nodiscard]] long feedFetches() {
        const std::vector<std::string> log = provider.log();
        return std::count_if(log.begin(), log.end(), [](const std::string& line) {
            return line.starts_with("GET " + std::string(kHistoryFeedPath));
        });
    }

    RunningProvider provider{{Source::Api}};
};

TEST_F(GapFillingOnProviderTest, TwentyDrawsBehindTheListsTenAllArriveInOrder) {
    advanceDraws(50);
    reload();
    ASSERT_EQ(issues().front(), "20250612-050");
    const std::size_t held = issues().size();

    // The list shows 061 to 070 only: 051 to 060 come from the feed.
    advanceDraws(20);
    poll();
    const std::vector<std::string> after = issues();
    ASSERT_EQ(after.size(), held + 20);
    EXPECT_EQ(after.front(), "20250612-070");
    EXPECT_EQ(after[19], "20250612-051");
    EXPECT_EQ(after[20], "20250612-050");
    expectNoHole();
    EXPECT_EQ(grid().cell(1, 2), provider.book().look(1).latest.back().digits);
    EXPECT_EQ(window->transparentLabel(names::kNewestIssueLabel).caption(), "20250612-070");
    EXPECT_EQ(status(), "提示：奖号于" + CurrentTimeText(platform) + "成功更新");
    EXPECT_EQ(feedFetches(), 2);

    // Nothing newer: no further fetch of the feed.
    poll();
    EXPECT_EQ(issues().size(), held + 20);
    EXPECT_EQ(feedFetches(), 2);
}

TEST_F(GapFillingOnProviderTest, ADrawAfterSequence120FollowsOnWithoutTheFeed) {
    advanceDraws(120);
    reload();
    ASSERT_EQ(issues().front(), "20250612-120");
    advanceDraws(1);
    poll();
    EXPECT_EQ(issues().front(), "20250613-001");
    EXPECT_EQ(status(), "提示：奖号于" + CurrentTimeText(platform) + "成功更新");
    EXPECT_EQ(feedFetches(), 1);
    expectNoHole();
}

TEST_F(GapFillingOnProviderTest, AGapTheFeedCannotCloseWaitsTwoPollsThenTakesTheDrawOnce) {
    advanceDraws(50);
    reload();
    // From now on the feed is out of reach.
    providers.moveTo({testing::closedLoopbackHost(), provider.host(), provider.host(), provider.host()});
    advanceDraws(20);
    for (int waited = 1; waited <= 2; ++waited) {
        poll();
        EXPECT_EQ(issues()[0], "20250612-050") << "poll " << waited << " waits for the feed";
    }
    poll();
    EXPECT_EQ(issues()[0], "20250612-061");
    EXPECT_EQ(issues()[1], "20250612-050");
    EXPECT_EQ(status(), "提示：奖号于" + CurrentTimeText(platform) + "成功更新，缺少10期");

    poll();
    EXPECT_EQ(issues()[0], "20250612-062");
    EXPECT_EQ(issues()[1], "20250612-061");
    EXPECT_EQ(status(), "提示：奖号于" + CurrentTimeText(platform) + "成功更新");
    const std::vector<std::string> held = issues();
    EXPECT_EQ(std::set(held.begin(), held.end()).size(), held.size());
}

TEST_F(GapFillingOnProviderTest, AFeedThatFailsOnceLosesNoDrawOfTheGap) {
    advanceDraws(50);
    reload();
    const std::size_t held = issues().size();
    providers.moveTo({testing::closedLoopbackHost(), provider.host(), provider.host(), provider.host()});
    advanceDraws(20);
    poll();
    EXPECT_EQ(issues().size(), held);

    // The feed is back at the next poll, and with it the draws between.
    providers.moveTo(ProviderHosts::allAt(provider.host()));
    poll();
    EXPECT_EQ(issues().size(), held + 20);
    EXPECT_EQ(issues().front(), "20250612-070");
    EXPECT_EQ(status(), "提示：奖号于" + CurrentTimeText(platform) + "成功更新");
    expectNoHole();
}

// A host whose feed and list the test writes.
class GapFillingOnScriptedHostTest : public GapFillingTest {
protected:
    GapFillingOnScriptedHostTest() {
        platform.now = {2026, 2, 15, 10, 30, 0};
        start(ProviderHosts::allAt(host.host()));
    }

    // The program started again from an archive that holds the draws.
    void hold(const std::vector<DrawView>& draws) {
        const std::filesystem::path file = folder.path() / "draws.sqlite";
        DrawArchive(file).record(draws, DrawOrigin::Import, 0);
        start(ProviderHosts::allAt(host.host()), ArchivePlace{file});
    }
    [[nodiscard]] long feedFetches() {
        const std::vector<std::string> requests = host.requests();
        return std::count(requests.begin(), requests.end(), std::string(kHistoryFeedPath));
    }

    testing::ScratchFolder folder;
    testing::LatestDrawHost host;
};

TEST_F(GapFillingOnScriptedHostTest, ABreakOfDaysIsTakenAfterOneFetchThatShowsIt) {
    hold({{"20260208-120", "11111"}, {"20260208-119", "22222"}});
    host.set(kHistoryFeedPath,
             "<row expect=\"260215001\" opencode=\"1,2,3,4,5\" opentime=\"x\"/>\n"
             "<row expect=\"260208120\" opencode=\"1,1,1,1,1\" opentime=\"x\"/>\n");
    host.set(kNewlyOpenListPath, testing::listOf({{"20260215001", "1,2,3,4,5"}}));
    poll();
    EXPECT_EQ(issues(), (std::vector<std::string>{"20260215-001", "20260208-120", "20260208-119"}));
    EXPECT_EQ(status(), "提示：奖号于10:30:00成功更新");
    EXPECT_EQ(feedFetches(), 1);

    host.set(kNewlyOpenListPath, testing::listOf({{"20260215002", "5,4,3,2,1"},
                                                  {"20260215001", "1,2,3,4,5"}}));
    poll();
    poll();
    EXPECT_EQ(issues().front(), "20260215-002");
    EXPECT_EQ(issues().size(), 4U);
    EXPECT_EQ(feedFetches(), 1);
}

}  // namespace
}  // namespace quintara
