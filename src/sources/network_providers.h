// The draw sources on the network: the history feed of the history
// provider, and the three latest-draw sources asked in turn on each poll.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "sources/draw_providers.h"

namespace quintara {

inline constexpr std::string_view kLotteryApiPath = "/i/lotapi.html?do=qkjcode&lotID=255401&issue=";
inline constexpr std::string_view kNewlyOpenListPath = "/static/ssc/newlyopenlist.xml";
inline constexpr std::string_view kFlashDataPath = "/lottery/kcflash!getDataForCqsscFlash.jhtml";

// Each "host" or "host:port".
struct ProviderHosts {
    std::string history;
    std::string api;
    std::string list;
    std::string flash;

    [[nodiscard]] static ProviderHosts allAt(std::string_view host) {
        return {std::string(host), std::string(host), std::string(host), std::string(host)};
    }
};

class NetworkProviders : public DrawProviders {
public:
    // The platform gives the date of the next issue and keeps the window
    // alive while each source is awaited.
    NetworkProviders(ProviderHosts hosts, Platform& platform)
        : hosts_(std::move(hosts)), platform_(platform) {}

    // Fetches the feed afresh and parses it; true when it gave a draw.
    bool fetchHistoryFeed(std::vector<std::string>& entries) override;
    // The lottery API, then the newly-open list, then the flash data: the
    // first that has a newer, well-formed draw gives it. Each is bounded to
    // 5 seconds. The poll says how each source asked answered.
    [[nodiscard]] NewerDraw findNewerDraw(std::string_view newestIssue) override;

private:
    ProviderHosts hosts_;
    Platform& platform_;
};

}  // namespace quintara
