// The statistics over draws held, as a refresh reads them (the newest 10000),
// each list holding the rows last computed for it, as a refresh leaves its
// view. A list's rows read as one text, "column 0:column 1" joined by commas:
// "5:1 期,1:0 期".
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "draws/draw.h"
#include "stats/row_tool_tip.h"
#include "stats/statistics.h"

namespace quintara::testing {

using Draws = std::vector<std::string>;

// `count` copies of one draw text, then `older`.
inline Draws repeated(std::string_view text, std::size_t count, const Draws& older = {}) {
    Draws draws(count, std::string(text));
    draws.insert(draws.end(), older.begin(), older.end());
    return draws;
}

// One row per space-separated label, all with the same count.
inline std::string rows(std::string_view labels, std::string_view count) {
    std::istringstream words{std::string(labels)};
    std::string joined;
    for (std::string label; words >> label;) joined += (joined.empty() ? "" : ",") + label + ":" + std::string(count);
    return joined;
}

// The rows of all parts, in order; an empty part adds none.
template <typename... Parts>
std::string join(const Parts&... parts) {
    std::string joined;
    for (const std::string& part : {std::string(parts)...}) {
        if (!part.empty()) joined += (joined.empty() ? "" : ",") + part;
    }
    return joined;
}

inline constexpr std::string_view kPairs =
    "01 02 03 04 05 06 07 08 09 12 13 14 15 16 17 18 19 23 24 25 26 27 28 29 34 35 36 37 38 39 45 46 "
    "47 48 49 56 57 58 59 67 68 69 78 79 89";

// The 45 pairs in their fixed order but those of `except`, all with `count`.
inline std::string pairsBut(std::string_view except, std::string_view count) {
    std::istringstream words{std::string(kPairs)};
    std::string kept;
    for (std::string pair; words >> pair;) {
        if (except.find(pair) == std::string_view::npos) kept += pair + " ";
    }
    return rows(kept, count);
}

// One or more of the statistics steps, run in order.
using Step = std::function<void(const StatisticsInput&, Statistics&)>;

// The frequency lists, then the digit-pair frequency list, as one refresh
// step of the window runs them.
inline void frequencyStep(const StatisticsInput& input, Statistics& into) {
    computeFrequencyLists(input, into);
    computePairFrequencyList(input, into);
}

class StatsData {
public:
    // Replaces the draws held (newest first), then runs the step.
    void run(const Step& step, const Draws& newestFirst) {
        held_ = newestFirst;
        refresh(step);
    }

    // Runs the step again over the draws held, with the boxes' selections as
    // they are now, and writes the lists it computed.
    void refresh(const Step& step) {
        const std::vector<std::string_view> draws(
            held_.begin(), held_.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(held_.size(), kDrawReadLimit)));
        Statistics computed;
        step({.draws = draws, .selections = selections_}, computed);
        for (const StatisticsList list : kStatisticsLists) {
            if (computed[list]) written_[list] = computed[list];
        }
    }

    void select(CountWindowBox box, int index) { selections_[box] = index; }

    [[nodiscard]] std::string rows(StatisticsList list) const {
        std::string joined;
        for (const StatisticsRow& row : written_[list].value_or(ListRows{})) {
            if (!joined.empty()) joined += ',';
            joined.append(row.label).append(":").append(row.value);
        }
        return joined;
    }

    // The detail of the row whose column 0 is `label`; fails the test when
    // there is none.
    [[nodiscard]] RowDetail detail(StatisticsList list, std::string_view label) const {
        const int item = itemOf(list, label);
        return item < 0 ? RowDetail{} : (*written_[list])[static_cast<std::size_t>(item)].detail;
    }

    // The tool tip of that row, as its list view shows it.
    [[nodiscard]] std::string toolTip(StatisticsList list, std::string_view label) const {
        const int item = itemOf(list, label);
        return item < 0 ? std::string() : rowToolTip(list, (*written_[list])[static_cast<std::size_t>(item)]);
    }

private:
    // The item of the row whose column 0 is `label`; -1, failing the test,
    // when there is none.
    [[nodiscard]] int itemOf(StatisticsList list, std::string_view label) const {
        const auto& rows = written_[list];
        for (std::size_t item = 0; rows && item < rows->size(); ++item) {
            if ((*rows)[item].label == label) return static_cast<int>(item);
        }
        ADD_FAILURE() << "no row " << label << " in " << nameOf(list);
        return -1;
    }

    Draws held_;  // newest first
    CountWindowSelections selections_;
    Statistics written_;  // the rows each list holds
};

}  // namespace quintara::testing
