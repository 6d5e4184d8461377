// The chance that one draw of a fair game, five independent digits, shows an
// item: what the expected counts of the rows' details are made of.
#pragma once

namespace quintara::fair_chance {

// `base` to the power of `exponent`, for the small exponents here.
constexpr double power(double base, int exponent) {
    double result = 1;
    for (int step = 0; step < exponent; ++step) result *= base;
    return result;
}

// A given digit at one given position, and so also a sum tail.
inline constexpr double kOneOfTen = 0.1;

// A given digit at one or more of `positions` positions.
constexpr double digitAnywhere(int positions) { return 1 - power(0.9, positions); }

// Both digits of a pair of distinct digits within `positions` positions.
constexpr double pairWithin(int positions) {
    return 1 - 2 * power(0.9, positions) + power(0.8, positions);
}

// The back three digits' largest minus smallest being `span`.
constexpr double span(int span) {
    return span == 0 ? 0.01 : 6.0 * span * (10 - span) / 1000;
}

// One given size-parity pattern: one class of two for each of five positions.
inline constexpr double kPattern = 1.0 / 32;

}  // namespace quintara::fair_chance
