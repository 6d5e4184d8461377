#include "stats/value_omission_list.h"

#include "stats/ranked_fill.h"

namespace quintara {

void writeValueOmissions(ListView& list, const std::array<int, kDigitCount>& omission) {
    std::array<RankedEntry, kDigitCount> entries;
    std::size_t found = 0;
    for (int value = 0; value < kDigitCount; ++value) {
        const int draws = omission[static_cast<std::size_t>(value)];
        if (draws != kNeverShown) entries[found++] = {digitLabel(value), draws};
    }
    rankedFill(list, std::span(entries).first(found), " 期");
}

}  // namespace quintara
