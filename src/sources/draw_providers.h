// Where the draws come from: the history feed for a full reload and the
// latest-draw sources for each update tick.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quintara {

class DrawProviders {
public:
    virtual ~DrawProviders() = default;

    // Replaces `entries` by the feed's draw entries, newest first, and returns
    // true; returns false and leaves `entries` untouched when the feed gave
    // no draw.
    virtual bool fetchHistoryFeed(std::vector<std::string>& entries) = 0;

    // A draw entry of 17 characters newer than `newestIssue`, or the empty
    // text when no source has one.
    [[nodiscard]] virtual std::string findNewerDraw(std::string_view newestIssue) = 0;
};

}  // namespace quintara
