// The basic trend chart: one row per draw, oldest at the top, ten digit
// columns per position holding that digit's omission as of the draw (the
// drawn digit on its ball), the digits' distribution in the draw, and summary
// rows over the draws shown. Made from the draw history; painted by the
// shell, written as CSV here.
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "draws/draw_history.h"
#include "stats/draw_digits.h"

namespace quintara {

inline constexpr int kPositionCount = kAllFive.last;
// How many of the newest draws the chart can show; kChartSizes[1] at first.
inline constexpr std::array<int, 5> kChartSizes{30, 50, 100, 200, 500};
inline constexpr int kDefaultChartSize = 50;
// The captions over the two columns that lead every row.
inline constexpr std::string_view kIssueCaption = "期号";
inline constexpr std::string_view kCodeCaption = "开奖号码";

struct ChartCell {
    // Draws from this one back to the newest one before it showing the digit
    // there, this one included: 0 on the drawn digit's ball.
    int omission = 0;
    [[nodiscard]] bool drawn() const { return omission == 0; }
};

struct ChartRow {
    std::string issue;
    std::string code;
    std::array<std::array<ChartCell, kDigitCount>, kPositionCount> cells;
    std::array<int, kDigitCount> distribution{};  // how often each digit stands in the draw
};

// One column over the draws shown, as a row's detail counts them.
struct ColumnSummary {
    int appearances = 0;  // draws that show it
    double average = 0;   // the mean run of draws without it
    int longest = 0;      // the longest run of draws without it
    int streak = 0;       // the longest run of draws showing it
};

struct ChartSummary {
    std::array<std::array<ColumnSummary, kDigitCount>, kPositionCount> positions;
    std::array<ColumnSummary, kDigitCount> distribution;  // the digit anywhere in the draw
};

// A column of cells, one per draw, under the caption of its group.
struct ChartColumn {
    std::string heading;  // under the group's caption: the digit
    std::string name;     // standing alone, as the CSV heads it: 万位0, 分布0
};

// The columns under one caption, left to right: a position's digits (万位
// to 个位), or how often each digit stands in the draw (号码分布).
struct ColumnGroup {
    std::string caption;
    std::vector<ChartColumn> columns;
};

// A line under the draws: its caption and the text of its cell in every
// column of the groups, left to right.
struct SummaryLine {
    std::string caption;
    std::vector<std::string> cells;
};

// 出现次数, 平均遗漏 (with two decimals), 最大遗漏 and 最大连出.
inline constexpr int kSummaryLineCount = 4;

struct TrendChart {
    std::vector<ColumnGroup> groups;  // after the issue and the code
    std::vector<ChartRow> rows;       // the draws shown, oldest first
    ChartSummary summary;
    std::vector<SummaryLine> summaryLines;  // the summary as the chart shows it
};

// The chart of the newest `shown` of `newestFirst`, the draws read (at most
// 10000). The omissions count over all of them, so that the top rows are
// right too. A character that is no digit has no ball.
[[nodiscard]] TrendChart makeTrendChart(std::span<const DrawView> newestFirst, int shown);

// The chart as a table: a header row, one line per draw (a drawn digit in
// its own cell, every other cell its omission; a distribution cell empty when
// the digit does not stand in the draw), then the summary lines. UTF-8,
// comma-separated, each line ended by CR LF.
[[nodiscard]] std::string trendChartCsv(const TrendChart& chart);

}  // namespace quintara
