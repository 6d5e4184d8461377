#include "stats/ranked_fill.h"

#include <algorithm>

#include "stats/list_rows.h"

namespace quintara {
namespace {

constexpr double kTieTolerance = 1e-7;

bool beats(const RankedEntry& candidate, const RankedEntry& best) {
    return static_cast<double>(candidate.number) - static_cast<double>(best.number) > kTieTolerance;
}

}  // namespace

void rankedFill(ListView& list, std::span<RankedEntry> entries, std::string_view suffix) {
    list.deleteAllItems();
    for (auto remaining = entries; !remaining.empty(); remaining = remaining.subspan(1)) {
        auto best = remaining.begin();
        for (auto entry = remaining.begin(); entry != remaining.end(); ++entry) {
            if (beats(*entry, *best)) best = entry;
        }
        // The best entry leaves the remaining ones, which keep their order.
        std::rotate(remaining.begin(), best, best + 1);
        const RankedEntry& row = remaining.front();
        appendCountRow(list, row.label, row.number, suffix, row.detail);
    }
}

}  // namespace quintara
