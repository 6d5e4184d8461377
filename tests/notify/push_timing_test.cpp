// When pushes go, on a fixed clock: a failure tried again after 1, 5 and 25 s
// and then given up with one report, each alert once to each channel, and
// the quiet hours holding alerts for one summary at their end.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "notify/notifier.h"
#include "push_receiver.h"

namespace quintara {
namespace {

using namespace std::chrono_literals;
using Json = nlohmann::json;
using testing::FixedPushClock;
using testing::PushReceiver;

AlertRecord alertOf(int number) {
    return {.time = "2025-12-10T10:00:00+00:00",
            .issue = "20261209-" + std::to_string(100 + number).substr(1),
            .text = "第 " + std::to_string(number) + " 条预警"};
}

PushChannel jsonChannel(const PushReceiver& receiver) {
    return std::get<PushChannel>(pushChannelNamed("json+" + receiver.address("/hook")));
}

// The reports of pushes given up, as the channel's thread makes them.
class Reports {
public:
    PushFailureReport sink() {
        return [this](const PushFailure& failure) {
            std::lock_guard lock(mutex_);
            failures_.push_back(failure);
        };
    }
    // Those made once one is, or after 10 s.
    std::vector<PushFailure> awaited() {
        for (int waited = 0; waited < 1000 && size() == 0; ++waited) std::this_thread::sleep_for(10ms);
        std::lock_guard lock(mutex_);
        return failures_;
    }
    std::size_t size() {
        std::lock_guard lock(mutex_);
        return failures_.size();
    }

private:
    std::mutex mutex_;
    std::vector<PushFailure> failures_;
};

class PushTiming : public ::testing::Test {
protected:
    // The channel's state once it has made `attempts` attempts, or after 10 s.
    static ChannelState afterAttempts(const ChannelWorker& worker, int attempts) {
        for (int waited = 0; waited < 1000 && worker.state().attempts < attempts; ++waited) {
            std::this_thread::sleep_for(10ms);
        }
        return worker.state();
    }

    // Moves the clock and lets the channel look at it.
    void advance(ChannelWorker& worker, std::chrono::milliseconds by) {
        clock.advance(by);
        worker.wake();
    }

    PushReceiver receiver;
    FixedPushClock clock{testing::tenOClock()};
    Reports reports;
};

TEST_F(PushTiming, AFailingPushIsTriedAgainAfter1And5And25SecondsThenGivenUpWithOneReport) {
    receiver.failNext(100);
    ChannelWorker worker(jsonChannel(receiver), clock, std::nullopt, reports.sink());
    const AlertRecord alert = alertOf(1);
    worker.alertsFired({&alert, 1});
    ASSERT_EQ(afterAttempts(worker, 1).kind, ChannelState::Kind::Retrying);
    const std::array<std::chrono::milliseconds, 3> delays{1s, 5s, 25s};
    for (int retry = 0; retry < 3; ++retry) {
        advance(worker, delays[static_cast<std::size_t>(retry)] - 1ms);
        EXPECT_EQ(receiver.received().size(), static_cast<std::size_t>(retry) + 1) << "tried before its time, retry "
                                                                                   << retry + 1;
        advance(worker, 1ms);
        ASSERT_EQ(afterAttempts(worker, retry + 2).attempts, retry + 2) << "retry " << retry + 1;
    }
    const std::vector<PushFailure> given = reports.awaited();
    ASSERT_EQ(given.size(), 1U);
    EXPECT_EQ(given[0].attempts, 4);
    EXPECT_EQ(given[0].reason, "HTTP 500");
    EXPECT_EQ(given[0].issue, alert.issue);
    EXPECT_EQ(given[0].channel, "json+http://127.0.0.1:" + receiver.address("").substr(17) + "/…");
    advance(worker, 1h);
    EXPECT_EQ(receiver.received().size(), 4U);
    EXPECT_EQ(worker.state().attempts, 4);
    const ChannelState state = worker.state();
    EXPECT_EQ(state.kind, ChannelState::Kind::Failing);
    EXPECT_EQ(state.givenUp, 1);
    EXPECT_EQ(state.pending, 0U);
    EXPECT_EQ(state.lastError, "HTTP 500");
}

TEST_F(PushTiming, APushThatGetsThroughOnARetryIsDeliveredOnceAndTheChannelIsWellAgain) {
    receiver.failNext(2);
    ChannelWorker worker(jsonChannel(receiver), clock, std::nullopt, reports.sink());
    const AlertRecord first = alertOf(1);
    worker.alertsFired({&first, 1});
    afterAttempts(worker, 1);
    advance(worker, 1s);
    afterAttempts(worker, 2);
    advance(worker, 5s);
    ASSERT_EQ(afterAttempts(worker, 3).kind, ChannelState::Kind::Ok);
    const AlertRecord second = alertOf(2);
    worker.alertsFired({&second, 1});
    advance(worker, 1h);
    const auto received = receiver.awaited(4);
    ASSERT_EQ(received.size(), 4U);
    EXPECT_EQ(receiver.received().size(), 4U);
    EXPECT_EQ(received[2].body, alertJson(first));
    EXPECT_EQ(received[3].body, alertJson(second));
    EXPECT_EQ(worker.state().kind, ChannelState::Kind::Ok);
    EXPECT_EQ(worker.state().delivered, 2);
    EXPECT_EQ(reports.size(), 0U);
}

TEST_F(PushTiming, EachAlertGoesOnceToEachChannelAndADeadOneHoldsUpNoOther) {
    PushReceiver other;
    other.failNext(100);
    Notifier notifier({jsonChannel(receiver), jsonChannel(other)}, clock, std::nullopt, reports.sink());
    const std::vector<AlertRecord> alerts{alertOf(1), alertOf(2), alertOf(3)};
    notifier.alertsFired(alerts);
    const auto received = receiver.awaited(3);
    ASSERT_EQ(received.size(), 3U);
    for (std::size_t at = 0; at < alerts.size(); ++at) EXPECT_EQ(received[at].body, alertJson(alerts[at]));
    EXPECT_EQ(receiver.received().size(), 3U);
    const Json states = Json::parse(notifier.statesJson());
    ASSERT_EQ(states.size(), 2U);
    EXPECT_EQ(states[0]["state"], "ok");
    EXPECT_EQ(states[0]["delivered"], 3);
    EXPECT_EQ(states[1]["state"], "retrying");
    EXPECT_EQ(states[1]["last_error"], "HTTP 500");
}

TEST(QuietHours, HoldFromTheirStartToTheirEndAcrossMidnight) {
    const auto night = QuietHours::named("23:00-07:00");
    ASSERT_TRUE(night);
    EXPECT_EQ(night->text(), "23:00-07:00");
    EXPECT_FALSE(night->hold(22h + 59min + 59s));
    EXPECT_TRUE(night->hold(23h));
    EXPECT_TRUE(night->hold(3h));
    EXPECT_FALSE(night->hold(7h));
    EXPECT_EQ(night->untilEnd(23h + 30min), 7h + 30min);
    EXPECT_EQ(night->untilEnd(6h + 59min + 30s), 30s);
    const auto lunch = QuietHours::named("12:00-13:30");
    EXPECT_TRUE(lunch->hold(13h + 29min));
    EXPECT_FALSE(lunch->hold(13h + 30min));
    EXPECT_FALSE(lunch->hold(11h));
    for (const std::string bad : {"", "23:00", "23:00-23:00", "24:00-07:00", "23:60-07:00", "2300-0700", "23:00~07:00",
                                  "23:00-07:00 ", "-1:00-07:00"}) {
        EXPECT_FALSE(QuietHours::named(bad)) << bad;
    }
}

TEST_F(PushTiming, AlertsInTheQuietHoursAreHeldForOneSummaryAtTheirEnd) {
    clock.advance(13h + 30min);  // 23:30 UTC
    ChannelWorker worker(jsonChannel(receiver), clock, QuietHours::named("23:00-07:00"), reports.sink());
    std::vector<AlertRecord> alerts;
    for (int number = 1; number <= 25; ++number) alerts.push_back(alertOf(number));
    worker.alertsFired(alerts);
    advance(worker, 7h + 29min);  // 06:59
    EXPECT_TRUE(receiver.received().empty());
    EXPECT_EQ(worker.state().held, 25U);
    advance(worker, 1min);  // 07:00
    const auto received = receiver.awaited(1);
    ASSERT_EQ(received.size(), 1U);
    const Json summary = Json::parse(received[0].body);
    EXPECT_EQ(summary["quiet"], "23:00-07:00");
    EXPECT_EQ(summary["count"], 25);
    ASSERT_EQ(summary["alerts"].size(), 25U);
    EXPECT_EQ(summary["alerts"][24], Json::parse(alertJson(alerts[24])));
    EXPECT_EQ(worker.state().held, 0U);
    // After the hours an alert goes at once, on its own.
    const AlertRecord later = alertOf(26);
    worker.alertsFired({&later, 1});
    EXPECT_EQ(receiver.awaited(2).back().body, alertJson(later));
}

TEST(QuietSummary, ListsTheFirst20AndCountsTheRest) {
    std::vector<AlertRecord> held;
    for (int number = 1; number <= 23; ++number) held.push_back(alertOf(number));
    const PushMessage summary = summaryMessage(held, *QuietHours::named("23:00-07:00"));
    EXPECT_EQ(summary.title, "静默时段 23:00-07:00：23 条预警");
    EXPECT_TRUE(summary.text.starts_with("第20261209-01期 第 1 条预警\n"));
    EXPECT_TRUE(summary.text.ends_with("第20261209-20期 第 20 条预警\n…另有 3 条"));
}

}  // namespace
}  // namespace quintara
