#include "draws/draw_range.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <optional>

#include "draws/issue.h"

namespace quintara {
namespace {

// The draws from `from` on, newest first, while `inRange(issue)` holds; a
// draw whose issue is no issue number ends them.
template <typename InRange>
std::size_t endOfRun(std::span<const DrawView> newestFirst, std::size_t from, InRange inRange) {
    std::size_t end = from;
    while (end < newestFirst.size()) {
        const auto issue = Issue::parse(newestFirst[end].issue);
        if (!issue || !inRange(*issue)) break;
        ++end;
    }
    return end;
}

// How many issues days of 120 draws have from `first` to `last`, both
// included: as many as a range between them can cover.
std::int64_t issuesOfFullDays(const Issue& first, const Issue& last) {
    return (last.date() - first.date()).count() * kDrawsPerDay + last.sequence() - first.sequence() + 1;
}

RangeRows daysRows(std::span<const DrawView> newestFirst, int days) {
    const auto newest = newestFirst.empty() ? std::nullopt : Issue::parse(newestFirst.front().issue);
    if (!newest) return {};
    const std::chrono::sys_days firstDay = newest->date() - std::chrono::days(days - 1);
    return {.newest = 0,
            .end = endOfRun(newestFirst, 0, [firstDay](const Issue& issue) { return issue.date() >= firstDay; }),
            .issues = issuesOfFullDays(Issue(firstDay, 1), *newest)};
}

RangeRows issueRows(std::span<const DrawView> newestFirst, const std::string& from, const std::string& to) {
    const auto first = Issue::parse(from);
    const auto last = Issue::parse(to);
    if (!first || !last || *last < *first) return {};
    // Past the draws newer than the range, then along those in it.
    std::size_t newest = 0;
    while (newest < newestFirst.size()) {
        const auto issue = Issue::parse(newestFirst[newest].issue);
        if (issue && *issue <= *last) break;
        ++newest;
    }
    const std::size_t end = endOfRun(newestFirst, newest, [&first](const Issue& issue) { return issue >= *first; });
    return {.newest = newest, .end = end, .issues = issuesOfFullDays(*first, *last)};
}

}  // namespace

std::string rangeLabel(const DrawRange& range) {
    switch (range.kind) {
        case DrawRange::Kind::Draws: return std::to_string(range.count) + "期";
        case DrawRange::Kind::Days:
            return range.count == 1 ? "今日" : "近" + std::to_string(range.count) + "天";
        case DrawRange::Kind::Issues: return "期号段";
        case DrawRange::Kind::All: return "全部";
    }
    return {};
}

std::optional<DrawRange> rangeNamed(std::string_view text) {
    if (text == "today") return DrawRange::lastDays(1);
    if (text == "3d") return DrawRange::lastDays(3);
    if (text == "7d") return DrawRange::lastDays(7);
    const std::size_t colon = text.find(':');
    if (colon != std::string_view::npos) {
        return DrawRange::issues(std::string(text.substr(0, colon)), std::string(text.substr(colon + 1)));
    }
    int count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc{} || end != text.data() + text.size() || count < 1) return std::nullopt;
    return DrawRange::lastDraws(count);
}

std::optional<std::int64_t> issueCount(std::string_view from, std::string_view to) {
    const auto first = Issue::parse(from);
    const auto last = Issue::parse(to);
    if (!first || !last || *last < *first) return std::nullopt;
    return issuesOfFullDays(*first, *last);
}

RangeRows rangeRows(std::span<const DrawView> newestFirst, const DrawRange& range, std::size_t mostRows) {
    RangeRows rows;
    switch (range.kind) {
        case DrawRange::Kind::Draws:
            rows = {.newest = 0,
                    .end = std::min(newestFirst.size(), static_cast<std::size_t>(std::max(range.count, 0))),
                    .issues = range.count};
            break;
        case DrawRange::Kind::Days: rows = daysRows(newestFirst, std::max(range.count, 1)); break;
        case DrawRange::Kind::Issues: rows = issueRows(newestFirst, range.from, range.to); break;
        case DrawRange::Kind::All:
            rows = {.newest = 0, .end = newestFirst.size(), .issues = static_cast<std::int64_t>(newestFirst.size())};
            break;
    }
    rows.end = rows.newest + std::min(rows.size(), mostRows);
    return rows;
}

}  // namespace quintara
