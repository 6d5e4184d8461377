// The history grid filled with real draws for the benchmarks: draw k from
// the newest (k = 0) is the real draws over and over, with the issue numbers
// of 120 draws a day going back from 19 December 2019.
#pragma once

#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

#include "controls/grid.h"
#include "shell/draw_history.h"
#include "real_draws.h"

namespace quintara::bench {

using namespace std::chrono;

constexpr std::size_t kRealDrawCount = kRealDraws.size() / kDrawTextLength;
constexpr int kDrawsPerDay = 120;
constexpr sys_days kNewestDay = 2019y / December / 19;

struct BenchDraw {
    std::string date;  // "20191219"
    int sequence;
    std::string_view text;
};

inline BenchDraw benchDraw(int newer) {
    const year_month_day day{kNewestDay - days{newer / kDrawsPerDay}};
    std::array<char, 16> date;
    std::snprintf(date.data(), date.size(), "%04d%02u%02u", static_cast<int>(day.year()),
                  static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
    return {date.data(), kDrawsPerDay - newer % kDrawsPerDay,
            kRealDraws.substr(static_cast<std::size_t>(newer) % kRealDrawCount * kDrawTextLength,
                              kDrawTextLength)};
}

inline std::string sequenceText(int sequence) { return std::to_string(1000 + sequence).substr(1); }

inline void fillHistory(Grid& grid, int drawCount) {
    const Grid::Batch batch(grid);
    DrawHistory history(grid);
    history.clear();
    for (int row = 1; row <= drawCount; ++row) {
        const BenchDraw draw = benchDraw(row - 1);
        history.appendDraw(row, draw.date + "-" + sequenceText(draw.sequence), draw.text);
    }
}

}  // namespace quintara::bench
