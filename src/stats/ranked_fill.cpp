#include "stats/ranked_fill.h"

#include <algorithm>
#include <utility>

#include "text/numbers.h"

namespace quintara {
namespace {

constexpr double kTieTolerance = 1e-7;

bool beats(const RankedEntry& candidate, const RankedEntry& best) {
    return static_cast<double>(candidate.number) - static_cast<double>(best.number) > kTieTolerance;
}

}  // namespace

StatisticsRow countRow(std::string_view label, int count, std::string_view suffix, RowDetail&& detail) {
    StatisticsRow row{.label = std::string(label), .detail = std::move(detail)};
    appendDecimal(row.value, count);
    row.value += suffix;
    return row;
}

ListRows rankedRows(std::span<RankedEntry> entries, std::string_view suffix) {
    ListRows rows;
    rows.reserve(entries.size());
    for (auto remaining = entries; !remaining.empty(); remaining = remaining.subspan(1)) {
        auto best = remaining.begin();
        for (auto entry = remaining.begin(); entry != remaining.end(); ++entry) {
            if (beats(*entry, *best)) best = entry;
        }
        // The best entry leaves the remaining ones, which keep their order.
        std::rotate(remaining.begin(), best, best + 1);
        RankedEntry& row = remaining.front();
        rows.push_back(countRow(row.label, row.number, suffix, std::move(*row.detail)));
    }
    return rows;
}

}  // namespace quintara
