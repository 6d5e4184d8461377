// The states the watcher publishes and the events each step tells: no draw
// at the start, each new draw once and oldest first, the alerts newest first
// within their bound, and the next draw expected from the pace of those that
// came.
#include "serve/watch_state_maker.h"

#include <gtest/gtest.h>

#include "served_watch.h"
#include "support/issues.h"

namespace quintara {
namespace {

using namespace std::chrono_literals;
using testing::successorOf;

class WatchStateMakerTest : public ::testing::Test {
protected:
    WatchStateMakerTest() {
        providers.feed = testing::madeEntries(100);
        first = maker.followed(follower, follower.start(), at);
        first = maker.followed(follower, *follower.reload(), at);
    }

    // A poll at `when` that finds the draw after the newest.
    WatchStateMaker::Step polled(WatchStateMaker::Clock::time_point when, std::string digits = "12345") {
        providers.newer = successorOf(follower.history().draws().front().issue) + digits;
        return maker.followed(follower, follower.poll(), when);
    }

    testing::FakePlatform platform;
    testing::FedProviders providers;
    DrawFollower follower{platform, providers, std::nullopt};
    WatchStateMaker maker{8000ms};
    WatchStateMaker::Clock::time_point at = WatchStateMaker::Clock::now();
    WatchStateMaker::Step first;
};

TEST_F(WatchStateMakerTest, TheStartTellsNoDrawAndEachNewDrawIsToldOnce) {
    EXPECT_TRUE(first.events.empty());
    EXPECT_EQ(first.state->history->draws().size(), 100U);
    const WatchStateMaker::Step step = polled(at + 60s, "24680");
    ASSERT_EQ(step.events.size(), 1U);
    EXPECT_EQ(step.events[0], (ServedEvent{"draw", "{\"issue\":\"" + follower.history().draws().front().issue +
                                                       "\",\"digits\":\"24680\"}"}));
    const WatchStateMaker::Step quiet = maker.followed(follower, follower.poll(), at + 70s);
    EXPECT_TRUE(quiet.events.empty());
    EXPECT_EQ(quiet.state->history, step.state->history);  // the same draws, not copied again
}

TEST_F(WatchStateMakerTest, TheNextDrawIsExpectedAtThePaceOfThoseThatCame) {
    EXPECT_FALSE(first.state->newestArrived);
    EXPECT_FALSE(polled(at + 60s).state->nextExpected);  // one arrival gives no pace
    polled(at + 120s);
    polled(at + 185s);
    const WatchStateMaker::Step step = polled(at + 240s);
    EXPECT_EQ(step.state->newestArrived, at + 240s);
    EXPECT_EQ(step.state->nextExpected, at + 300s);  // the middle of 60, 65 and 55 s
    EXPECT_EQ(step.state->pollInterval, 8000ms);
}

TEST_F(WatchStateMakerTest, AlertsAreKeptNewestFirstUpToTheLogsLength) {
    std::vector<std::string> logged;
    for (std::size_t record = 0; record < WatchStateMaker::kAlertsKept; ++record) {
        logged.push_back("{\"n\":" + std::to_string(record) + "}");
    }
    maker.startAlerts(logged);
    follower.holdRules({{.when = AlertCondition::Current, .list = StatisticsList::Position1Omission, .atLeast = 1}});
    const WatchStateMaker::Step step = maker.followed(follower, {.alerts = follower.evaluateAlerts()}, at);
    const std::vector<std::string>& kept = *step.state->alerts;
    ASSERT_EQ(kept.size(), WatchStateMaker::kAlertsKept);
    std::size_t told = 0;
    for (const ServedEvent& event : step.events) {
        EXPECT_EQ(event.name, "alert");
        ++told;
    }
    ASSERT_GT(told, 0U);
    EXPECT_EQ(kept[told - 1], step.events.front().data);  // the first fired stands lowest of the new ones
    EXPECT_EQ(kept[told], logged.front());
    EXPECT_EQ(kept.back(), logged[WatchStateMaker::kAlertsKept - told - 1]);
}

}  // namespace
}  // namespace quintara
