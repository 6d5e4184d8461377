// The size-parity pattern omission list: for each pattern, the draws since a
// draw last fitted it, in the fixed order of the pattern table.
#include "controls/main_window_names.h"
#include "draws/draw_history.h"
#include "stats/list_rows.h"
#include "stats/omission.h"
#include "stats/size_parity_patterns.h"
#include "stats/statistics.h"

namespace quintara {

void RefreshPatternOmissionList(const Window& window) {
    // An empty history leaves the list as it was.
    const DrawHistory history(window.grid(names::kDrawGrid));
    if (history.isEmpty()) return;
    const auto draws = history.drawTexts();
    // A pattern that no draw read fits gets the number of draws read.
    const auto omission =
        omissions<kPatternCount>(draws, patternsFittedBy, static_cast<int>(draws.size()));

    ListView& list = window.listView(names::kPatternOmissionList);
    list.deleteAllItems();
    for (std::size_t row = 0; row < kPatternCount; ++row) {
        appendCountRow(list, patternText(row), omission[row], "期");
    }
}

}  // namespace quintara
