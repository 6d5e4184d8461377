#include "text/regex_object.h"

#include <gtest/gtest.h>

#include <string>

namespace quintara {
namespace {

// GBK bytes of the characters the tests use.
constexpr const char* kKai = "\xbf\xaa";   // 开
constexpr const char* kJiang = "\xbd\xb1"; // 奖
constexpr const char* kHao = "\xba\xc5";   // 号
constexpr const char* kMa = "\xc2\xeb";    // 码

std::string gbk(std::initializer_list<std::string_view> parts) {
    std::string joined;
    for (std::string_view part : parts) joined += part;
    return joined;
}

TEST(RegexObjectTest, SplitsAFiveDigitDrawIntoItsGroups) {
    RegexObject split;
    ASSERT_TRUE(split.Create("(.)(.)(.)(.)(.)", "12345"));
    EXPECT_EQ(split.MatchCount(), 1);
    EXPECT_EQ(split.SubMatchCount(), 5);
    EXPECT_EQ(split.GetSubMatch(1, 3), "3");
    EXPECT_EQ(split.GetSubMatch(1, 1), "1");
    EXPECT_EQ(split.GetSubMatch(1, 5), "5");
    EXPECT_EQ(split.GetMatch(1), "12345");
}

TEST(RegexObjectTest, FindsEveryMatchFromLeftToRight) {
    RegexObject digits;
    ASSERT_TRUE(digits.Create("[0-9]", "a1b22"));
    ASSERT_EQ(digits.MatchCount(), 3);
    EXPECT_EQ(digits.GetMatch(1), "1");
    EXPECT_EQ(digits.GetMatch(2), "2");
    EXPECT_EQ(digits.GetMatch(3), "2");
    EXPECT_EQ(digits.SubMatchCount(), 0);
}

TEST(RegexObjectTest, AnEmptySubjectIsSearchedAndHoldsNoMatch) {
    RegexObject digits;
    EXPECT_TRUE(digits.Create("[0-9]", ""));
    EXPECT_EQ(digits.MatchCount(), 0);
    EXPECT_EQ(digits.SubMatchCount(), 0);
    EXPECT_EQ(digits.GetMatch(1), "");
}

TEST(RegexObjectTest, DefaultsIgnoreCaseReadLinesAndFindAll) {
    RegexObject regex;
    regex.Create("b", "ABCb");
    EXPECT_EQ(regex.MatchCount(), 2);
    regex.Create("b", "ABCb", true);
    EXPECT_EQ(regex.MatchCount(), 1);

    regex.Create("^x", "a\nx\nx");
    EXPECT_EQ(regex.MatchCount(), 2);
    regex.Create("^x", "a\nx\nx", false, false);
    EXPECT_EQ(regex.MatchCount(), 0);

    regex.Create("a", "aaa");
    EXPECT_EQ(regex.MatchCount(), 3);
    regex.Create("a", "aaa", false, true, false);
    EXPECT_EQ(regex.MatchCount(), 1);
}

TEST(RegexObjectTest, DotTakesNoLineBreak) {
    RegexObject regex;
    regex.Create("a.b", "a\nb a-b");
    ASSERT_EQ(regex.MatchCount(), 1);
    EXPECT_EQ(regex.GetMatch(1), "a-b");
}

TEST(RegexObjectTest, DotTakesAWholeGbkCharacter) {
    const std::string subject = gbk({kKai, kJiang, "12"});
    RegexObject regex;
    regex.Create(".", subject);
    ASSERT_EQ(regex.MatchCount(), 4);  // six bytes, four characters
    EXPECT_EQ(regex.GetMatch(1), kKai);
    EXPECT_EQ(regex.GetMatch(2), kJiang);
    EXPECT_EQ(regex.GetMatch(3), "1");

    regex.Create("^(.)(.)(.)$", gbk({kKai, kJiang, "1"}));
    ASSERT_EQ(regex.MatchCount(), 1);
    EXPECT_EQ(regex.GetSubMatch(1, 2), kJiang);
    EXPECT_EQ(regex.GetSubMatch(1, 3), "1");
}

TEST(RegexObjectTest, PatternsMayHoldGbkCharacters) {
    const std::string pattern = gbk({kHao, "(.)"});
    RegexObject regex;
    ASSERT_TRUE(regex.Create(pattern, gbk({kKai, kHao, kMa, kHao, "7"})));
    EXPECT_EQ(regex.GetPattern(), pattern);
    ASSERT_EQ(regex.MatchCount(), 2);
    EXPECT_EQ(regex.GetSubMatch(1, 1), kMa);
    EXPECT_EQ(regex.GetSubMatch(2, 1), "7");
}

TEST(RegexObjectTest, PositionsAreByteOffsetsIntoTheGbkSubject) {
    const std::string subject = gbk({kKai, kJiang, kHao, kMa, "12"});
    RegexObject regex;
    regex.Create("[0-9]", subject);
    int position = -1;
    EXPECT_EQ(regex.GetMatch(1, &position), "1");
    EXPECT_EQ(position, 8);
    EXPECT_EQ(regex.GetMatch(2, &position), "2");
    EXPECT_EQ(position, 9);

    regex.Create(gbk({kMa, "(1)(2)"}), subject);
    EXPECT_EQ(regex.GetSubMatch(1, 2, &position), "2");
    EXPECT_EQ(position, 9);
    EXPECT_EQ(regex.GetMatch(1, &position), gbk({kMa, "12"}));
    EXPECT_EQ(position, 6);
}

TEST(RegexObjectTest, APositionIsTheFirstOccurrenceFromTheCharacterIndex) {
    // Match 2 is the fourth character (index 3) at byte 5; the search from
    // byte 3 meets the equal text of match 1 at byte 4 first.
    RegexObject regex;
    regex.Create("[0-9]", gbk({kKai, kKai, "11"}));
    int position = -1;
    EXPECT_EQ(regex.GetMatch(2, &position), "1");
    EXPECT_EQ(position, 4);
    // A group is searched for from the start of its match.
    regex.Create("(.)(.)", "77");
    EXPECT_EQ(regex.GetSubMatch(1, 2, &position), "7");
    EXPECT_EQ(position, 0);
}

TEST(RegexObjectTest, IndexesOutsideTheMatchesGiveNothing) {
    RegexObject regex;
    regex.Create("(a)|(b)", "b");
    int position = 0;
    EXPECT_EQ(regex.GetSubMatch(1, 1, &position), "");  // took part in no match
    EXPECT_EQ(position, 0);
    EXPECT_EQ(regex.GetSubMatch(1, 2), "b");
    EXPECT_EQ(regex.GetMatch(0, &position), "");
    EXPECT_EQ(position, -2);
    EXPECT_EQ(regex.GetMatch(2, &position), "");
    EXPECT_EQ(position, -2);
    EXPECT_EQ(regex.GetSubMatch(1, 0), "");
    EXPECT_EQ(regex.GetSubMatch(1, 3, &position), "");
    EXPECT_EQ(position, -2);
}

TEST(RegexObjectTest, ReplaceFillsInGroupReferences) {
    RegexObject regex;
    regex.Create("[0-9]", "a1b22");
    EXPECT_EQ(regex.Replace("#"), "a#b##");

    regex.Create("([0-9])([0-9])", "12 34");
    EXPECT_EQ(regex.Replace("$2$1"), "21 43");
    EXPECT_EQ(regex.Replace("<$&>"), "<12> <34>");
    EXPECT_EQ(regex.Replace("$$1"), "$1 $1");
    EXPECT_EQ(regex.Replace("[$`|$']"), "[| 34] [12 |]");
    EXPECT_EQ(regex.Replace("$3$0$"), "$3$0$ $3$0$");  // no such group: as written
    EXPECT_EQ(regex.Replace("$12"), "12 32");        // group 1, then "2"
    EXPECT_EQ(regex.Replace("\\1"), "\\1 \\1");      // backslashes are plain text

    regex.Create("([0-9])", "12", false, true, false);
    EXPECT_EQ(regex.Replace("x$1"), "x12");  // not global: the first match only
}

TEST(RegexObjectTest, ReplaceKeepsTheSubjectsBytes) {
    RegexObject regex;
    regex.Create(gbk({"(", kKai, ")(", kJiang, ")"}), gbk({kKai, kJiang, "9\xbf"}));
    EXPECT_EQ(regex.Replace("$2$1"), gbk({kJiang, kKai, "9\xbf"}));
    regex.Create("x", "abc");
    EXPECT_EQ(regex.Replace("y"), "abc");
}

TEST(RegexObjectTest, CopiesShareTheMatchesAndKeepThemWhenTheOriginalSearchesAgain) {
    RegexObject original;
    original.Create("[0-9]", "a1b2");
    RegexObject copy = original;
    original.Create("x", "xyz");
    EXPECT_EQ(original.MatchCount(), 1);
    EXPECT_EQ(copy.GetPattern(), "[0-9]");
    ASSERT_EQ(copy.MatchCount(), 2);
    EXPECT_EQ(copy.GetMatch(2), "2");
    EXPECT_EQ(copy.Replace("#"), "a#b#");

    RegexObject assigned;
    assigned.Create("y", "yy");
    assigned = original;
    EXPECT_EQ(assigned.GetPattern(), "x");
    EXPECT_EQ(assigned.Replace("-"), "-yz");
}

TEST(RegexObjectTest, AFailedCreateLeavesNothingToRead) {
    RegexObject regex;
    EXPECT_EQ(regex.GetPattern(), "");
    EXPECT_EQ(regex.MatchCount(), 0);
    regex.Create("[0-9]", "a1");
    EXPECT_FALSE(regex.Create("(", "a1"));
    EXPECT_EQ(regex.GetPattern(), "");
    EXPECT_EQ(regex.MatchCount(), 0);
    EXPECT_EQ(regex.SubMatchCount(), 0);
    EXPECT_EQ(regex.GetMatch(1), "");
    EXPECT_EQ(regex.GetSubMatch(1, 1), "");
    EXPECT_EQ(regex.Replace("x"), "");
}

TEST(RegexObjectTest, ASearchTheEngineGivesUpOnFindsNothing) {
    RegexObject regex;
    EXPECT_TRUE(regex.Create("(a|aa)*c", std::string(60, 'a')));
    EXPECT_EQ(regex.MatchCount(), 0);
    EXPECT_EQ(regex.Replace("x"), std::string(60, 'a'));
}

TEST(RegexObjectTest, BytesThatAreNoGbkCharacterAreStillSearched) {
    const std::string subject = "\xff\x80\x31\xbf";  // the last byte starts a character it lacks
    RegexObject regex;
    ASSERT_TRUE(regex.Create("[0-9]", subject));
    int position = -1;
    EXPECT_EQ(regex.GetMatch(1, &position), "1");
    EXPECT_EQ(position, 2);
}

}  // namespace
}  // namespace quintara
