// The four draw sources of the provider, read with the program's own parsing
// code, so that the two cannot drift apart.
#include <gtest/gtest.h>

#include "draw_texts.h"
#include "draws/history_feed.h"
#include "draws/latest_draw_answers.h"
#include "draws/next_issue.h"
#include "provider/running_provider.h"

namespace quintara::provider::testing {
namespace {

const std::string kFeed = "/static/public/ssc/xml/historyopen.xml";
const std::string kList = "/static/ssc/newlyopenlist.xml";
const std::string kFlash = "/lottery/kcflash!getDataForCqsscFlash.jhtml";

std::string apiTarget(const std::string& issue) {
    return "/i/lotapi.html?do=qkjcode&lotID=255401&issue=" + issue + "&t=";
}

// The draw entry the program keeps for a draw: "20250612-001" and the digits.
std::string entryOf(const Draw& draw) {
    std::string entry = issueText(draw, YearDigits::Four);
    return entry.insert(8, 1, '-').append(draw.digits);
}

std::string newestEntry(RunningProvider& provider) {
    return entryOf(provider.book().look(1).latest.back());
}

std::size_t recordsOf(const std::string& list) {
    std::size_t records = 0;
    for (std::size_t at = list.find("<row "); at != std::string::npos; at = list.find("<row ", at + 1)) {
        ++records;
    }
    return records;
}

// The newest issue of the feed, and what the program asks the lottery API
// for after it.
struct FeedNewest {
    std::optional<Issue> issue;
    std::string next;
};

FeedNewest newestOfFeed(RunningProvider& provider) {
    const auto entries = parseHistoryFeed(provider.get(kFeed).body);
    const std::string newest = entries.empty() ? "" : entries.front().substr(0, 12);
    return {Issue::parse(newest), nextIssueAsked(newest, localTimeAt(provider.clock.now()))};
}

TEST(ProviderDrawSources, FeedHoldsTheWholeHistoryOldestFirst) {
    RunningProvider provider;
    const Answer feed = provider.get(kFeed);
    EXPECT_EQ(feed.status, 200);
    EXPECT_EQ(feed.contentType, "text/xml; charset=utf-8");

    const auto entries = parseHistoryFeed(feed.body);
    const BookView view = provider.book().look(SIZE_MAX);
    ASSERT_EQ(entries.size(), RunningProvider::kDays * 120U);
    ASSERT_EQ(entries.size(), view.latest.size());
    EXPECT_EQ(entries.front().substr(0, 12), "20250611-120");
    EXPECT_EQ(entries.back().substr(0, 12), "20250610-001");
    for (std::size_t index = 0; index < entries.size(); ++index) {
        EXPECT_EQ(entries[index], entryOf(view.latest[view.latest.size() - 1 - index]));
    }
}

TEST(ProviderDrawSources, LotteryApiAnswersTheNextIssueOnceDrawn) {
    RunningProvider provider;
    const FeedNewest newest = newestOfFeed(provider);
    ASSERT_EQ(newest.next, "250612001");

    const Answer waiting = provider.get(apiTarget(newest.next));
    EXPECT_EQ(waiting.status, 200);
    EXPECT_EQ(entryFromLotteryApi(waiting.body, newest.next, newest.issue), "");

    provider.clock.advance(kInterval);
    const std::string entry =
        entryFromLotteryApi(provider.get(apiTarget(newest.next)).body, newest.next, newest.issue);
    EXPECT_EQ(entry.substr(0, 12), "20250612-001");
    EXPECT_EQ(entry, newestEntry(provider));
}

TEST(ProviderDrawSources, LotteryApiKnowsOnlyTheLastDaysDraws) {
    RunningProvider provider;
    provider.clock.advance(120 * kInterval);
    EXPECT_NE(entryFromLotteryApi(provider.get(apiTarget("250612001")).body, "250612001", std::nullopt), "");

    // The 121st new draw opens the provider's next day; today's first draw is
    // then more than a day old and no longer answered.
    provider.clock.advance(kInterval);
    EXPECT_EQ(newestEntry(provider).substr(0, 12), "20250613-001");
    EXPECT_EQ(entryFromLotteryApi(provider.get(apiTarget("250612001")).body, "250612001", std::nullopt), "");
    EXPECT_EQ(entryFromLotteryApi(provider.get(apiTarget("250613001")).body, "250613001", std::nullopt),
              newestEntry(provider));
}

TEST(ProviderDrawSources, NewlyOpenListShowsTheLatestDrawsNewestFirst) {
    RunningProvider provider;
    const FeedNewest newest = newestOfFeed(provider);
    EXPECT_EQ(entryFromNewlyOpenList(provider.get(kList).body, newest.issue), "");

    provider.clock.advance(3 * kInterval);
    const Answer list = provider.get(kList);
    EXPECT_EQ(list.status, 200);
    const BookView view = provider.book().look(3);
    // The program takes the oldest of the draws newer than its newest.
    EXPECT_EQ(entryFromNewlyOpenList(list.body, newest.issue), entryOf(view.latest.front()));
    EXPECT_EQ(entryFromNewlyOpenList(list.body, Issue::parse("20250612-003")), "");

    EXPECT_EQ(recordsOf(list.body), 10U);
    EXPECT_LT(list.body.find("expect=\"20250612003\""), list.body.find("expect=\"20250612002\""));
}

TEST(ProviderDrawSources, AShorterNewlyOpenListShowsOnlyTheNewest) {
    RunningProvider provider({}, 2);
    provider.clock.advance(5 * kInterval);
    const std::string list = provider.get(kList).body;
    EXPECT_EQ(recordsOf(list), 2U);
    EXPECT_NE(list.find("expect=\"20250612005\""), std::string::npos);
    EXPECT_NE(list.find("expect=\"20250612004\""), std::string::npos);
}

TEST(ProviderDrawSources, FlashDataShowsTheCurrentDrawAndTheTimeToTheNext) {
    RunningProvider provider;
    const FeedNewest newest = newestOfFeed(provider);
    EXPECT_EQ(entryFromFlashData(provider.get(kFlash).body, newest.issue), "");

    provider.clock.advance(kInterval + std::chrono::seconds{20});
    const Answer flash = provider.get(kFlash);
    EXPECT_EQ(flash.status, 200);
    EXPECT_EQ(entryFromFlashData(flash.body, newest.issue), newestEntry(provider));
    EXPECT_NE(flash.body.find("\"leftTime\":40"), std::string::npos) << flash.body;
}

TEST(ProviderDrawSources, EveryRequestIsLoggedWithItsQueryAndStatus) {
    RunningProvider provider;
    (void)provider.get(apiTarget("250612001"));
    (void)provider.get("/nowhere");
    const std::vector<std::string> expected = {
        "GET /i/lotapi.html?do=qkjcode&lotID=255401&issue=250612001&t= 200",
        "GET /nowhere 404",
    };
    EXPECT_EQ(provider.log(), expected);
}

}  // namespace
}  // namespace quintara::provider::testing
