#include "stats/value_omission_list.h"

#include "stats/ranked_fill.h"
#include "stats/row_detail.h"

namespace quintara {

ListRows valueOmissionRows(std::span<const ItemHistory, kDigitCount> histories, int drawsRead,
                           const ValueChances& chances) {
    std::array<RowDetail, kDigitCount> details;
    std::array<RankedEntry, kDigitCount> entries;
    std::size_t found = 0;
    for (std::size_t value = 0; value < kDigitCount; ++value) {
        const ItemHistory& history = histories[value];
        if (!history.shown()) continue;
        details[value] = rowDetail(history, drawsRead, chances[value]);
        entries[found++] = {digitLabel(static_cast<int>(value)), history.current, &details[value]};
    }
    return rankedRows(std::span(entries).first(found), " 期");
}

}  // namespace quintara
