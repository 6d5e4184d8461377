// What the latest-draw sources did over the polls, as the status part's tool
// tip tells it: when a source last answered well and which one, and while
// polls fail, since when, how many times and why.
//
// A poll fails when no source it asked answered well: each gave no answer,
// none in time, an error status or an answer the program cannot read. A
// source that answers in its own form without a newer draw (the draw is not
// out yet) does not fail, and one such answer makes the poll a success.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "sources/draw_providers.h"
#include "stats/row_tool_tip.h"

namespace quintara {

class SourcesState {
public:
    // Notes a poll that ended at `time` ("HH:MM:SS"); a poll that asked no
    // source tells nothing.
    void record(const NewerDraw& poll, std::string_view time);

    // "上次成功：12:28:05（开奖接口）" once a poll succeeded, and while polls
    // fail "自12:30:13起连续5次失败：HTTP 503"; no line before the first poll.
    [[nodiscard]] ToolTipLines toolTip() const;

    struct Success {
        std::string time;
        // The one that gave the newer draw, else the first that answered well.
        LatestDrawSource source;
    };
    struct Failures {
        std::string since;
        int count = 0;
        std::string reason;  // of the latest failed poll
    };
    [[nodiscard]] const std::optional<Success>& lastSuccess() const { return lastSuccess_; }
    // While polls fail.
    [[nodiscard]] const std::optional<Failures>& failing() const { return failing_; }

private:
    std::optional<Success> lastSuccess_;
    std::optional<Failures> failing_;
};

// The source's name for the user: 开奖接口, 最新开奖列表, 开奖动画数据.
[[nodiscard]] std::string_view sourceName(LatestDrawSource source);

}  // namespace quintara
