// What the pushes' tests run them against: a loopback server that takes every
// POST, keeps it and answers as the test says, and a push clock the test
// moves by hand (its time of day is UTC's).
#pragma once

#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "notify/push_clock.h"
#include "support/loopback_http_server.h"

namespace quintara::testing {

struct ReceivedPush {
    std::string path;
    httplib::Params query;
    httplib::Headers headers;
    std::string body;
};

class PushReceiver {
public:
    PushReceiver()
        : server_([this](httplib::Server& server) {
              server.Post(".*", [this](const httplib::Request& request, httplib::Response& response) {
                  std::lock_guard lock(mutex_);
                  received_.push_back({request.path, request.params, request.headers, request.body});
                  response.status = failuresLeft_ > 0 ? 500 : 200;
                  if (failuresLeft_ > 0) --failuresLeft_;
                  response.set_content(answer_, "application/json");
                  arrived_.notify_all();
              });
          }) {}

    // "http://127.0.0.1:PORT" + path
    [[nodiscard]] std::string address(std::string_view path) const { return server_.address(path); }

    // The pushes once `count` have arrived, or those that did in 10 s.
    std::vector<ReceivedPush> awaited(std::size_t count) {
        std::unique_lock lock(mutex_);
        arrived_.wait_for(lock, std::chrono::seconds(10), [&] { return received_.size() >= count; });
        return received_;
    }
    // Those that arrived by now, after waiting `settle` for stragglers.
    std::vector<ReceivedPush> received(std::chrono::milliseconds settle = std::chrono::milliseconds(300)) {
        std::this_thread::sleep_for(settle);
        std::lock_guard lock(mutex_);
        return received_;
    }
    // The next `count` pushes are answered 500.
    void failNext(int count) {
        std::lock_guard lock(mutex_);
        failuresLeft_ = count;
    }
    void answerWith(std::string body) {
        std::lock_guard lock(mutex_);
        answer_ = std::move(body);
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<ReceivedPush> received_;
    int failuresLeft_ = 0;
    std::string answer_ = "{}";
    LoopbackHttpServer server_;  // last: it serves what the others hold
};

class FixedPushClock : public PushClock {
public:
    explicit FixedPushClock(Clock::time_point now) : now_(now) {}
    [[nodiscard]] Clock::time_point now() const override {
        std::lock_guard lock(mutex_);
        return now_;
    }
    [[nodiscard]] std::chrono::seconds timeOfDay(Clock::time_point moment) const override {
        return std::chrono::duration_cast<std::chrono::seconds>(moment.time_since_epoch()) % std::chrono::hours(24);
    }
    void advance(Clock::duration by) {
        std::lock_guard lock(mutex_);
        now_ += by;
    }

private:
    mutable std::mutex mutex_;
    Clock::time_point now_;
};

// 10:00:00 UTC on 10 December 2025.
inline PushClock::Clock::time_point tenOClock() {
    return PushClock::Clock::time_point(std::chrono::seconds(1765360800));
}

}  // namespace quintara::testing
