// The tails of the distributions the fairness tests and the backtest read
// their p-values from (χ², normal, binomial). A small tail is computed as
// itself, never as one minus a cumulative probability near one, so that a
// p-value of 1e-30 comes out as such and not as zero.
#pragma once

namespace quintara {

// P(X ≥ statistic) for X of the χ² distribution with `degrees` degrees of
// freedom.
[[nodiscard]] double chiSquaredUpperTail(double statistic, int degrees);

// P(|Z| ≥ |z|) for a standard normal Z.
[[nodiscard]] double normalTwoSided(double z);

// The exact two-sided binomial p-value of `hits` in `trials` with the chance
// `chance` each: the probability of every outcome no more likely than the
// one seen. `trials` is at least 1, `chance` strictly between 0 and 1.
[[nodiscard]] double binomialTwoSided(int hits, int trials, double chance);

}  // namespace quintara
