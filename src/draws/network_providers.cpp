#include "draws/network_providers.h"

#include "draws/history_feed.h"
#include "draws/http_get.h"

namespace quintara {

bool NetworkProviders::fetchHistoryFeed(std::vector<std::string>& entries) {
    const std::string body = httpGet("http://" + historyHost_ + std::string(kHistoryFeedPath));
    if (body.empty()) return false;
    std::vector<std::string> feed = parseHistoryFeed(body);
    if (feed.empty()) return false;
    entries = std::move(feed);
    return true;
}

// The latest-draw sources are not asked yet: no source has a newer draw.
std::string NetworkProviders::findNewerDraw(std::string_view) { return {}; }

}  // namespace quintara
