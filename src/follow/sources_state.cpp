#include "follow/sources_state.h"

#include <algorithm>
#include <optional>

namespace quintara {
namespace {

std::string answerWords(const SourceReply& reply) {
    switch (reply.answer) {
        case SourceAnswer::NoAnswer:
            return "无应答";
        case SourceAnswer::TimedOut:
            return "超时";
        case SourceAnswer::ErrorStatus:
            return "HTTP " + std::to_string(reply.httpStatus);
        case SourceAnswer::Malformed:
            return "回答无法识别";
        case SourceAnswer::NewerDraw:
        case SourceAnswer::NothingNewer:
            break;
    }
    return "回答正常";
}

// Why a poll failed (its replies, one at least): one reason when every
// source failed alike, else each source's.
std::string failureReason(const std::vector<SourceReply>& replies) {
    const std::string first = answerWords(replies.front());
    const bool alike = std::all_of(replies.begin(), replies.end(), [&first](const SourceReply& reply) {
        return answerWords(reply) == first;
    });
    if (alike) return first;
    std::string reason;
    for (const SourceReply& reply : replies) {
        if (!reason.empty()) reason += "；";
        reason.append(sourceName(reply.source)).append("：").append(answerWords(reply));
    }
    return reason;
}

// The source a successful poll is known by: the one that gave the newer
// draw, else the first that answered well; none when the poll failed.
std::optional<LatestDrawSource> succeededWith(const NewerDraw& poll) {
    if (poll.found()) return poll.source;
    const auto well = std::find_if(poll.replies.begin(), poll.replies.end(),
                                   [](const SourceReply& reply) { return reply.answeredWell(); });
    if (well == poll.replies.end()) return std::nullopt;
    return well->source;
}

}  // namespace

std::string_view sourceName(LatestDrawSource source) {
    switch (source) {
        case LatestDrawSource::LotteryApi:
            return "开奖接口";
        case LatestDrawSource::NewlyOpenList:
            return "最新开奖列表";
        case LatestDrawSource::FlashData:
            return "开奖动画数据";
    }
    return "开奖来源";
}

void SourcesState::record(const NewerDraw& poll, std::string_view time) {
    if (poll.replies.empty()) return;
    if (const auto source = succeededWith(poll)) {
        lastSuccess_ = Success{std::string(time), *source};
        failing_.reset();
        return;
    }
    if (!failing_) failing_ = Failures{.since = std::string(time)};
    ++failing_->count;
    failing_->reason = failureReason(poll.replies);
}

ToolTipLines SourcesState::toolTip() const {
    ToolTipLines lines;
    if (lastSuccess_) {
        lines.add("上次成功：" + lastSuccess_->time + "（" +
                  std::string(sourceName(lastSuccess_->source)) + "）");
    }
    if (failing_) {
        lines.add("自" + failing_->since + "起连续" + std::to_string(failing_->count) +
                  "次失败：" + failing_->reason);
    }
    return lines;
}

}  // namespace quintara
