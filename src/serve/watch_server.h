// The watcher's HTTP server, beside its polling: the page, the JSON API and
// the event stream, made from the states the watcher publishes, on threads
// of its own (one listens; kServingThreads serve, enough for every event
// stream and some requests besides), so that no request, however hostile,
// holds up a poll. Idle connections close after 5 s, slow ones too; every
// reply carries the page's Content-Security-Policy.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "serve/access_token.h"
#include "serve/api_routes.h"
#include "serve/event_hub.h"
#include "serve/listen_address.h"
#include "serve/watch_state.h"

namespace quintara {

struct ServeSettings {
    ListenAddress address;
    std::optional<AccessToken> token;  // none: no token asked (a loopback address only)
    PushChannelsJson pushChannels = [] { return std::string("[]"); };
    // How long a quiet event stream waits before it sends a comment.
    std::chrono::milliseconds keepAlive{15000};
};

class WatchServer {
public:
    // Threads for requests besides the event streams.
    static constexpr std::size_t kRequestThreads = 8;
    static constexpr std::size_t kServingThreads = EventHub::kMostStreams + kRequestThreads;
    // How long a connection may stay idle, or take to send or take a part.
    static constexpr std::chrono::seconds kIdleLimit{5};
    // Connections the system keeps waiting for the listening thread.
    static constexpr int kListenQueue = 128;

    // Serves the latest state of `board` and the streams of `hub`, which must
    // outlive it.
    WatchServer(const StateBoard& board, EventHub& hub, ServeSettings settings);
    ~WatchServer();
    WatchServer(const WatchServer&) = delete;
    WatchServer& operator=(const WatchServer&) = delete;

    // Binds the address and serves from now on: the port bound, or why the
    // address cannot be served.
    [[nodiscard]] std::variant<int, std::string> start();
    // Ends the event streams and the serving; waits for the serving threads
    // (a request under way ends within kIdleLimit).
    void stop();

private:
    struct Serving;
    std::unique_ptr<Serving> serving_;
};

}  // namespace quintara
