// The event stream as a page follows it: the state at once, then each draw
// and each alert as the watcher takes them, a comment while nothing happens;
// and the hub under it, which never lets a slow stream hold up the watcher.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "alerts/alert_record.h"
#include "served_watch.h"
#include "support/issues.h"

namespace quintara {
namespace {

using Json = nlohmann::json;
using testing::getRequest;
using testing::RawClient;
using testing::ServedWatch;
using testing::successorOf;

// The data of every event of `name` in what a stream sent.
std::vector<Json> eventsNamed(const std::string& sent, const std::string& name) {
    std::vector<Json> events;
    const std::string opening = "event: " + name + "\ndata: ";
    for (std::size_t at = sent.find(opening); at != std::string::npos; at = sent.find(opening, at + 1)) {
        const std::size_t data = at + opening.size();
        events.push_back(Json::parse(sent.substr(data, sent.find('\n', data) - data)));
    }
    return events;
}

TEST(EventStream, TellsTheStateAtOnceThenEachDrawAndAlertAsTheWatcherTakesThem) {
    const AlertRule rule{.when = AlertCondition::Current, .list = StatisticsList::Position1Omission, .atLeast = 1};
    ServedWatch watch(120, testing::loopbackSettings(), {rule});
    RawClient stream(watch.port);
    stream.send(getRequest("/api/events"));
    const std::string opened = stream.receive("event: status");
    EXPECT_NE(opened.find("Content-Type: text/event-stream\r\n"), std::string::npos);
    EXPECT_NE(opened.find("retry: 3000\n\n"), std::string::npos);
    EXPECT_EQ(opened.find("event: draw"), std::string::npos);  // nothing new yet

    // Two draws in one poll: the gap's draw comes from the feed, both told oldest first.
    const std::string first = successorOf(watch.follower.history().draws().front().issue);
    const std::string second = successorOf(first);
    watch.providers.feed.insert(watch.providers.feed.begin(), {second + "24680", first + "13579"});
    const HistoryChange change = watch.poll(second + "24680");
    ASSERT_EQ(change.added, 2U);
    ASSERT_FALSE(change.alerts.empty());
    const std::string sent = stream.receive("event: status\ndata: {\"newest_issue\":\"" + second);
    EXPECT_EQ(eventsNamed(sent, "draw"),
              (std::vector<Json>{{{"issue", first}, {"digits", "13579"}}, {{"issue", second}, {"digits", "24680"}}}));
    std::vector<Json> alerts;
    for (const AlertRecord& alert : change.alerts) alerts.push_back(Json::parse(alertJson(alert)));
    EXPECT_EQ(eventsNamed(sent, "alert"), alerts);
    // Draws, then alerts, then the status that counts them.
    EXPECT_LT(sent.rfind("event: draw"), sent.find("event: alert", sent.find("retry")));
    EXPECT_EQ(eventsNamed(sent, "status").back()["draws"], 122);
}

TEST(EventStream, AQuietStreamGetsAComment) {
    ServeSettings settings = testing::loopbackSettings();
    settings.keepAlive = std::chrono::milliseconds(50);
    ServedWatch watch(30, settings);
    RawClient stream(watch.port);
    stream.send(getRequest("/api/events"));
    EXPECT_NE(stream.receive(": keep-alive\n\n").find(": keep-alive\n\n"), std::string::npos);
}

TEST(EventStream, StoppingTheServerEndsItsStreams) {
    auto watch = std::make_unique<ServedWatch>(30);
    RawClient stream(watch->port);
    stream.send(getRequest("/api/events"));
    stream.receive("event: status");
    watch->serving.stop();
    stream.receive("never", std::chrono::seconds(5));
    EXPECT_TRUE(stream.closed());
}

TEST(EventHub, OpensAtMost32StreamsAndFreesTheirPlacesAsTheyGo) {
    EventHub hub;
    std::vector<std::unique_ptr<EventHub::Stream>> streams;
    while (auto stream = hub.open()) streams.push_back(std::move(stream));
    EXPECT_EQ(streams.size(), EventHub::kMostStreams);
    EXPECT_EQ(hub.openStreams(), EventHub::kMostStreams);
    streams.pop_back();
    EXPECT_NE(hub.open(), nullptr);
    hub.close();
    EXPECT_EQ(hub.open(), nullptr);
    EXPECT_EQ(streams.front()->take(std::chrono::seconds(5)).next, EventHub::Stream::Next::Ended);
}

TEST(EventHub, AStreamTakesWhatWasPublishedSinceItOpenedAndEndsWhenItFallsTooFarBehind) {
    EventHub hub;
    hub.publish("status", "{}");  // before it opened
    const auto stream = hub.open();
    const auto behind = hub.open();
    EXPECT_EQ(stream->take(std::chrono::milliseconds(1)).next, EventHub::Stream::Next::Quiet);
    hub.publish("draw", "{\"issue\":\"a\"}");
    hub.publish("alert", "{\"issue\":\"b\"}");
    const EventHub::Stream::Taken taken = stream->take(std::chrono::seconds(5));
    EXPECT_EQ(taken.next, EventHub::Stream::Next::Events);
    EXPECT_EQ(taken.text, "event: draw\ndata: {\"issue\":\"a\"}\n\nevent: alert\ndata: {\"issue\":\"b\"}\n\n");
    for (std::size_t event = 0; event < EventHub::kEventsKept; ++event) hub.publish("status", "{}");
    EXPECT_EQ(stream->take(std::chrono::seconds(5)).next, EventHub::Stream::Next::Events);  // none missed
    EXPECT_EQ(behind->take(std::chrono::seconds(5)).next, EventHub::Stream::Next::Ended);   // two missed
}

TEST(EventHub, ATakeWaitsForThePublishFromAnotherThread) {
    EventHub hub;
    const auto stream = hub.open();
    std::thread publisher([&hub] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        hub.publish("draw", "{}");
    });
    EXPECT_EQ(stream->take(std::chrono::seconds(10)).next, EventHub::Stream::Next::Events);
    publisher.join();
}

}  // namespace
}  // namespace quintara
