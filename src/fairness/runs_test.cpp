// The runs test over the sums: a draw is high when its five digits sum to 23
// or more, low when to 22 or less (a fair game's even split); too few or too
// many runs of highs and lows say that draws lean on the ones before them.
#include <cmath>
#include <numeric>

#include "fairness/distribution_tails.h"
#include "fairness/range_tests.h"

namespace quintara {
namespace {

constexpr int kLeastHigh = 23;
// The fewest highs and lows for the normal approximation of the runs.
constexpr double kLeastOfEach = 10;

bool isHigh(const FiveDigits& draw) { return std::accumulate(draw.begin(), draw.end(), 0) >= kLeastHigh; }

}  // namespace

FairnessTest runsTest(std::span<const FiveDigits> draws) {
    FairnessTest test{.kind = TestKind::Runs, .scope = "和值"};
    double highs = 0;
    double runs = 0;
    bool previous = false;
    for (const FiveDigits& draw : draws) {
        const bool high = isHigh(draw);
        if (high) ++highs;
        if (runs == 0 || high != previous) ++runs;
        previous = high;
    }
    const auto n = static_cast<double>(draws.size());
    const double lows = n - highs;
    const double mixed = 2 * highs * lows;
    const double variance = n > 1 ? mixed * (mixed - n) / (n * n * (n - 1)) : 0;
    if (variance <= 0) return test;
    const double z = (runs - (mixed / n + 1)) / std::sqrt(variance);
    test.statistic = z;
    if (highs >= kLeastOfEach && lows >= kLeastOfEach) test.p = normalTwoSided(z);
    return test;
}

}  // namespace quintara
