// The provider serving on an ephemeral loopback port inside the test, on a
// clock that the test moves by hand.
#pragma once

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "digit_sources.h"
#include "draw_book.h"
#include "provider_server.h"

namespace quintara::provider::testing {

inline constexpr std::chrono::seconds kInterval{60};

// 12:00 local time on 12 June 2025, whatever the time zone: today's date in
// these tests, far from midnight.
inline std::chrono::system_clock::time_point localNoon() {
    std::tm noon{};
    noon.tm_year = 2025 - 1900;
    noon.tm_mon = 6 - 1;
    noon.tm_mday = 12;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&noon));
}

// The local time of a moment, as the program's platform hands it out.
inline LocalTime localTimeAt(std::chrono::system_clock::time_point moment) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(moment);
    std::tm local{};
    localtime_r(&seconds, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

// Read by the server's threads, moved by the test's.
class ManualClock {
public:
    [[nodiscard]] std::chrono::system_clock::time_point now() const {
        return std::chrono::system_clock::time_point{
            std::chrono::system_clock::duration{ticks_.load()}};
    }
    void advance(std::chrono::system_clock::duration step) { ticks_ += step.count(); }
    [[nodiscard]] Clock clock() const {
        return [this] { return now(); };
    }

private:
    std::atomic<std::chrono::system_clock::rep> ticks_{localNoon().time_since_epoch().count()};
};

struct Answer {
    int status = 0;
    std::string contentType;
    std::string body;
};

class RunningProvider {
public:
    explicit RunningProvider(const std::set<Source>& down = {},
                             std::size_t listLength = kNewlyOpenCount,
                             std::optional<std::uint32_t> chaosSeed = std::nullopt)
        : server_(
              book_, down,
              [this](const std::string& line) {
                  const std::scoped_lock lock(logMutex_);
                  log_.push_back(line);
              },
              listLength, chaosSeed) {}

    [[nodiscard]] Answer get(const std::string& target) {
        const httplib::Result result = client_.Get(target.c_str());
        if (!result) return {};
        return {result->status, result->get_header_value("Content-Type"), result->body};
    }

    // "127.0.0.1:port", where the program's providers are to be pointed.
    [[nodiscard]] std::string host() const { return "127.0.0.1:" + std::to_string(port_); }
    [[nodiscard]] int port() const { return port_; }

    [[nodiscard]] std::vector<std::string> log() {
        const std::scoped_lock lock(logMutex_);
        return log_;
    }

    ManualClock clock;
    static constexpr int kDays = 2;

    DrawBook& book() { return book_; }

private:
    DrawBook book_{kDays, kInterval, randomDigits(7), clock.clock()};
    std::mutex logMutex_;
    std::vector<std::string> log_;
    ProviderServer server_;
    int port_ = server_.start(0).value();
    httplib::Client client_{"127.0.0.1", port_};
};

}  // namespace quintara::provider::testing
