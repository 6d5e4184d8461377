// Draw providers for the tests of the window's behaviour: prepared answers,
// none at all, or the network providers of a host that may move.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/window.h"
#include "platform/platform.h"
#include "shell/main_window_names.h"
#include "sources/draw_providers.h"
#include "sources/network_providers.h"

namespace quintara::testing {

// Hands out prepared answers and counts what it was asked.
class PreparedProviders : public DrawProviders {
public:
    bool fetchHistoryFeed(std::vector<std::string>& entries) override {
        if (feed.empty()) return false;
        entries = feed;
        return true;
    }
    NewerDraw findNewerDraw(std::string_view newestIssue) override {
        asked.emplace_back(newestIssue);
        if (whileAsked) whileAsked();
        const SourceAnswer answer = newer.empty() ? SourceAnswer::NothingNewer : SourceAnswer::NewerDraw;
        return {newer, source, {{.source = source, .answer = answer}}};
    }

    std::vector<std::string> feed;
    // Runs while a poll waits for its sources, as window messages do.
    std::function<void()> whileAsked;
    std::string newer;
    LatestDrawSource source = LatestDrawSource::LotteryApi;
    std::vector<std::string> asked;
};

// A provider that never has a draw.
class NoDraws : public DrawProviders {
public:
    bool fetchHistoryFeed(std::vector<std::string>&) override { return false; }
    NewerDraw findNewerDraw(std::string_view) override { return {}; }
};

// The network providers of a host that may change, noting the status text
// that the window shows while the feed is fetched.
class WatchedProviders : public DrawProviders {
public:
    WatchedProviders(const Window& window, Platform& platform, std::string host)
        : window_(window), platform_(platform), host_(std::move(host)) {}

    bool fetchHistoryFeed(std::vector<std::string>& entries) override {
        statusWhileFetching = window_.statusBar(names::kStatusBar).partText(0);
        return NetworkProviders(ProviderHosts::allAt(host_), platform_).fetchHistoryFeed(entries);
    }
    NewerDraw findNewerDraw(std::string_view) override { return {}; }
    void moveTo(std::string host) { host_ = std::move(host); }

    std::string statusWhileFetching;

private:
    const Window& window_;
    Platform& platform_;
    std::string host_;
};

}  // namespace quintara::testing
