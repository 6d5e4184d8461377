#include "draws/gap_fill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draws/history_holes.h"
#include "draws/issue_sequence.h"

namespace quintara {
namespace {

using Entries = std::vector<std::string>;

TEST(IssueSequence, TheSuccessorIsTheNextSequenceAndAfter120TheNextDay) {
    EXPECT_EQ(successorOf("20181101-001"), "20181101-002");
    EXPECT_EQ(successorOf("20181101-099"), "20181101-100");
    EXPECT_EQ(successorOf("20181101-120"), "20181102-001");
    EXPECT_EQ(successorOf("20181130-120"), "20181201-001");
    EXPECT_EQ(successorOf("20181231-120"), "20190101-001");
    EXPECT_EQ(successorOf("20240228-120"), "20240229-001");  // a leap year
    EXPECT_EQ(successorOf("20250228-120"), "20250301-001");
    EXPECT_EQ(successorOf("19691231-120"), "19700101-001");
}

TEST(IssueSequence, OnlyAWellFormedIssueOfARealDateHasASuccessor) {
    for (const std::string_view issue :
         {"", "20181101-121", "20181101-000", "20181301-001", "20180230-001", "20181101001",
          "2018110-0011", "20181101-01a", "20181101-0011", "２0181101-001"}) {
        SCOPED_TRACE(issue);
        EXPECT_EQ(successorOf(issue), "");
        EXPECT_FALSE(issueOrdinal(issue));
    }
}

TEST(IssueSequence, AnIssueNumberHasARealDateAndASequenceUpTo999InEitherSpelling) {
    EXPECT_TRUE(isIssueNumber("20181101-121"));
    EXPECT_TRUE(isIssueNumber("20240229-999"));
    for (const std::string_view issue : {"20181101-000", "20230229-001", "20181101001", "20181101-1000", ""}) {
        EXPECT_FALSE(isIssueNumber(issue)) << issue;
    }
    EXPECT_EQ(issueNumberIn("20181101121"), "20181101-121");
    EXPECT_EQ(issueNumberIn("20181101-007"), "20181101-007");
    EXPECT_EQ(issueNumberIn("20181131001"), std::nullopt);
    EXPECT_EQ(issueNumberIn("2018110100１"), std::nullopt);
}

TEST(IssueSequence, IssuesBetweenCountsTheSkippedOnesAcrossDays) {
    EXPECT_EQ(issuesBetween("20181101-050", "20181101-051"), 0);
    EXPECT_EQ(issuesBetween("20181101-050", "20181101-061"), 10);
    EXPECT_EQ(issuesBetween("20181101-110", "20181102-005"), 14);
    EXPECT_EQ(issuesBetween("20181101-120", "20181103-001"), 120);
    EXPECT_FALSE(issuesBetween("20181101-050", "20181101-050"));
    EXPECT_FALSE(issuesBetween("20181101-051", "20181101-050"));
    EXPECT_FALSE(issuesBetween("20181101-050", "20181101-999"));
}

TEST(GapFill, OnlyADirectSuccessorFollowsOnAndAnIssueThatCannotBeToldToo) {
    EXPECT_TRUE(followsOn("20181101-050", "20181101-051"));
    EXPECT_TRUE(followsOn("20181101-120", "20181102-001"));
    EXPECT_FALSE(followsOn("20181101-050", "20181101-052"));
    EXPECT_FALSE(followsOn("20181101-120", "20181103-001"));
    // No gap can be told: an empty history, or an issue out of the game's order.
    EXPECT_TRUE(followsOn("", "20181101-052"));
    EXPECT_TRUE(followsOn("20181101-050", "20181101-999"));
    EXPECT_TRUE(followsOn("2018-1101-50", "20181101-052"));
}

TEST(GapFill, AFeedWithTheSuccessorGivesEveryDrawAfterTheNewestHeld) {
    const Entries feed{"20181101-05455555", "20181101-05344444", "20181101-05233333",
                       "20181101-05122222", "20181101-05011111", "20181101-04900000"};
    const GapFill fill = fillGap("20181101-050", "20181101-05499999", feed);
    EXPECT_EQ(fill.entries, (Entries{"20181101-05455555", "20181101-05344444",
                                     "20181101-05233333", "20181101-05122222"}));
    EXPECT_EQ(fill.missing, 0);
}

TEST(GapFill, AFeedAheadOfOrBehindTheFoundDrawSetsTheNewest) {
    const Entries ahead{"20181101-05333333", "20181101-05222222", "20181101-05111111"};
    EXPECT_EQ(fillGap("20181101-050", "20181101-05299999", ahead).entries, ahead);
    // The found draw is left for a later poll, which goes on from the feed's newest.
    const Entries behind{"20181101-05111111", "20181101-05000000"};
    EXPECT_EQ(fillGap("20181101-050", "20181101-05599999", behind).entries,
              (Entries{"20181101-05111111"}));
}

TEST(GapFill, ABreakOfDaysIsNoGapOnceTheFeedShowsItAfterTheNewestHeld) {
    const Entries feed{"20260215-00212345", "20260215-00154321", "20260208-12011111"};
    const GapFill fill = fillGap("20260208-120", "20260215-00154321", feed);
    EXPECT_EQ(fill.entries, (Entries{"20260215-00212345", "20260215-00154321"}));
    EXPECT_EQ(fill.missing, 0);
}

TEST(GapFill, WithoutTheFeedTheFoundDrawIsTakenAndTheSkippedOnesAreMissing) {
    const GapFill unreachable = fillGap("20181101-050", "20181101-06112345", {});
    EXPECT_EQ(unreachable.entries, (Entries{"20181101-06112345"}));
    EXPECT_EQ(unreachable.missing, 10);
    EXPECT_TRUE(unreachable.feedHeldNone);

    // A feed that knows nothing after the newest held draw does not close it either.
    const Entries stale{"20181101-05011111", "20181101-04900000"};
    const GapFill notThere = fillGap("20181101-050", "20181101-06112345", stale);
    EXPECT_EQ(notThere.entries, (Entries{"20181101-06112345"}));
    EXPECT_EQ(notThere.missing, 10);
    EXPECT_TRUE(notThere.feedHeldNone);
}

TEST(GapFill, AFeedThatStartsAfterAHoleGivesItsDrawsAndCountsTheHole) {
    // Neither the newest held draw nor its successor: 051 to 054 are nowhere.
    const Entries recent{"20181101-05766666", "20181101-05655555", "20181101-05544444"};
    const GapFill fill = fillGap("20181101-050", "20181101-05655555", recent);
    EXPECT_EQ(fill.entries, recent);
    EXPECT_EQ(fill.missing, 4);
    EXPECT_FALSE(fill.feedHeldNone);  // it has told what it knows: no waiting for more
}

TEST(GapFill, TheFeedsMalformedAndTwiceListedDrawsAreTakenOnce) {
    const Entries feed{"20181101-05333333", "20181101-05399999", "20181101-99988888",
                       "2018-1101-0527777", "20181101-05222222", "20181101-05111111"};
    const GapFill fill = fillGap("20181101-050", "20181101-05312345", feed);
    EXPECT_EQ(fill.entries,
              (Entries{"20181101-05333333", "20181101-05222222", "20181101-05111111"}));
    EXPECT_EQ(fill.missing, 0);
}

TEST(HistoryHoles, ADrawFollowsAHoleWhereIssuesAreMissingBelowIt) {
    Grid grid(3, 2);
    DrawHistory history(grid);
    history.replaceWith({"20181102-00212345", "20181101-12012345", "not an issue12345",
                         "20181101-10012345"});
    EXPECT_EQ(missingBefore(history, 1), 1);  // 001 of the next day
    // Nothing can be told next to a malformed issue, below the oldest draw or
    // past the rows.
    for (const int row : {2, 3, 4, 99}) EXPECT_EQ(missingBefore(history, row), 0) << row;
}

}  // namespace
}  // namespace quintara
