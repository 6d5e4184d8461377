// The draws a trend chart shows, its range: the newest N draws, the newest
// draw's day and the days before it (今日, 近3天, 近7天), or an issue range.
// The draws held before the range still count for the omissions.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "draws/draw.h"

namespace quintara {

// The counts of newest draws the chart offers, and the most rows it shows.
inline constexpr std::array<int, 6> kChartSizes{30, 50, 100, 200, 500, 1000};
inline constexpr int kDefaultChartSize = 50;
inline constexpr int kMostChartRows = kChartSizes.back();
// The day ranges it offers: 今日, 近3天, 近7天.
inline constexpr std::array<int, 3> kChartDays{1, 3, 7};

struct ChartRange {
    enum class Kind { Draws, Days, Issues };
    Kind kind = Kind::Draws;
    int count = kDefaultChartSize;  // Draws: how many; Days: how many days
    std::string from;               // Issues: the first and the last issue, both included
    std::string to;

    [[nodiscard]] static ChartRange lastDraws(int count) { return {Kind::Draws, count, {}, {}}; }
    [[nodiscard]] static ChartRange lastDays(int days) { return {Kind::Days, days, {}, {}}; }
    [[nodiscard]] static ChartRange issues(std::string from, std::string to) {
        return {Kind::Issues, 0, std::move(from), std::move(to)};
    }
    friend bool operator==(const ChartRange&, const ChartRange&) = default;
};

// How the window names a range: "50期", "今日", "近3天", "期号段".
[[nodiscard]] std::string rangeLabel(const ChartRange& range);

// How many issues days of 120 draws have from `from` to `to`, both
// included: the most a range between them can cover; none when either is no
// issue number or `to` comes before `from`.
[[nodiscard]] std::optional<std::int64_t> issueCount(std::string_view from, std::string_view to);

// Where a range's draws stand among the draws held, newest first: from
// `newest` up to (not including) `end`, at most kMostChartRows of them; and
// how many issues the range covers, held or not.
struct RangeRows {
    std::size_t newest = 0;
    std::size_t end = 0;
    std::int64_t issues = 0;

    [[nodiscard]] std::size_t size() const { return end - newest; }
};
[[nodiscard]] RangeRows rangeRows(std::span<const DrawView> newestFirst, const ChartRange& range);

}  // namespace quintara
