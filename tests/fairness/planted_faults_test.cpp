// Generated histories of 20,000 draws: a fault planted in the game is found
// by the test that looks for it and by no test that should not see it, and
// a fair game is not flagged.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fairness/fairness_report.h"
#include "made_draws.h"

namespace quintara {
namespace {

constexpr int kDraws = 20000;

FairnessReport reportOf(const std::vector<std::string>& texts) {
    return fairnessReport(testing::History(texts).views());
}

const FairnessTest& testOf(const FairnessReport& report, TestKind kind, const std::string& scope) {
    for (const FairnessTest& test : report.tests) {
        if (test.kind == kind && test.scope == scope) return test;
    }
    throw std::logic_error("no such test");
}

bool flagged(const FairnessTest& test) { return test.pAdjusted && *test.pAdjusted < kDeviationLevel; }

TEST(PlantedFaults, ASevenAtWanWithChance013IsFoundByItsFrequencyAlone) {
    testing::Game game(20240601);
    const FairnessReport report = reportOf(game.draws(kDraws, [&game](int position, const std::string&) {
        if (position != 0) return game.fairDigit();
        if (game.happens(0.13)) return 7;
        int digit = 7;
        while (digit == 7) digit = game.fairDigit();  // the other nine share the rest evenly
        return digit;
    }));
    EXPECT_TRUE(report.deviation);
    EXPECT_TRUE(flagged(testOf(report, TestKind::Frequency, "万位")));
    for (const char* position : {"千位", "百位", "十位", "个位"}) {
        EXPECT_FALSE(flagged(testOf(report, TestKind::Frequency, position))) << position;
    }
    EXPECT_NE(report.verdict.find("发现偏离公平的证据：频率 万位（校正p值 "), std::string::npos) << report.verdict;
}

TEST(PlantedFaults, ShiCopyingBaiOneDrawInTwentyIsFoundByTheirPairAndByNoFrequency) {
    testing::Game game(20240602);
    const FairnessReport report = reportOf(game.draws(kDraws, [&game](int position, const std::string& before) {
        const int shi = 3;
        if (position == shi && game.happens(0.05)) return before.back() - '0';
        return game.fairDigit();
    }));
    EXPECT_TRUE(report.deviation);
    EXPECT_TRUE(flagged(testOf(report, TestKind::Pairs, "百十")));
    for (const FairnessTest& test : report.tests) {
        if (test.kind == TestKind::Frequency || (test.kind == TestKind::Pairs && test.scope != "百十")) {
            EXPECT_FALSE(flagged(test)) << testName(test.kind) << " " << test.scope;
        }
    }
}

TEST(PlantedFaults, AFairGameIsNotFlagged) {
    for (const std::uint32_t seed : {1U, 2U, 3U}) {
        testing::Game game(seed);
        const FairnessReport report =
            reportOf(game.draws(kDraws, [&game](int, const std::string&) { return game.fairDigit(); }));
        EXPECT_FALSE(report.deviation) << seed;
        ASSERT_TRUE(report.smallestAdjusted);
        EXPECT_GE(*report.smallestAdjusted, kDeviationLevel);
        EXPECT_TRUE(report.verdict.starts_with("在20000期中未发现偏离公平的证据（最小校正p值 ")) << report.verdict;
        // Every test has enough draws for its p-value.
        for (const FairnessTest& test : report.tests) EXPECT_TRUE(test.p) << test.scope;
    }
}

}  // namespace
}  // namespace quintara
