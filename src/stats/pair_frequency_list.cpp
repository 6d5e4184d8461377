// The digit-pair frequency list: in how many draws of the count window both
// digits of a pair occur, the most frequent pair first.
#include <array>
#include <bit>

#include "draws/draw_history.h"
#include "stats/count_window.h"
#include "stats/digit_pairs.h"
#include "stats/ranked_fill.h"
#include "stats/statistics.h"

namespace quintara {

void RefreshPairFrequencyList(const Window& window) {
    // An empty history leaves the list as it was.
    const DrawHistory history(window.grid(kDrawGridName));
    if (history.isEmpty()) return;
    const auto draws = history.drawTexts();
    const auto counted =
        countWindow(draws, window.comboBox("组合框_选择选几期五星双胆").selectedIndex());

    std::array<RankedEntry, kDigitPairCount> entries;
    for (std::size_t index = 0; index < kDigitPairCount; ++index) {
        entries[index] = {kDigitPairs[index].text, 0};
    }
    // A draw counts once for each pair it holds, however often the digits occur.
    for (const std::string_view text : counted) {
        for (PairSet pairs = pairsWithin(digitsAt(text, kAllFive)); pairs != 0; pairs &= pairs - 1) {
            ++entries[static_cast<std::size_t>(std::countr_zero(pairs))].number;
        }
    }
    rankedFill(window.listView("超级列表框_出现次数五星双胆"), entries, "次");
}

}  // namespace quintara
