#include "fairness/chi_squared_test.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "fairness/distribution_tails.h"

namespace quintara {

FairnessTest chiSquaredTest(TestKind kind, std::string scope, std::span<const std::int64_t> observed,
                            std::span<const double> chances) {
    FairnessTest test{.kind = kind, .scope = std::move(scope), .degrees = static_cast<int>(chances.size()) - 1};
    const auto total = static_cast<double>(std::accumulate(observed.begin(), observed.end(), std::int64_t{0}));
    if (total == 0) return test;
    double statistic = 0;
    for (std::size_t cell = 0; cell < chances.size(); ++cell) {
        const double expected = total * chances[cell];
        const double off = static_cast<double>(observed[cell]) - expected;
        statistic += off * off / expected;
    }
    test.statistic = statistic;
    if (total * std::ranges::min(chances) >= kLeastExpectedCount) {
        test.p = chiSquaredUpperTail(statistic, *test.degrees);
    }
    return test;
}

}  // namespace quintara
