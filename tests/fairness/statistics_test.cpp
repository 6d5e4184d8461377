// Each statistic over a small table worked out by hand, and where a test has
// too few draws for its p-value.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "fairness/fairness_report.h"
#include "fairness/range_tests.h"
#include "made_draws.h"

namespace quintara {
namespace {

using testing::digitsOf;

// The same digit at all five positions.
std::string allFive(int digit) { return std::string(5, static_cast<char>('0' + digit)); }

TEST(FrequencyTest, CountsEachPositionAndThePooledDigitsAgainstATenthEach) {
    // 50 draws: fourteen 0s and four of each other digit; expected 5 each.
    std::vector<std::string> texts(14, allFive(0));
    for (int digit = 1; digit <= 9; ++digit) texts.insert(texts.end(), 4, allFive(digit));
    const std::vector<FairnessTest> tests = frequencyTests(digitsOf(texts));
    ASSERT_EQ(tests.size(), 6U);
    EXPECT_EQ(tests[0].scope, "万位");
    EXPECT_EQ(tests[4].scope, "个位");
    EXPECT_EQ(tests[5].scope, "五星");
    // (14 − 5)²/5 + 9 · (4 − 5)²/5 = 18
    EXPECT_DOUBLE_EQ(*tests[0].statistic, 18);
    EXPECT_EQ(tests[0].degrees, 9);
    EXPECT_NEAR(*tests[0].p, 0.0351735394669848, 1e-13);
    // Pooled: seventy 0s and twenty of each other digit against 25 each.
    EXPECT_DOUBLE_EQ(*tests[5].statistic, 90);

    // One 0 less: 4.9 expected per digit is too few for a p-value at a
    // position, not for the 245 digits pooled.
    texts.erase(texts.begin());
    const std::vector<FairnessTest> fewer = frequencyTests(digitsOf(texts));
    EXPECT_NEAR(*fewer[0].statistic, (8.1 * 8.1 + 9 * 0.81) / 4.9, 1e-12);
    EXPECT_FALSE(fewer[0].p);
    EXPECT_TRUE(fewer[5].p);
}

TEST(PairTest, CountsTheHundredCellsOfEachPairOfPositions) {
    // 万 and 千 run through the 100 cells five times; 百 and 个 copy 万, 十
    // copies 千.
    std::vector<std::string> texts;
    for (int draw = 0; draw < 500; ++draw) {
        const char a = static_cast<char>('0' + draw % 10);
        const char b = static_cast<char>('0' + draw / 10 % 10);
        texts.push_back({a, b, a, b, a});
    }
    std::vector<FairnessTest> tests = pairTests(digitsOf(texts));
    ASSERT_EQ(tests.size(), 10U);
    const std::vector<std::string> scopes{"万千", "万百", "万十", "万个", "千百", "千十", "千个", "百十", "百个", "十个"};
    for (std::size_t at = 0; at < scopes.size(); ++at) EXPECT_EQ(tests[at].scope, scopes[at]);
    EXPECT_DOUBLE_EQ(*tests[0].statistic, 0);
    EXPECT_DOUBLE_EQ(*tests[0].p, 1);
    EXPECT_EQ(tests[0].degrees, 99);
    // 万百: ten cells of 50, ninety empty, against 5 each.
    EXPECT_DOUBLE_EQ(*tests[1].statistic, 10 * 45.0 * 45.0 / 5 + 90 * 5.0);
    EXPECT_LT(*tests[1].p, 1e-300);

    // One draw of the cell (1, 1) moved to (0, 0): 6 and 4 against 5.
    texts[11] = "00000";
    tests = pairTests(digitsOf(texts));
    EXPECT_NEAR(*tests[0].statistic, 0.4, 1e-12);
    // Fewer than 500 draws leave a cell under 5 expected.
    texts.pop_back();
    EXPECT_FALSE(pairTests(digitsOf(texts))[0].p);
}

TEST(FormTest, SortsEachDrawIntoItsFormAndHoldsTheFormsAgainstTheirShares) {
    // One draw alone in a form of share s gives (1 − s)²/s + (1 − s) = (1 − s)/s.
    const auto alone = [](double share) { return (1 - share) / share; };
    const std::vector<std::pair<std::string, double>> fives{
        {"01234", 0.3024}, {"01123", 0.504}, {"11223", 0.108}, {"12131", 0.072},
        {"11222", 0.0136}, {"31111", 0.0136}, {"77777", 0.0136}};
    for (const auto& [text, share] : fives) {
        const std::vector<FairnessTest> tests = formTests(digitsOf({text}));
        EXPECT_NEAR(*tests[0].statistic, alone(share), 1e-9) << text;
        EXPECT_FALSE(tests[0].p) << text;
    }
    // 前三 112 is 组三, 中三 123 and 后三 234 are 组六; 999 is 豹子.
    std::vector<FairnessTest> tests = formTests(digitsOf({"11234"}));
    ASSERT_EQ(tests.size(), 4U);
    EXPECT_EQ(tests[1].scope, "前三");
    EXPECT_NEAR(*tests[1].statistic, alone(0.27), 1e-9);
    EXPECT_NEAR(*tests[2].statistic, alone(0.72), 1e-9);
    EXPECT_NEAR(*tests[3].statistic, alone(0.72), 1e-9);
    EXPECT_NEAR(*formTests(digitsOf({"19998"}))[2].statistic, alone(0.01), 1e-9);

    // 500 draws of 组选120: the least share, 0.0136 of 五星 and 0.01 of the
    // threes, expects 6.8 and 5, enough for p-values.
    tests = formTests(digitsOf(std::vector<std::string>(500, "01234")));
    EXPECT_NEAR(*tests[0].statistic, 500 * alone(0.3024), 1e-9);
    EXPECT_EQ(tests[0].degrees, 4);
    EXPECT_EQ(tests[1].degrees, 2);
    EXPECT_TRUE(tests[0].p);
    EXPECT_TRUE(tests[3].p);
    EXPECT_FALSE(formTests(digitsOf(std::vector<std::string>(499, "01234")))[3].p);
}

TEST(GapTest, CountsTheDrawsBetweenTwoAppearancesOfADigit) {
    // 万位 0, 0, 1, 0: the 0s leave gaps of 0 and 1 draws; the other
    // positions hold one digit throughout, gaps of 0 only.
    std::vector<FairnessTest> tests = gapTests(digitsOf({"05555", "05555", "15555", "05555"}));
    ASSERT_EQ(tests.size(), 5U);
    EXPECT_EQ(tests[0].degrees, 20);
    // Σ O²/E − n with E = 2 · 0.1 and 2 · 0.09.
    EXPECT_NEAR(*tests[0].statistic, 1 / 0.2 + 1 / 0.18 - 2, 1e-12);
    EXPECT_NEAR(*tests[1].statistic, 3 * (1 - 0.1) / 0.1, 1e-9);
    EXPECT_FALSE(tests[0].p);
    EXPECT_FALSE(gapTests(digitsOf({"12345"}))[0].statistic);  // no gap at all

    // 万位 runs 0 to 9 over and over: 1000 gaps of 9 draws each, and the
    // gaps of 19 draws expect 13.5 of them.
    std::vector<std::string> texts;
    for (int draw = 0; draw < 1010; ++draw) texts.push_back(std::to_string(draw % 10) + "0000");
    tests = gapTests(digitsOf(texts));
    const double nine = 0.1 * 0.387420489;  // 0.1 · 0.9⁹
    EXPECT_NEAR(*tests[0].statistic, 1000 * (1 - nine) / nine, 1e-6);
    EXPECT_TRUE(tests[0].p);
}

TEST(RunsTest, CountsTheRunsOfHighAndLowSums) {
    // Sums of 45 and 0 in turn: 10 highs, 10 lows and 20 runs, where
    // μ = 2 · 10 · 10/20 + 1 = 11 and σ² = 200 · 180/(400 · 19).
    std::vector<std::string> texts;
    for (int draw = 0; draw < 20; ++draw) texts.push_back(draw % 2 == 0 ? "99999" : "00000");
    FairnessTest test = runsTest(digitsOf(texts));
    EXPECT_EQ(test.scope, "和值");
    EXPECT_FALSE(test.degrees);
    EXPECT_NEAR(*test.statistic, 9 / std::sqrt(200.0 * 180 / (400 * 19)), 1e-12);
    EXPECT_NEAR(*test.p, 3.54623049146883e-5, 1e-15);
    // 23 is high, 22 low: "99500" and "99400" make one run each.
    EXPECT_NEAR(*runsTest(digitsOf({"99500", "99500", "99400", "99400"})).statistic,
                (2 - 3) / std::sqrt(8.0 * (8 - 4) / (16 * 3)), 1e-12);

    // Nine highs are too few for the normal approximation; all alike leave no z.
    texts.pop_back();
    texts.pop_back();
    EXPECT_TRUE(runsTest(digitsOf(texts)).statistic);
    EXPECT_FALSE(runsTest(digitsOf(texts)).p);
    EXPECT_FALSE(runsTest(digitsOf({"99999", "99999"})).statistic);
    EXPECT_FALSE(runsTest({}).statistic);
}

TEST(RepeatTest, CountsTheDrawsThatRepeatTheDigitBeforeThem) {
    // 万位: eleven 0s (10 repeats), then 1 to 9 round and round (none): 10
    // of 50 pairs against 5 and 45 expected.
    std::vector<std::string> texts(11, "00000");
    for (int draw = 0; draw < 40; ++draw) texts.push_back(std::to_string(draw % 9 + 1) + "0000");
    const std::vector<FairnessTest> tests = repeatTests(digitsOf(texts));
    ASSERT_EQ(tests.size(), 5U);
    EXPECT_NEAR(*tests[0].statistic, 25.0 / 5 + 25.0 / 45, 1e-12);
    EXPECT_EQ(tests[0].degrees, 1);
    EXPECT_NEAR(*tests[0].p, 0.0184221254540990, 1e-13);
    texts.pop_back();
    EXPECT_FALSE(repeatTests(digitsOf(texts))[0].p);
    EXPECT_FALSE(repeatTests(digitsOf({"12345"}))[0].statistic);
}

TEST(FairnessReport, ListsTheTestsInOrderAndSaysWhatTheRangeCanShow) {
    std::vector<std::string> texts;
    testing::Game game(7);
    texts = game.draws(10000, [&game](int, const std::string&) { return game.fairDigit(); });
    const testing::History history(texts);
    const FairnessReport report = fairnessReport(history.views());
    EXPECT_EQ(report.draws, 10000);
    EXPECT_EQ(report.first, "20190101-001");
    EXPECT_EQ(report.last, history.draws().front().issue);
    ASSERT_EQ(report.tests.size(), 31U);
    const std::vector<std::pair<TestKind, std::size_t>> families{
        {TestKind::Frequency, 0}, {TestKind::Pairs, 6}, {TestKind::Form, 16},
        {TestKind::Gap, 20},      {TestKind::Runs, 25}, {TestKind::Repeat, 26}};
    for (const auto& [kind, first] : families) EXPECT_EQ(report.tests[first].kind, kind) << first;
    // (3.719 + 0.8416) · √(0.09/10000)
    EXPECT_NEAR(*report.detectable, 4.5606 * 0.003, 1e-12);
    EXPECT_NE(detectableText(report).find("以这10000期"), std::string::npos);
    EXPECT_NE(detectableText(report).find("8.63%以下或11.37%以上"), std::string::npos);

    const FairnessReport few = fairnessReport(testing::History({"12345", "67890"}).views());
    EXPECT_FALSE(few.smallestAdjusted);
    EXPECT_FALSE(few.deviation);
    EXPECT_EQ(few.verdict, "只有2期，期数不足，做不了任何一项检验");
    const FairnessReport none = fairnessReport({});
    EXPECT_FALSE(none.detectable);
    EXPECT_EQ(none.verdict, "范围内没有开奖，无法检验");
    // A draw text that is not five digits is no draw to test.
    EXPECT_EQ(fairnessReport(testing::History({"12345", "1234", "12a45"}).views()).draws, 1);
}

}  // namespace
}  // namespace quintara
