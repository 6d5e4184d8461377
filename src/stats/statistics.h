// The statistics as data: the rows of the 18 lists, each with its detail,
// computed from the draws read. Nothing here touches a window; the writers
// put the rows into list views, the tools print them, the alerts read them.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "stats/row_detail.h"
#include "stats/statistics_lists.h"

namespace quintara {

struct StatisticsRow {
    std::string label;  // column 0: a digit, a value, a pair or a pattern
    std::string value;  // column 1: the number with its unit, "17 期", "12次", "3期"
    RowDetail detail;

    friend bool operator==(const StatisticsRow&, const StatisticsRow&) = default;
};

using ListRows = std::vector<StatisticsRow>;

// What a computation gives each list: its new rows, or nothing where it
// leaves the list as it was (some lists keep their rows over an empty
// history) or did not compute it.
class Statistics {
public:
    [[nodiscard]] const std::optional<ListRows>& operator[](StatisticsList list) const {
        return lists_[indexOf(list)];
    }
    std::optional<ListRows>& operator[](StatisticsList list) { return lists_[indexOf(list)]; }

    friend bool operator==(const Statistics&, const Statistics&) = default;

private:
    std::array<std::optional<ListRows>, kStatisticsListCount> lists_;
};

// The rows a list was given; none when the statistics left it as it was.
[[nodiscard]] const ListRows& rowsOf(const Statistics& statistics, StatisticsList list);

// What the statistics read: the draw texts, newest first (the history's
// newest 10000 at most), and the count windows chosen.
struct StatisticsInput {
    std::span<const std::string_view> draws;
    CountWindowSelections selections;
};

// The six steps. Each computes only its own lists.
//
// Digit omission per position and over the back three positions; an empty
// history clears them.
void computeOmissionLists(const StatisticsInput& input, Statistics& into);
// Digit frequency over the chosen count window, per position group; an empty
// history leaves them.
void computeFrequencyLists(const StatisticsInput& input, Statistics& into);
// Digit-pair frequency over its count window; an empty history leaves it.
void computePairFrequencyList(const StatisticsInput& input, Statistics& into);
// Omission of the back three digits' sum tail, and of their span; an empty
// history clears them.
void computeSumTailOmission(const StatisticsInput& input, Statistics& into);
void computeSpanOmission(const StatisticsInput& input, Statistics& into);
// Omission of the 45 digit pairs per position group; an empty history
// leaves them.
void computePairOmissionLists(const StatisticsInput& input, Statistics& into);
// Omission of the 27 big/small/odd/even patterns, in table order; an empty
// history leaves it.
void computePatternOmissionList(const StatisticsInput& input, Statistics& into);

// All six steps, in their fixed order.
[[nodiscard]] Statistics computeStatistics(const StatisticsInput& input);

}  // namespace quintara
