#include "draws/gap_fill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draws/issue.h"

namespace quintara {
namespace {

using Entries = std::vector<std::string>;

Issue issue(std::string_view text) {
    const std::optional<Issue> parsed = Issue::parse(text);
    EXPECT_TRUE(parsed) << text;
    return parsed.value_or(Issue(std::chrono::sys_days{}, 1));
}

std::string successorOf(std::string_view text) { return issue(text).successor().text(); }

TEST(Issues, AreOrderedByDateThenSequenceAcrossYearsAndDecades) {
    // A 2019 archive and today's draws; the decade's turn; a day of 59 draws.
    EXPECT_LT(issue("20191219-053"), issue("20261209-001"));
    EXPECT_LT(issue("20291231-120"), issue("20300101-001"));
    EXPECT_LT(issue("20190211-059"), issue("20190212-001"));
    EXPECT_LT(issue("20181101-009"), issue("20181101-010"));
    EXPECT_EQ(issue("20181101-009"), issue("20181101-009"));
}

TEST(Issues, TheSuccessorIsTheNextSequenceAndAfter120TheNextDay) {
    EXPECT_EQ(successorOf("20181101-001"), "20181101-002");
    EXPECT_EQ(successorOf("20181101-099"), "20181101-100");
    EXPECT_EQ(successorOf("20181101-120"), "20181102-001");
    EXPECT_EQ(successorOf("20181130-120"), "20181201-001");
    EXPECT_EQ(successorOf("20291231-120"), "20300101-001");
    EXPECT_EQ(successorOf("20240228-120"), "20240229-001");  // a leap year
    EXPECT_EQ(successorOf("20250228-120"), "20250301-001");
    EXPECT_EQ(successorOf("19691231-120"), "19700101-001");
}

TEST(Issues, AnIssueNumberHasARealDateAndASequenceUpTo999InEitherSpelling) {
    EXPECT_TRUE(isIssueNumber("20181101-121"));
    EXPECT_TRUE(isIssueNumber("20240229-999"));
    for (const std::string_view text : {"", "20181101-000", "20230229-001", "20181301-001", "20181101001",
                                        "2018110-0011", "20181101-01a", "20181101-1000", "２0181101-001"}) {
        EXPECT_FALSE(isIssueNumber(text)) << text;
    }
    EXPECT_EQ(Issue::read("20181101121")->text(), "20181101-121");
    EXPECT_EQ(Issue::read("20181101-007")->text(), "20181101-007");
    EXPECT_FALSE(Issue::read("20181131001"));
    EXPECT_FALSE(Issue::read("2018110100１"));
}

TEST(Issues, TheMissingOnesAreThoseOfTheNewerDayBeforeIt) {
    EXPECT_EQ(issuesMissingBetween("20181101-050", "20181101-051"), 0);
    EXPECT_EQ(issuesMissingBetween("20181101-050", "20181101-061"), 10);
    // A day may end early (59 draws) and days may pass without draws: only
    // the newer day's draws before it are known to be missing.
    EXPECT_EQ(issuesMissingBetween("20190211-059", "20190212-001"), 0);
    EXPECT_EQ(issuesMissingBetween("20181101-110", "20181102-005"), 4);
    EXPECT_EQ(issuesMissingBetween("20191219-053", "20261209-001"), 0);
    EXPECT_EQ(issuesMissingBetween("20181101-050", "20181101-050"), 0);
    EXPECT_EQ(issuesMissingBetween("20181101-051", "20181101-050"), 0);
    EXPECT_EQ(issuesMissingBetween("20181101-050", "no issue"), 0);
}

TEST(GapFill, OnlyTheSuccessorOnAFullDayFollowsOnWithoutTheFeed) {
    EXPECT_TRUE(followsOn(issue("20181101-050"), issue("20181101-051")));
    EXPECT_TRUE(followsOn(issue("20181101-120"), issue("20181102-001")));
    EXPECT_TRUE(followsOn(issue("20291231-120"), issue("20300101-001")));
    EXPECT_TRUE(followsOn(std::nullopt, issue("20181101-052")));  // an empty history
    EXPECT_FALSE(followsOn(issue("20181101-050"), issue("20181101-052")));
    EXPECT_FALSE(followsOn(issue("20181101-120"), issue("20181103-001")));
    // A day that ended at 059, or one that lost its last draws: the feed tells.
    EXPECT_FALSE(followsOn(issue("20190211-059"), issue("20190212-001")));
}

TEST(GapFill, AFeedWithTheSuccessorGivesEveryDrawAfterTheNewestHeld) {
    const Entries feed{"20181101-05455555", "20181101-05344444", "20181101-05233333",
                       "20181101-05122222", "20181101-05011111", "20181101-04900000"};
    const GapFill fill = fillGap(issue("20181101-050"), "20181101-05499999", feed);
    EXPECT_EQ(fill.entries, (Entries{"20181101-05455555", "20181101-05344444",
                                     "20181101-05233333", "20181101-05122222"}));
    EXPECT_EQ(fill.missing, 0);
}

TEST(GapFill, AFeedAheadOfOrBehindTheFoundDrawSetsTheNewest) {
    const Entries ahead{"20181101-05333333", "20181101-05222222", "20181101-05111111"};
    EXPECT_EQ(fillGap(issue("20181101-050"), "20181101-05299999", ahead).entries, ahead);
    // The found draw is left for a later poll, which goes on from the feed's newest.
    const Entries behind{"20181101-05111111", "20181101-05000000"};
    EXPECT_EQ(fillGap(issue("20181101-050"), "20181101-05599999", behind).entries,
              (Entries{"20181101-05111111"}));
}

TEST(GapFill, ABreakOfDaysIsNoGapOnceTheFeedShowsItAfterTheNewestHeld) {
    const Entries feed{"20260215-00212345", "20260215-00154321", "20260208-12011111"};
    const GapFill fill = fillGap(issue("20260208-120"), "20260215-00154321", feed);
    EXPECT_EQ(fill.entries, (Entries{"20260215-00212345", "20260215-00154321"}));
    EXPECT_EQ(fill.missing, 0);
}

TEST(GapFill, WithoutTheFeedTheFoundDrawIsTakenAndTheSkippedOnesAreMissing) {
    const GapFill unreachable = fillGap(issue("20181101-050"), "20181101-06112345", {});
    EXPECT_EQ(unreachable.entries, (Entries{"20181101-06112345"}));
    EXPECT_EQ(unreachable.missing, 10);
    EXPECT_TRUE(unreachable.feedHeldNone);

    // A feed that knows nothing after the newest held draw does not close it either.
    const Entries stale{"20181101-05011111", "20181101-04900000"};
    const GapFill notThere = fillGap(issue("20181101-050"), "20181101-06112345", stale);
    EXPECT_EQ(notThere.entries, (Entries{"20181101-06112345"}));
    EXPECT_EQ(notThere.missing, 10);
    EXPECT_TRUE(notThere.feedHeldNone);
}

TEST(GapFill, AFeedThatStartsAfterAHoleGivesItsDrawsAndCountsTheHole) {
    // Neither the newest held draw nor its successor: 051 to 054 are nowhere.
    const Entries recent{"20181101-05766666", "20181101-05655555", "20181101-05544444"};
    const GapFill fill = fillGap(issue("20181101-050"), "20181101-05655555", recent);
    EXPECT_EQ(fill.entries, recent);
    EXPECT_EQ(fill.missing, 4);
    EXPECT_FALSE(fill.feedHeldNone);  // it has told what it knows: no waiting for more
}

TEST(GapFill, TheFeedsMalformedAndTwiceListedDrawsAreTakenOnce) {
    const Entries feed{"20181101-05333333", "20181101-05399999", "20181101-99988888",
                       "2018-1101-0527777", "20181101-05222222", "20181101-05111111"};
    const GapFill fill = fillGap(issue("20181101-050"), "20181101-05312345", feed);
    EXPECT_EQ(fill.entries,
              (Entries{"20181101-05333333", "20181101-05222222", "20181101-05111111"}));
    EXPECT_EQ(fill.missing, 0);
}

TEST(GapFill, ADayThatEndedAt059IsNoGapOnceTheFeedShowsIt) {
    const Entries feed{"20190212-00212345", "20190212-00154321", "20190211-05911111"};
    const GapFill fill = fillGap(issue("20190211-059"), "20190212-00212345", feed);
    EXPECT_EQ(fill.entries, (Entries{"20190212-00212345", "20190212-00154321"}));
    EXPECT_EQ(fill.missing, 0);
    // Without the feed only the new day's draws before it are said missing.
    EXPECT_EQ(fillGap(issue("20190211-059"), "20190212-00354321", {}).missing, 2);
}

}  // namespace
}  // namespace quintara
