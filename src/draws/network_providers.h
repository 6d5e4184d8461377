// The draw sources on the network: the history feed of the history
// provider, over HTTP.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "draws/draw_providers.h"

namespace quintara {

class NetworkProviders : public DrawProviders {
public:
    // `historyHost` is "host" or "host:port".
    explicit NetworkProviders(std::string_view historyHost) : historyHost_(historyHost) {}

    // Fetches the feed afresh and parses it; true when it gave a draw.
    bool fetchHistoryFeed(std::vector<std::string>& entries) override;
    [[nodiscard]] std::string findNewerDraw(std::string_view newestIssue) override;

private:
    std::string historyHost_;
};

}  // namespace quintara
