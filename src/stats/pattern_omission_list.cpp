// The size-parity pattern omission list: for each pattern, the draws since a
// draw last fitted it, in the fixed order of the pattern table.
#include "stats/fair_chances.h"
#include "stats/item_history.h"
#include "stats/ranked_fill.h"
#include "stats/row_detail.h"
#include "stats/size_parity_patterns.h"
#include "stats/statistics.h"

namespace quintara {

void computePatternOmissionList(const StatisticsInput& input, Statistics& into) {
    // An empty history leaves the list as it was.
    const auto draws = input.draws;
    if (draws.empty()) return;
    // A pattern that no draw read fits gets the number of draws read: its
    // history's current absence.
    const auto histories = itemHistories<kPatternCount>(
        draws, [](std::string_view text) { return ItemSet<kPatternCount>{patternsFittedBy(text)}; });
    const int drawsRead = static_cast<int>(draws.size());

    ListRows& rows = into[StatisticsList::PatternOmission].emplace();
    rows.reserve(kPatternCount);
    for (std::size_t row = 0; row < kPatternCount; ++row) {
        rows.push_back(countRow(patternText(row), histories[row].current, "期",
                                rowDetail(histories[row], drawsRead, fair_chance::kPattern)));
    }
}

}  // namespace quintara
