// Where the draws come from: the history feed for a full reload and the
// latest-draw sources for each update tick.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quintara {

// The latest-draw sources, in the order a poll asks them.
enum class LatestDrawSource { LotteryApi, NewlyOpenList, FlashData };

// What a poll found: a newer draw, and the source that gave it.
struct NewerDraw {
    std::string entry;  // 17 characters; empty when no source has a newer draw
    LatestDrawSource source = LatestDrawSource::LotteryApi;

    [[nodiscard]] bool found() const { return !entry.empty(); }
};

class DrawProviders {
public:
    virtual ~DrawProviders() = default;

    // Replaces `entries` by the feed's draw entries, newest first, and returns
    // true; returns false and leaves `entries` untouched when the feed gave
    // no draw.
    virtual bool fetchHistoryFeed(std::vector<std::string>& entries) = 0;

    // A draw entry of 17 characters newer than `newestIssue` and the source
    // that gave it, or the empty entry when no source has one.
    [[nodiscard]] virtual NewerDraw findNewerDraw(std::string_view newestIssue) = 0;
};

}  // namespace quintara
