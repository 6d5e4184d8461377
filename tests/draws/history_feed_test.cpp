#include "draws/history_feed.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/feed_document.h"
#include "text/keep_digits.h"

namespace quintara {
namespace {

using Entries = std::vector<std::string>;
using testing::feedDocument;
using testing::feedRow;
using testing::kFirstDrawsOf20180211;

TEST(KeepDigitsTest, KeepsOnlyTheDigitsInOrder) {
    EXPECT_EQ(keepDigits("a1b22"), "122");
    EXPECT_EQ(keepDigits("\"2, 3,7 ,8,0\""), "23780");
    EXPECT_EQ(keepDigits("no digits here"), "");
    EXPECT_EQ(keepDigits(""), "");
    EXPECT_EQ(keepDigits("\xbf\xaa" "4\xbd\xb1" "2"), "42");  // 开4奖2
    EXPECT_EQ(keepDigits("\xa3\xb1"), "");                    // a full-width 1 is no digit
    EXPECT_EQ(keepDigits(std::string("9\0" "8", 3)), "98");
}

TEST(HistoryFeedTest, ListsTheDrawsNewestFirst) {
    const Entries entries = parseHistoryFeed(feedDocument(kFirstDrawsOf20180211));
    EXPECT_EQ(entries, (Entries{"20180211-00691180", "20180211-00504443", "20180211-00437574",
                                "20180211-00349773", "20180211-00248550", "20180211-00123780"}));
}

TEST(HistoryFeedTest, NineIssueDigitsGiveTheDateAndTheSequence) {
    const Entries entries = parseHistoryFeed(feedRow({"191219120", "00000"}));
    ASSERT_EQ(entries.size(), 1U);
    EXPECT_EQ(entries[0], "20191219-12000000");
    EXPECT_EQ(entries[0].size(), 17U);
}

TEST(HistoryFeedTest, QuotesCommasAndSpacesInTheValuesAreDropped) {
    EXPECT_EQ(parseHistoryFeed("expect=\" 18,02 11 - 001 \" opencode=\" 2, 3 ,7,8 , 0\" opentime"),
              (Entries{"20180211-00123780"}));
    EXPECT_EQ(parseHistoryFeed("expect='180211002'opencode='4|8|5|5|0'opentime"),
              (Entries{"20180211-00248550"}));
}

TEST(HistoryFeedTest, DrawsWithOtherDigitCountsAreLeftOut) {
    const std::string body = feedRow({"180211001", "23780"}) + "\n" +
                             feedRow({"20180211002", "48550"}) + "\n" +  // 11 issue digits
                             feedRow({"18021103", "49773"}) + "\n" +     // 8 issue digits
                             feedRow({"180211004", "3757"}) + "\n" +     // 4 code digits
                             feedRow({"180211005", "044430"}) + "\n" +   // 6 code digits
                             feedRow({"180211006", "91180"}) + "\n";
    EXPECT_EQ(parseHistoryFeed(body), (Entries{"20180211-00691180", "20180211-00123780"}));
    EXPECT_EQ(parseHistoryFeed(feedRow({"180211", "23780"})), Entries{});
}

TEST(HistoryFeedTest, ADocumentWithoutDrawsGivesNone) {
    EXPECT_EQ(parseHistoryFeed(""), Entries{});
    EXPECT_EQ(parseHistoryFeed("<?xml version=\"1.0\"?>\n<xml></xml>\n"), Entries{});
    EXPECT_EQ(parseHistoryFeed("expect=\"180211001\" opentime"), Entries{});
    EXPECT_EQ(parseHistoryFeed("opencode=\"1,2,3,4,5\" expect=\"180211001\" opentime"), Entries{});
    EXPECT_EQ(parseHistoryFeed("expect=\"180211001\" opencode=\"1,2,3,4,5\""), Entries{});
}

TEST(HistoryFeedTest, EachDrawEndsAtTheFirstOpentimeAfterItsCode) {
    const std::string line = feedRow({"180211001", "23780"}) + feedRow({"180211002", "48550"}) +
                             feedRow({"180211003", "49773"});
    EXPECT_EQ(parseHistoryFeed(line),
              (Entries{"20180211-00349773", "20180211-00248550", "20180211-00123780"}));
}

TEST(HistoryFeedTest, AnIssueReachesAcrossFurtherExpectsUpToTheCode) {
    // The issue's text runs from the first "expect=" of the line to the code.
    EXPECT_EQ(parseHistoryFeed("expect=\"\" expect=\"180211001\" opencode=\"23780\" opentime"),
              (Entries{"20180211-00123780"}));
}

TEST(HistoryFeedTest, ADrawSplitOverTwoLinesIsNoDraw) {
    EXPECT_EQ(parseHistoryFeed("expect=\"180211001\"\nopencode=\"2,3,7,8,0\" opentime"), Entries{});
    EXPECT_EQ(parseHistoryFeed("expect=\"180211001\" opencode=\"2,3,7,8,0\"\r\nopentime"),
              Entries{});
    // A record without a code never takes the next line's.
    EXPECT_EQ(parseHistoryFeed("<row expect=\"180211001\" opentime=\"\"/>\n" +
                               feedRow({"180211002", "48550"})),
              (Entries{"20180211-00248550"}));
}

TEST(HistoryFeedTest, LinesMayEndInCarriageReturns) {
    const std::string body = feedRow({"180211001", "23780"}) + "\r\n" +
                             feedRow({"180211002", "48550"}) + "\r" +
                             feedRow({"180211003", "49773"}) + "\f";
    EXPECT_EQ(parseHistoryFeed(body),
              (Entries{"20180211-00349773", "20180211-00248550", "20180211-00123780"}));
}

std::string randomBytes(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(count, '\0');
    for (char& c : bytes) c = static_cast<char>(byte(random));
    return bytes;
}

TEST(HistoryFeedTest, BinaryGarbageGivesNoDrawAndKeepsTheDrawsAmongIt) {
    const std::string garbage = randomBytes(1 << 20, 7);
    EXPECT_EQ(parseHistoryFeed(garbage), Entries{});
    const std::string body = garbage + "\n" + feedRow({"180211004", "37574"}) + "\n" + garbage;
    EXPECT_EQ(parseHistoryFeed(body), (Entries{"20180211-00437574"}));
}

TEST(HistoryFeedTest, TwentyMegabytesOfExpectsWithoutACodeEndWithNoDraws) {
    std::string hostile;
    hostile.reserve(20 << 20);
    while (hostile.size() < (20U << 20)) hostile += "expect=\"1\" ";
    EXPECT_EQ(parseHistoryFeed(hostile), Entries{});

    std::string noEnd;
    noEnd.reserve(20 << 20);
    while (noEnd.size() < (20U << 20)) noEnd += "expect=1 opencode=2 ";
    EXPECT_EQ(parseHistoryFeed(noEnd), Entries{});
}

TEST(HistoryFeedTest, ManyLinesOfExpectsBeforeOneCodeEndWithTheOneDraw) {
    std::string body;
    body.reserve(20 << 20);
    while (body.size() < (20U << 20)) body += "expect=\"\"\n";
    body += feedRow({"180211005", "04443"});
    EXPECT_EQ(parseHistoryFeed(body), (Entries{"20180211-00504443"}));
}

TEST(HistoryFeedTest, AWrittenFeedGivesItsDrawsBackNewestFirst) {
    const std::vector<Draw> oldestFirst{{"20181231-120", "00000"}, {"20190101-001", "90817"}, {"20990101-999", "12345"}};
    const std::string document = historyFeedDocument(oldestFirst);
    EXPECT_NE(document.find("<row expect=\"181231120\" opencode=\"0,0,0,0,0\" opentime=\"2018-12-31\"/>\n"),
              std::string::npos);
    EXPECT_EQ(parseHistoryFeed(document), (Entries{"20990101-99912345", "20190101-00190817", "20181231-12000000"}));
    EXPECT_TRUE(feedCarries("20000101-001"));
    EXPECT_FALSE(feedCarries("19991231-001"));  // its two year digits would read as 2099
    EXPECT_FALSE(feedCarries("21000101-001"));
}

}  // namespace
}  // namespace quintara
