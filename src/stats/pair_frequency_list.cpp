// The digit-pair frequency list: in how many draws of the count window both
// digits of a pair occur, the most frequent pair first.
#include <array>
#include <bit>

#include "stats/count_window.h"
#include "stats/digit_pairs.h"
#include "stats/fair_chances.h"
#include "stats/item_history.h"
#include "stats/ranked_fill.h"
#include "stats/row_detail.h"

namespace quintara {

void computePairFrequencyList(const StatisticsInput& input, Statistics& into) {
    // An empty history leaves the list as it was.
    const auto draws = input.draws;
    if (draws.empty()) return;
    // The count window: the newest draws, as many as the selected item asks
    // for and the history holds.
    const auto counted = countWindow(draws, input.selections[CountWindowBox::Pair]);

    // A draw counts once for each pair it holds, however often the digits
    // occur; draws with the same set of digits hold the same pairs.
    std::array<int, 1U << kDigitCount> drawsWithDigits{};
    for (const std::string_view text : counted) ++drawsWithDigits[digitsAt(text, kAllFive)];

    std::array<int, kDigitPairCount> frequencies{};
    for (std::size_t digits = 0; digits < drawsWithDigits.size(); ++digits) {
        for (PairSet pairs = pairsWithin(static_cast<DigitSet>(digits)); pairs != 0; pairs &= pairs - 1) {
            frequencies[static_cast<std::size_t>(std::countr_zero(pairs))] += drawsWithDigits[digits];
        }
    }

    // Each row's detail looks at all draws read.
    const auto histories = itemHistories<kDigitPairCount>(draws, [](std::string_view text) {
        return ItemSet<kDigitPairCount>{pairsWithin(digitsAt(text, kAllFive))};
    });
    const double chance = fair_chance::pairWithin(kAllFive.size());
    std::array<RowDetail, kDigitPairCount> details;
    std::array<RankedEntry, kDigitPairCount> entries;
    for (std::size_t index = 0; index < kDigitPairCount; ++index) {
        const CountedWindow inWindow{static_cast<int>(counted.size()), frequencies[index], chance};
        details[index] =
            rowDetail(histories[index], static_cast<int>(draws.size()), chance, std::nullopt, inWindow);
        entries[index] = {kDigitPairs[index].text, frequencies[index], &details[index]};
    }
    into[StatisticsList::PairFrequency] = rankedRows(entries, "次");
}

}  // namespace quintara
