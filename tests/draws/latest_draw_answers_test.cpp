#include "draws/latest_draw_answers.h"

#include <gtest/gtest.h>

#include <string>

#include "draws/next_issue.h"

namespace quintara {
namespace {

TEST(NextIssue, FollowsTheNewestSequenceOnTodaysDate) {
    EXPECT_EQ(nextIssueAsked("20261208-041", {2026, 12, 8, 14, 0, 5}), "261208042");
    // An archive of 2019 asks for today's draw after its newest sequence.
    EXPECT_EQ(nextIssueAsked("20191219-053", {2026, 12, 9, 10, 0, 0}), "261209054");
}

TEST(NextIssue, TheLastDrawOfADayIsFollowedByTheFirstOfToday) {
    EXPECT_EQ(nextIssueAsked("20261207-120", {2026, 12, 8, 0, 3, 0}), "261208001");
}

TEST(NextIssue, TheLastDrawAskedForAfterMidnightBelongsToYesterday) {
    EXPECT_EQ(nextIssueAsked("20261231-119", {2027, 1, 1, 0, 2, 0}), "261231120");
    EXPECT_EQ(nextIssueAsked("20240228-119", {2024, 3, 1, 0, 59, 59}), "240229120");
    EXPECT_EQ(nextIssueAsked("20261208-119", {2026, 12, 8, 1, 0, 0}), "261208120");
}

TEST(NextIssue, AnEmptyHistoryAsksForTodaysFirstDraw) {
    EXPECT_EQ(nextIssueAsked("", {2026, 3, 9, 10, 0, 0}), "260309001");
}

TEST(LotteryApi, TakesTheCodeBetweenTheFirstColonAndSw) {
    const std::string body = R"({"gw":"ok","code":"3,1,4,1,5","sw":1,"note":"padding text"})";
    // The digits between the first ":" and "sw" are the code's, once kept.
    EXPECT_EQ(entryFromLotteryApi(body, "261208042", std::nullopt), "20261208-04231415");
}

TEST(LotteryApi, AnAnswerThatNamesAnotherIssueIsThatDrawsAndGivesNone) {
    const std::string code = R"({"code":"1,2,3,4,5","sw":"4","gw":"5","issue":)";
    // A source that answers with its newest draw, whatever issue is asked:
    // its code is not the asked issue's.
    for (const char* other : {R"("261208049"})", R"("20261208041"})", R"(""})", R"("2612080421"})"}) {
        EXPECT_EQ(entryFromLotteryApi(code + other, "261208042", std::nullopt), "") << other;
    }
    // The asked issue, with the year's two digits or four.
    for (const char* asked : {R"("261208042"})", R"( "20261208042", "t": 1})"}) {
        EXPECT_EQ(entryFromLotteryApi(code + asked, "261208042", std::nullopt), "20261208-04212345") << asked;
    }
}

TEST(LotteryApi, RejectsShortAnswersAnswersWithoutGwAndTheIssueEcho) {
    EXPECT_EQ(entryFromLotteryApi(R"({"gw":"1:31415sw"})", "261208042", std::nullopt), "");
    EXPECT_EQ(entryFromLotteryApi(R"({"status":"ok","code":"31415","sw":"padding long"})",
                                  "261208042", std::nullopt),
              "");
    // A code equal to the first five characters of the asked issue is its echo.
    EXPECT_EQ(entryFromLotteryApi(R"({"gw":"","code":"20261","sw":"not drawn yet....."})",
                                  "261208042", std::nullopt),
              "");
    EXPECT_EQ(entryFromLotteryApi(R"({"gw":"","code":"3141","sw":"four digits only.."})",
                                  "261208042", std::nullopt),
              "");
    EXPECT_EQ(entryFromLotteryApi(R"({"gw":"sw before the colon: 31415 ......"})", "261208042", std::nullopt),
              "");
}

std::string listRecord(const std::string& issue, const std::string& code) {
    return "<row expect=\"" + issue + "\" opencode=\"" + code + "\" opentime=\"2026-12-08\"/>\n";
}

TEST(NewlyOpenList, TakesTheOldestDrawNewerThanTheNewestHeld) {
    const std::string list = listRecord("20261208044", "4,4,4,4,4") +
                             listRecord("20261208043", "3,3,3,3,3") +
                             listRecord("20261208042", "2,2,2,2,2") +
                             listRecord("20261208041", "1,1,1,1,1");
    EXPECT_EQ(entryFromNewlyOpenList(list, Issue::parse("20261208-041")), "20261208-04222222");
    EXPECT_EQ(entryFromNewlyOpenList(list, Issue::parse("20261208-043")), "20261208-04444444");
    EXPECT_EQ(entryFromNewlyOpenList(list, Issue::parse("20261208-044")), "");
}

TEST(NewlyOpenList, NewerMeansALaterIssueDateFirst) {
    // Today's draws after an archive of 2019 whose sequence is higher, and
    // the decade's turn.
    const std::string today = listRecord("20261209002", "2,2,2,2,2") + listRecord("20261209001", "1,1,1,1,1");
    EXPECT_EQ(entryFromNewlyOpenList(today, Issue::parse("20191219-053")), "20261209-00111111");
    const std::string decade = listRecord("20300101001", "1,1,1,1,1") + listRecord("20291231120", "0,0,0,0,0");
    EXPECT_EQ(entryFromNewlyOpenList(decade, Issue::parse("20291231-120")), "20300101-00111111");
    // What is not after the newest held is no draw to take, however it sorts
    // by its last eight digits.
    EXPECT_EQ(entryFromNewlyOpenList(today, Issue::parse("20270101-001")), "");
    EXPECT_EQ(entryFromFlashData(R"({"result":"1,2,3,4,5,20300101001","leftTime":3})",
                                 Issue::parse("20291231-120")),
              "20300101-00112345");
}

TEST(LotteryApi, AnAskedIssueNotAfterTheNewestHeldGivesNone) {
    const std::string body = R"({"gw":"ok","code":"3,1,4,1,5","sw":1,"note":"padding text"})";
    // The clock is a day behind the draws: the issue asked for is an old one.
    EXPECT_EQ(entryFromLotteryApi(body, "261208001", Issue::parse("20261208-120")), "");
    EXPECT_EQ(entryFromLotteryApi(body, "300101001", Issue::parse("20291231-120")), "20300101-00131415");
}

TEST(NewlyOpenList, PassesOverMalformedRecords) {
    const std::string list = listRecord("20261208042", "2,2,2,2") +      // four digits
                             listRecord("2026120843", "3,3,3,3,3") +     // ten-digit issue
                             listRecord("abcdefgh044", "4,4,4,4,4") +    // not an issue
                             listRecord("20261208045", "5,5,5,5,5");
    EXPECT_EQ(entryFromNewlyOpenList(list, Issue::parse("20261208-041")), "20261208-04555555");
}

TEST(NewlyOpenList, ARecordDoesNotReachIntoTheNextLine) {
    const std::string list = "<row expect=\"20261208042\"\n opencode=\"2,2,2,2,2\" opentime=/>\n" +
                             listRecord("20261208043", "3,3,3,3,3");
    EXPECT_EQ(entryFromNewlyOpenList(list, std::nullopt), "20261208-04333333");
}

TEST(NewlyOpenList, AHostileLineEndsWithNoDraw) {
    std::string hostile;
    for (int k = 0; k < 200000; ++k) hostile += "expect=\"1";
    EXPECT_EQ(entryFromNewlyOpenList(hostile, std::nullopt), "");
    EXPECT_EQ(entryFromNewlyOpenList("", std::nullopt), "");
}

TEST(FlashData, ReadsTheCodeAndTheIssueBetweenResultAndLeftTime) {
    const std::string flash =
        R"({"result":{"code":"9,0,5,1,7","issue":"20261208042"},"leftTime":31,"next":"20261208043"})";
    EXPECT_EQ(entryFromFlashData(flash, Issue::parse("20261208-041")), "20261208-04290517");
    EXPECT_EQ(entryFromFlashData(flash, Issue::parse("20261208-042")), "");
}

TEST(FlashData, NeedsBothMarkersAndEnoughDigits) {
    EXPECT_EQ(entryFromFlashData(R"({"code":"9,0,5,1,7","issue":"20261208042"})", std::nullopt), "");
    EXPECT_EQ(entryFromFlashData(R"({"result":"9,0,5,1,7,20261208042"})", std::nullopt), "");
    EXPECT_EQ(entryFromFlashData(R"({"leftTime":3,"result":"9051720261208042"})", std::nullopt), "");
    // Ten digits cannot hold a code and an 11-digit issue apart.
    EXPECT_EQ(entryFromFlashData(R"({"result":"1234567890","leftTime":3})", std::nullopt), "");
}

}  // namespace
}  // namespace quintara
