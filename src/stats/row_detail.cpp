#include "stats/row_detail.h"

namespace quintara {

RowDetail rowDetail(const ItemHistory& history, int drawsRead, double chance,
                    std::optional<int> appearances, std::optional<CountedWindow> window) {
    RowDetail detail{
        .draws = drawsRead,
        .appearances = appearances.value_or(history.appearances),
        .current = history.current,
        .previous = history.previous,
        .longest = history.longest,
        .average = history.averageAbsence(drawsRead),
        .streak = history.streak,
        .expected = drawsRead * chance,
    };
    if (window) {
        detail.window = window->draws;
        detail.windowCount = window->count;
        detail.windowExpected = window->draws * window->chance;
    }
    return detail;
}

}  // namespace quintara
