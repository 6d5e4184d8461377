#include "fairness/distribution_tails.h"

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/normal.hpp>

#include <algorithm>
#include <cmath>

namespace quintara {
namespace {

using boost::math::cdf;
using boost::math::complement;

// Outcomes whose probability lies within this factor of the one seen count
// as equally likely: the two halves of a symmetric distribution, computed
// along different paths, differ in their last bits.
constexpr double kEquallyLikely = 1 + 1e-7;

// The first outcome of [from, to) for which `beyond` holds, where it holds
// for every outcome after the first one that has it.
template <typename Beyond>
int firstWhere(int from, int to, Beyond beyond) {
    while (from < to) {
        const int middle = from + (to - from) / 2;
        if (beyond(middle)) {
            to = middle;
        } else {
            from = middle + 1;
        }
    }
    return from;
}

}  // namespace

double chiSquaredUpperTail(double statistic, int degrees) {
    return cdf(complement(boost::math::chi_squared(degrees), std::max(statistic, 0.0)));
}

double normalTwoSided(double z) { return 2 * cdf(complement(boost::math::normal(), std::abs(z))); }

double binomialTwoSided(int hits, int trials, double chance) {
    const boost::math::binomial outcomes(trials, chance);
    const double mean = trials * chance;
    if (hits == mean) return 1;
    const double seen = pdf(outcomes, hits) * kEquallyLikely;
    const auto asLikely = [&outcomes, seen](int outcome) { return pdf(outcomes, outcome) <= seen; };
    double p = 0;
    if (hits < mean) {
        // Above the mean the probabilities only fall: the upper tail starts
        // at the first outcome no more likely than the one seen.
        const int upper = firstWhere(static_cast<int>(std::ceil(mean)), trials + 1, asLikely);
        p = cdf(outcomes, hits) + (upper <= trials ? cdf(complement(outcomes, upper - 1)) : 0.0);
    } else {
        // Below the mean they only rise: the lower tail ends before the
        // first outcome more likely than the one seen.
        const int lower =
            firstWhere(0, static_cast<int>(std::floor(mean)) + 1, [&asLikely](int outcome) { return !asLikely(outcome); });
        p = cdf(complement(outcomes, hits - 1)) + (lower > 0 ? cdf(outcomes, lower - 1) : 0.0);
    }
    return std::min(p, 1.0);
}

}  // namespace quintara
