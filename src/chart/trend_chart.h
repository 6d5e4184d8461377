// The trend chart: one row per draw of a range, oldest at the top, under
// column groups: the digits of the view's positions (each column holding
// that digit's omission as of the draw, the drawn digit on its ball, and its
// 号温), the digits' distribution, and the sections switched on (和值, 跨度,
// 形态, the ratios, 012路, 龙虎); then summary lines over the draws shown.
// Made from the draw history; painted by the shell, written as CSV here.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "draws/draw.h"
#include "draws/draw_range.h"
#include "chart/chart_view.h"
#include "chart/digit_temperature.h"

namespace quintara {

inline constexpr int kPositionCount = kAllFive.last;
// The counts of newest draws the chart offers, and the most rows it shows.
inline constexpr std::array<int, 6> kChartSizes{30, 50, 100, 200, 500, 1000};
inline constexpr int kDefaultChartSize = 50;
inline constexpr int kMostChartRows = kChartSizes.back();
// The day ranges it offers: 今日, 近3天, 近7天.
inline constexpr std::array<int, 3> kChartDays{1, 3, 7};
// The captions over the two columns that lead every row.
inline constexpr std::string_view kIssueCaption = "期号";
inline constexpr std::string_view kCodeCaption = "开奖号码";
// Under the chart: the omissions of its top rows go on from the draws held
// before them.
inline constexpr std::string_view kOmissionFootnote = "遗漏自本段之前的开奖连续计算";

// What the cells of a column hold.
enum class ColumnKind {
    // Draws back to the newest one before that shows the column's item, this
    // one included: 0 where the draw shows it, which has it on a ball.
    Omission,
    // How often the column's digit stands in the draw: a ball when it does.
    Count,
    // A text of the draw's own: a sum, a ratio, a route.
    Value,
};

// A column of cells, one per draw, under the caption of its group.
struct ChartColumn {
    // Under the group's caption, and on a drawn cell's ball: the digit, the
    // sum, 组六, 2:1; empty for a Value column.
    std::string heading;
    std::string name;  // standing alone, as the CSV heads it: 万位0, 分布0, 组六, 大小比, 大小比2:1
    ColumnKind kind = ColumnKind::Omission;
};

// The columns under one caption, left to right. A group with a Value column
// has it first: the ratios' text, then a column for each ratio.
struct ColumnGroup {
    std::string caption;                  // 万位, 号码分布, 和值, 形态, 大小比
    int position = 0;                     // 1 to 5 for a position's digits, 0 otherwise
    std::optional<ChartSection> section;  // none for a position's digits and the distribution
    std::vector<ChartColumn> columns;
};

struct ChartCell {
    int number = 0;    // Omission: the omission; Count: the count
    std::string text;  // Value: the draw's text
    // A position's digit: how hot the digit is as of the draw.
    std::optional<Temperature> temperature;

    [[nodiscard]] bool drawn() const { return number == 0; }  // of an Omission cell
};

struct ChartRow {
    std::string issue;
    std::string code;
    std::vector<ChartCell> cells;  // one per column, in the order of the groups
    // The draw held before it is not its predecessor: issues are missing
    // between them.
    bool afterHole = false;
};

// One column over the draws shown, as a row's detail counts them.
struct ColumnSummary {
    int appearances = 0;  // draws that show it
    double average = 0;   // the mean run of draws without it
    int longest = 0;      // the longest run of draws without it
    int streak = 0;       // the longest run of draws showing it
};

// A cell of a summary line: its figure in full, as the CSV writes it, then
// in shorter forms that still read, for a column too narrow for it (24.57,
// 24.6, 25; 1228, 1.2k). No forms: a blank cell.
struct SummaryCell {
    std::vector<std::string> forms;

    [[nodiscard]] std::string_view text() const { return forms.empty() ? std::string_view() : forms.front(); }
};

// A line under the draws: its caption and its cell in every column, left to
// right.
struct SummaryLine {
    std::string caption;
    std::vector<SummaryCell> cells;
};

struct ChartOptions {
    ChartView view = kAllFiveView;
    SectionSet sections;  // those the view lacks are left out
    DrawRange range = DrawRange::lastDraws(kDefaultChartSize);
};

struct TrendChart {
    SectionSet sections;              // the sections shown
    std::vector<ColumnGroup> groups;  // after the issue and the code
    std::vector<ChartRow> rows;       // the draws shown, oldest first
    // Per column; none for a Value column.
    std::vector<std::optional<ColumnSummary>> summary;
    // 出现次数, 平均遗漏 (with two decimals), 最大遗漏 and 最大连出; blank
    // in a Value column, but for 012路, whose 出现次数 tells how often each
    // route came ("15:20:15": 0路 15 times, 1路 20, 2路 15).
    std::vector<SummaryLine> summaryLines;
    std::string footnote;          // under everything
    std::int64_t rangeIssues = 0;  // the issues the range covers, held or not

    [[nodiscard]] int columnCount() const;
};

// The chart of `newestFirst`, the draws held, for the options. The
// omissions count over every draw held, so that the top rows are right too.
// A character that is no digit has no ball, and reads as 0 in the sections'
// figures, as the lists take it (stats/draw_digits.h).
[[nodiscard]] TrendChart makeTrendChart(std::span<const DrawView> newestFirst, const ChartOptions& options);

// "仅有N期" when the history holds fewer draws than the chart's range
// covers; empty when it holds them all.
[[nodiscard]] std::string shortfallNote(const TrendChart& chart);

// The chart as a table: a header row (期号, 开奖号码, then every column's
// name), one line per draw (an Omission cell holds its omission, 0 where the
// draw shows its item, a Count cell its count, 0 included, a Value cell its
// text), then the summary lines. UTF-8, comma-separated, each line ended by
// CR LF.
[[nodiscard]] std::string trendChartCsv(const TrendChart& chart);

}  // namespace quintara
