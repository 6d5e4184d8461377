#include "fairness/fairness_report.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "fairness/holm.h"
#include "fairness/range_tests.h"
#include "text/numbers.h"

namespace quintara {
namespace {

// z of a two-sided 0.01 shared among the 50 position-digit cells, and z of
// 80 % power.
constexpr double kCorrectedLevelZ = 3.719;
constexpr double kPowerZ = 0.8416;
constexpr double kDigitChance = 0.1;

std::vector<FairnessTest> allTests(std::span<const FiveDigits> draws) {
    std::vector<FairnessTest> tests;
    const auto append = [&tests](std::vector<FairnessTest> family) {
        std::ranges::move(family, std::back_inserter(tests));
    };
    append(frequencyTests(draws));
    append(pairTests(draws));
    append(formTests(draws));
    append(gapTests(draws));
    tests.push_back(runsTest(draws));
    append(repeatTests(draws));
    return tests;
}

void adjust(std::vector<FairnessTest>& tests) {
    std::vector<std::optional<double>> p;
    for (const FairnessTest& test : tests) p.push_back(test.p);
    const std::vector<std::optional<double>> adjusted = holmAdjusted(p);
    for (std::size_t at = 0; at < tests.size(); ++at) tests[at].pAdjusted = adjusted[at];
}

std::string verdictOf(const FairnessReport& report) {
    const std::string draws = std::to_string(report.draws) + "期";
    if (report.draws == 0) return "范围内没有开奖，无法检验";
    if (!report.smallestAdjusted) return "只有" + draws + "，期数不足，做不了任何一项检验";
    if (!report.deviation) {
        return "在" + draws + "中未发现偏离公平的证据（最小校正p值 " + shortNumber(*report.smallestAdjusted) + "）";
    }
    std::string named;
    for (const FairnessTest& test : report.tests) {
        if (!test.pAdjusted || *test.pAdjusted >= kDeviationLevel) continue;
        if (!named.empty()) named += "、";
        named.append(testLabel(test.kind)).append(" ").append(test.scope);
        named += "（校正p值 " + shortNumber(*test.pAdjusted) + "）";
    }
    return "在" + draws + "中发现偏离公平的证据：" + named;
}

}  // namespace

FairnessReport fairnessReport(std::span<const DrawView> newestFirst) {
    const std::vector<FiveDigits> draws = digitsOldestFirst(newestFirst);
    FairnessReport report{.draws = static_cast<std::int64_t>(draws.size()), .tests = allTests(draws)};
    if (!newestFirst.empty()) {
        report.first = newestFirst.back().issue;
        report.last = newestFirst.front().issue;
    }
    adjust(report.tests);
    for (const FairnessTest& test : report.tests) {
        if (test.pAdjusted && (!report.smallestAdjusted || *test.pAdjusted < *report.smallestAdjusted)) {
            report.smallestAdjusted = test.pAdjusted;
        }
    }
    report.deviation = report.smallestAdjusted && *report.smallestAdjusted < kDeviationLevel;
    if (report.draws > 0) {
        report.detectable = (kCorrectedLevelZ + kPowerZ) *
                            std::sqrt(kDigitChance * (1 - kDigitChance) / static_cast<double>(report.draws));
    }
    report.verdict = verdictOf(report);
    return report;
}

std::string detectableText(const FairnessReport& report) {
    if (!report.detectable) return {};
    const double change = *report.detectable;
    return "以这" + std::to_string(report.draws) + "期，某一位上某个数字的出现概率要从" + percentText(kDigitChance) +
           "变到" + percentText(kDigitChance - change) + "以下或" + percentText(kDigitChance + change) +
           "以上，才有80%的把握被检出（已按5个位置×10个数字校正）；更小的偏差，这些期数看不出来。";
}

}  // namespace quintara
