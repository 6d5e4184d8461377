#include "stats/row_detail.h"

#include "stats/fair_chances.h"

namespace quintara {

RowDetail rowDetail(const ItemHistory& history, int drawsRead, double chance,
                    std::optional<CountedPositions> positions, std::optional<CountedWindow> window) {
    RowDetail detail{
        .draws = drawsRead,
        .appearances = positions ? positions->appearances : history.appearances,
        .current = history.current,
        .previous = history.previous,
        .longest = history.longest,
        .average = history.averageAbsence(drawsRead),
        .streak = history.streak,
        .expected = drawsRead * (positions ? positions->chance : chance),
        .chance = fair_chance::power(1 - chance, history.current),
    };
    if (window) {
        detail.window = window->draws;
        detail.windowCount = window->count;
        detail.windowExpected = window->draws * window->chance;
    }
    return detail;
}

}  // namespace quintara
