// A watcher's serving as the tests run it: the core that follows draws over
// providers the test feeds, a real archive in a scratch folder, and the
// server on a loopback port the system picks; and a raw connection to it for
// what an HTTP client would not send.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <httplib.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "draws/issue.h"
#include "follow/draw_follower.h"
#include "serve/watch_serving.h"
#include "support/fake_platform.h"
#include "support/scratch_folder.h"

namespace quintara::testing {

// Draws of the days from 1 December 2026, 120 a day, their digits from a
// fixed sequence: newest first, as the providers hand them over.
inline std::vector<std::string> madeEntries(int count, std::uint32_t seed = 7) {
    std::vector<std::string> oldestFirst;
    Issue issue = *Issue::parse("20261201-001");
    for (int made = 0; made < count; ++made, issue = issue.successor()) {
        std::string digits;
        for (int position = 0; position < 5; ++position) {
            seed = seed * 1103515245U + 12345U;
            digits += static_cast<char>('0' + (seed >> 16) % 10);
        }
        oldestFirst.push_back(issue.text() + digits);
    }
    return {oldestFirst.rbegin(), oldestFirst.rend()};
}

// The feed and the one newer draw a poll finds, as the test sets them.
class FedProviders : public DrawProviders {
public:
    bool fetchHistoryFeed(std::vector<std::string>& entries) override {
        if (feed.empty()) return false;
        entries = feed;
        return true;
    }
    NewerDraw findNewerDraw(std::string_view) override {
        if (!answering) return {.replies = {{.answer = SourceAnswer::ErrorStatus, .httpStatus = 503}}};
        const SourceAnswer answer = newer.empty() ? SourceAnswer::NothingNewer : SourceAnswer::NewerDraw;
        return {std::exchange(newer, {}), LatestDrawSource::LotteryApi, {{.answer = answer, .httpStatus = 200}}};
    }

    std::vector<std::string> feed;
    std::string newer;  // taken by the next poll
    bool answering = true;
};

inline ServeSettings loopbackSettings() { return {.address = {"127.0.0.1", 0}}; }

class ServedWatch {
public:
    explicit ServedWatch(int draws, ServeSettings settings = loopbackSettings(), std::vector<AlertRule> rules = {})
        : serving(std::move(settings), std::chrono::milliseconds(8000)) {
        providers.feed = madeEntries(draws);
        if (!rules.empty()) follower.holdRules(std::move(rules));
        step(follower.start());
        if (const auto reloaded = follower.reload()) step(*reloaded);
        serving.startAlerts(follower.archive()->alertLog());
        step({});
        port = std::get<int>(serving.start());
    }
    ~ServedWatch() { serving.stop(); }

    // A poll that finds `entry` (none: nothing newer).
    HistoryChange poll(std::string entry = {}) {
        providers.newer = std::move(entry);
        HistoryChange change = follower.poll();
        step(change);
        return change;
    }
    void step(const HistoryChange& change) { serving.followed(follower, change, std::chrono::system_clock::now()); }

    [[nodiscard]] httplib::Client client() const {
        httplib::Client client("127.0.0.1", port);
        client.set_read_timeout(std::chrono::seconds(10));
        return client;
    }
    [[nodiscard]] std::string archiveFile() const { return folder.file("draws.sqlite"); }

    ScratchFolder folder;
    FakePlatform platform;
    FedProviders providers;
    DrawFollower follower{platform, providers, ArchivePlace{.file = folder.path() / "draws.sqlite"}};
    WatchServing serving;
    int port = 0;
};

// A connection to the server that sends what the test writes, byte for byte.
class RawClient {
public:
    explicit RawClient(int port) : socket_(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        connected_ = ::connect(socket_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawClient() { ::close(socket_); }
    RawClient(const RawClient&) = delete;
    RawClient& operator=(const RawClient&) = delete;

    [[nodiscard]] bool connected() const { return connected_; }
    bool send(std::string_view bytes) {
        return ::send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(bytes.size());
    }
    // What arrives until `until` is among it, the server closes, or `wait` passes.
    std::string receive(std::string_view until, std::chrono::milliseconds wait = std::chrono::seconds(10)) {
        const auto deadline = std::chrono::steady_clock::now() + wait;
        while (received_.find(until) == std::string::npos && !closed_) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) break;
            pollfd readable{socket_, POLLIN, 0};
            if (::poll(&readable, 1, static_cast<int>(left.count())) <= 0) break;
            char buffer[4096];
            const ssize_t read = ::recv(socket_, buffer, sizeof buffer, 0);
            if (read <= 0) {
                closed_ = true;
            } else {
                received_.append(buffer, static_cast<std::size_t>(read));
            }
        }
        return received_;
    }
    [[nodiscard]] bool closed() const { return closed_; }

private:
    int socket_;
    bool connected_ = false;
    bool closed_ = false;
    std::string received_;
};

// "GET PATH HTTP/1.1" with Host and the extra lines, then the empty line.
inline std::string getRequest(std::string_view path, std::string_view extraLines = {}) {
    return "GET " + std::string(path) + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + std::string(extraLines) + "\r\n";
}

}  // namespace quintara::testing
