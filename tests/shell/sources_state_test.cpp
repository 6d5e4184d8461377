// What the status part's tool tip says of the latest-draw sources over a run
// of polls.
#include "shell/sources_state.h"

#include <gtest/gtest.h>

namespace quintara {
namespace {

using enum LatestDrawSource;
using Answer = SourceAnswer;

NewerDraw pollOf(std::vector<SourceReply> replies) {
    return {.replies = std::move(replies)};
}

const NewerDraw kAllDown = pollOf({{LotteryApi, Answer::ErrorStatus, 503},
                                   {NewlyOpenList, Answer::ErrorStatus, 503},
                                   {FlashData, Answer::ErrorStatus, 503}});

TEST(SourcesState, SaysWhenWhichSourceLastAnsweredAndSinceWhenHowOftenWhyPollsFail) {
    SourcesState state;
    EXPECT_TRUE(state.toolTip().lines().empty());
    // A source that answers without a newer draw is no failure: the first that
    // answered well is named, or the one that gave a newer draw.
    state.record(pollOf({{LotteryApi, Answer::NothingNewer, 200},
                         {NewlyOpenList, Answer::ErrorStatus, 503},
                         {FlashData, Answer::NothingNewer, 200}}),
                 "12:28:05");
    EXPECT_EQ(state.toolTip().lines(), std::vector<std::string>{"上次成功：12:28:05（开奖接口）"});

    state.record(kAllDown, "12:28:13");
    state.record(kAllDown, "12:28:21");
    EXPECT_EQ(state.toolTip().lines(),
              (std::vector<std::string>{"上次成功：12:28:05（开奖接口）",
                                        "自12:28:13起连续2次失败：HTTP 503"}));

    // Each source failing its own way is named with its reason; a poll that
    // asked no source tells nothing.
    state.record(pollOf({{LotteryApi, Answer::TimedOut},
                         {NewlyOpenList, Answer::NoAnswer},
                         {FlashData, Answer::Malformed, 200}}),
                 "12:28:34");
    state.record(pollOf({}), "12:28:40");
    EXPECT_EQ(state.toolTip().lines().back(),
              "自12:28:13起连续3次失败：开奖接口：超时；最新开奖列表：无应答；开奖动画数据：回答无法识别");

    // The first success clears the failures.
    state.record({.entry = "20181101-00112345",
                  .source = NewlyOpenList,
                  .replies = {{LotteryApi, Answer::NothingNewer, 200},
                              {NewlyOpenList, Answer::NewerDraw, 200}}},
                 "12:28:42");
    EXPECT_EQ(state.toolTip().lines(), std::vector<std::string>{"上次成功：12:28:42（最新开奖列表）"});
}

}  // namespace
}  // namespace quintara
