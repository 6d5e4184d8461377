// Where the draws come from: the history feed for a full reload and the
// latest-draw sources for each update tick.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quintara {

// The latest-draw sources, in the order a poll asks them.
enum class LatestDrawSource { LotteryApi, NewlyOpenList, FlashData };

// How a latest-draw source answered a poll.
enum class SourceAnswer {
    NewerDraw,     // an answer of its own with a newer draw
    NothingNewer,  // an answer of its own without a newer draw: no failure
    NoAnswer,      // no connection, or it broke off
    TimedOut,      // no answer in time
    ErrorStatus,   // an HTTP status of 400 or more
    Malformed,     // an answer the program cannot read, or one past the limits
};

struct SourceReply {
    LatestDrawSource source = LatestDrawSource::LotteryApi;
    SourceAnswer answer = SourceAnswer::NoAnswer;
    long httpStatus = 0;  // of the answer; 0 when none came

    [[nodiscard]] bool answeredWell() const {
        return answer == SourceAnswer::NewerDraw || answer == SourceAnswer::NothingNewer;
    }
    friend bool operator==(const SourceReply&, const SourceReply&) = default;
};

// What a poll found: a newer draw, the source that gave it, and how each
// source asked answered, in the order asked.
struct NewerDraw {
    std::string entry;  // 17 characters; empty when no source has a newer draw
    LatestDrawSource source = LatestDrawSource::LotteryApi;
    std::vector<SourceReply> replies;

    [[nodiscard]] bool found() const { return !entry.empty(); }
};

class DrawProviders {
public:
    virtual ~DrawProviders() = default;

    // Replaces `entries` by the feed's draw entries, newest first, and returns
    // true; returns false and leaves `entries` untouched when the feed gave
    // no draw.
    virtual bool fetchHistoryFeed(std::vector<std::string>& entries) = 0;

    // A draw entry of 17 characters after `newestIssue` (a later issue, date
    // first; any draw when it is empty) and the source that gave it, or the
    // empty entry when no source has one.
    [[nodiscard]] virtual NewerDraw findNewerDraw(std::string_view newestIssue) = 0;
};

}  // namespace quintara
