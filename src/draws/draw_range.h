// A range of the draws held, as the trend chart shows one and the fairness
// tests and backtests take one: the newest N draws, the newest draw's day and
// the days before it (今日, 近3天, 近7天), an issue range, or every draw held.
// The draws held before the range still count for whatever looks back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "draws/draw.h"

namespace quintara {

struct DrawRange {
    enum class Kind { Draws, Days, Issues, All };
    Kind kind = Kind::All;
    int count = 0;                  // Draws: how many; Days: how many days
    std::string from;               // Issues: the first and the last issue, both included
    std::string to;

    [[nodiscard]] static DrawRange lastDraws(int count) { return {Kind::Draws, count, {}, {}}; }
    [[nodiscard]] static DrawRange lastDays(int days) { return {Kind::Days, days, {}, {}}; }
    [[nodiscard]] static DrawRange issues(std::string from, std::string to) {
        return {Kind::Issues, 0, std::move(from), std::move(to)};
    }
    [[nodiscard]] static DrawRange all() { return {Kind::All, 0, {}, {}}; }
    friend bool operator==(const DrawRange&, const DrawRange&) = default;
};

// How a window names a range: "50期", "今日", "近3天", "期号段", "全部".
[[nodiscard]] std::string rangeLabel(const DrawRange& range);

// The range a command line names: N (1 or more), "today", "3d", "7d" or
// "FROM:TO" (the issues as written, checked by issueCount); none for any
// other text.
[[nodiscard]] std::optional<DrawRange> rangeNamed(std::string_view text);

// How many issues days of 120 draws have from `from` to `to`, both
// included: the most a range between them can cover; none when either is no
// issue number or `to` comes before `from`.
[[nodiscard]] std::optional<std::int64_t> issueCount(std::string_view from, std::string_view to);

// Where a range's draws stand among the draws held, newest first: from
// `newest` up to (not including) `end`, at most `mostRows` of them (a
// longer range keeps its newest draws); and how many issues the range
// covers, held or not.
struct RangeRows {
    std::size_t newest = 0;
    std::size_t end = 0;
    std::int64_t issues = 0;

    [[nodiscard]] std::size_t size() const { return end - newest; }
};
[[nodiscard]] RangeRows rangeRows(std::span<const DrawView> newestFirst, const DrawRange& range,
                                  std::size_t mostRows);

}  // namespace quintara
