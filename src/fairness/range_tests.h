// The fairness tests of a range of draws, oldest first, family by family:
// each gives its tests in the order the table lists them.
#pragma once

#include <span>
#include <vector>

#include "fairness/fairness_test.h"
#include "fairness/five_digits.h"

namespace quintara {

// `frequency`: per position, then 五星 (the digits of all five pooled).
[[nodiscard]] std::vector<FairnessTest> frequencyTests(std::span<const FiveDigits> draws);
// `pairs`: the 100 cells of each pair of positions, 万千 to 十个.
[[nodiscard]] std::vector<FairnessTest> pairTests(std::span<const FiveDigits> draws);
// `form`: the 组选 classes of 五星, then 组六, 组三 and 豹子 of 前三, 中三, 后三.
[[nodiscard]] std::vector<FairnessTest> formTests(std::span<const FiveDigits> draws);
// `gap`: per position, the draws between two appearances of a digit.
[[nodiscard]] std::vector<FairnessTest> gapTests(std::span<const FiveDigits> draws);
// `runs`: the runs of high sums (23 and more) and low ones (22 and less).
[[nodiscard]] FairnessTest runsTest(std::span<const FiveDigits> draws);
// `repeat`: per position, the draws that repeat the digit of the one before.
[[nodiscard]] std::vector<FairnessTest> repeatTests(std::span<const FiveDigits> draws);

}  // namespace quintara
