#include "stats/chart_range.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "draws/issue_sequence.h"

namespace quintara {
namespace {

// The day of an issue's ordinal, counted as issueOrdinal counts them.
std::int64_t dayOf(std::int64_t ordinal) {
    return (ordinal >= 0 ? ordinal : ordinal - (kDrawsPerDay - 1)) / kDrawsPerDay;
}

// The draws from the newest while `inRange(ordinal)` holds; a draw whose
// issue is no issue number ends them.
template <typename InRange>
std::size_t endOfRun(std::span<const DrawView> newestFirst, std::size_t from, InRange inRange) {
    std::size_t end = from;
    while (end < newestFirst.size()) {
        const auto ordinal = issueOrdinal(newestFirst[end].issue);
        if (!ordinal || !inRange(*ordinal)) break;
        ++end;
    }
    return end;
}

RangeRows daysRows(std::span<const DrawView> newestFirst, int days) {
    const auto newest = newestFirst.empty() ? std::nullopt : issueOrdinal(newestFirst.front().issue);
    if (!newest) return {};
    const std::int64_t firstDay = dayOf(*newest) - (days - 1);
    return {.newest = 0,
            .end = endOfRun(newestFirst, 0,
                            [firstDay](std::int64_t ordinal) { return dayOf(ordinal) >= firstDay; }),
            .issues = *newest - firstDay * kDrawsPerDay + 1};
}

RangeRows issueRows(std::span<const DrawView> newestFirst, const std::string& from, const std::string& to) {
    const auto issues = issueCount(from, to);
    if (!issues) return {};
    const std::int64_t first = *issueOrdinal(from);
    const std::int64_t last = *issueOrdinal(to);
    // Past the draws newer than the range, then along those in it.
    std::size_t newest = 0;
    while (newest < newestFirst.size()) {
        const auto ordinal = issueOrdinal(newestFirst[newest].issue);
        if (ordinal && *ordinal <= last) break;
        ++newest;
    }
    const std::size_t end =
        endOfRun(newestFirst, newest, [first](std::int64_t ordinal) { return ordinal >= first; });
    return {.newest = newest, .end = end, .issues = *issues};
}

}  // namespace

std::string rangeLabel(const ChartRange& range) {
    switch (range.kind) {
        case ChartRange::Kind::Draws: return std::to_string(range.count) + "期";
        case ChartRange::Kind::Days:
            return range.count == 1 ? "今日" : "近" + std::to_string(range.count) + "天";
        case ChartRange::Kind::Issues: return "期号段";
        case ChartRange::Kind::All: return "全部";
    }
    return {};
}

std::optional<ChartRange> rangeNamed(std::string_view text) {
    if (text == "today") return ChartRange::lastDays(1);
    if (text == "3d") return ChartRange::lastDays(3);
    if (text == "7d") return ChartRange::lastDays(7);
    const std::size_t colon = text.find(':');
    if (colon != std::string_view::npos) {
        return ChartRange::issues(std::string(text.substr(0, colon)), std::string(text.substr(colon + 1)));
    }
    int count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc{} || end != text.data() + text.size() || count < 1) return std::nullopt;
    return ChartRange::lastDraws(count);
}

std::optional<std::int64_t> issueCount(std::string_view from, std::string_view to) {
    const auto first = issueOrdinal(from);
    const auto last = issueOrdinal(to);
    if (!first || !last || *last < *first) return std::nullopt;
    return *last - *first + 1;
}

RangeRows rangeRows(std::span<const DrawView> newestFirst, const ChartRange& range, std::size_t mostRows) {
    RangeRows rows;
    switch (range.kind) {
        case ChartRange::Kind::Draws:
            rows = {.newest = 0,
                    .end = std::min(newestFirst.size(), static_cast<std::size_t>(std::max(range.count, 0))),
                    .issues = range.count};
            break;
        case ChartRange::Kind::Days: rows = daysRows(newestFirst, std::max(range.count, 1)); break;
        case ChartRange::Kind::Issues: rows = issueRows(newestFirst, range.from, range.to); break;
        case ChartRange::Kind::All:
            rows = {.newest = 0, .end = newestFirst.size(), .issues = static_cast<std::int64_t>(newestFirst.size())};
            break;
    }
    rows.end = rows.newest + std::min(rows.size(), mostRows);
    return rows;
}

}  // namespace quintara
