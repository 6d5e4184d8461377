// The size-parity pattern omission list: for each pattern, the draws since a
// draw last fitted it, in the fixed order of the pattern table.
#include "controls/main_window_names.h"
#include "draws/draw_history.h"
#include "stats/fair_chances.h"
#include "stats/item_history.h"
#include "stats/list_rows.h"
#include "stats/row_detail.h"
#include "stats/size_parity_patterns.h"
#include "stats/statistics.h"

namespace quintara {

void RefreshPatternOmissionList(const Window& window) {
    // An empty history leaves the list as it was.
    const DrawHistory history(window.grid(names::kDrawGrid));
    if (history.isEmpty()) return;
    const auto draws = history.drawTexts();
    // A pattern that no draw read fits gets the number of draws read: its
    // history's current absence.
    const auto histories = itemHistories<kPatternCount>(
        draws, [](std::string_view text) { return ItemSet<kPatternCount>{patternsFittedBy(text)}; });
    const int drawsRead = static_cast<int>(draws.size());

    ListView& list = window.listView(names::kPatternOmissionList);
    list.deleteAllItems();
    for (std::size_t row = 0; row < kPatternCount; ++row) {
        RowDetail detail = rowDetail(histories[row], drawsRead, fair_chance::kPattern);
        appendCountRow(list, patternText(row), histories[row].current, "期", &detail);
    }
}

}  // namespace quintara
