// Makes the watcher's states from the core that follows draws, on the
// watcher's own thread after each step, and the events the step has to tell
// the pages that follow it: each draw newer than the newest one before, oldest
// first, and each alert fired.
#pragma once

#include <chrono>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "follow/draw_follower.h"
#include "serve/watch_state.h"

namespace quintara {

// An event of the stream: its name ("draw", "alert", "status") and its data,
// one line of JSON.
struct ServedEvent {
    std::string name;
    std::string data;

    friend bool operator==(const ServedEvent&, const ServedEvent&) = default;
};

class WatchStateMaker {
public:
    using Clock = WatchState::Clock;

    explicit WatchStateMaker(std::chrono::milliseconds pollInterval) : pollInterval_(pollInterval) {}

    // The alerts logged before the watcher started, newest first.
    void startAlerts(std::vector<std::string> records);

    struct Step {
        std::shared_ptr<const WatchState> state;
        std::vector<ServedEvent> events;
    };
    // After the follower's step that made `change`, at `now`. The first step
    // tells no draw: what the watcher started with is no news.
    [[nodiscard]] Step followed(DrawFollower& follower, const HistoryChange& change, Clock::time_point now);

    // The most alerts kept, as many as the archive's log keeps; the most
    // draws told at one step.
    static constexpr std::size_t kAlertsKept = 1000;
    static constexpr std::size_t kDrawsTold = 30;

private:
    void drawsArrived(const HistoryChange& change, Clock::time_point now);
    [[nodiscard]] std::optional<Clock::time_point> nextExpected() const;

    std::chrono::milliseconds pollInterval_;
    std::shared_ptr<const HistoryView> history_;
    std::shared_ptr<const std::vector<std::string>> alerts_ = std::make_shared<std::vector<std::string>>();
    std::string newestIssue_;
    // When single new draws came in, oldest first, for the pace of the draws.
    std::deque<Clock::time_point> arrivals_;
    std::optional<Clock::time_point> newestArrived_;
};

}  // namespace quintara
