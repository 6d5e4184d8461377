// The watcher's serving as the watcher drives it: after each step of the
// core that follows draws, the new state is published for the server's
// threads and the step's events go to the open streams (each draw, each
// alert, then the status).
#pragma once

#include <chrono>
#include <string>
#include <variant>
#include <vector>

#include "follow/draw_follower.h"
#include "serve/event_hub.h"
#include "serve/watch_server.h"
#include "serve/watch_state.h"
#include "serve/watch_state_maker.h"

namespace quintara {

class WatchServing {
public:
    WatchServing(ServeSettings settings, std::chrono::milliseconds pollInterval);

    // The alerts logged before the watcher started, newest first.
    void startAlerts(std::vector<std::string> records) { maker_.startAlerts(std::move(records)); }
    // After each step of `follower`, on the watcher's thread; the first
    // before start().
    void followed(DrawFollower& follower, const HistoryChange& change, WatchState::Clock::time_point now);

    // As WatchServer's.
    [[nodiscard]] std::variant<int, std::string> start() { return server_.start(); }
    void stop() { server_.stop(); }
    [[nodiscard]] std::size_t openStreams() const { return hub_.openStreams(); }

private:
    PushChannelsJson pushChannels_;
    WatchStateMaker maker_;
    StateBoard board_;
    EventHub hub_;
    WatchServer server_;  // last: it serves what the others hold
};

}  // namespace quintara
