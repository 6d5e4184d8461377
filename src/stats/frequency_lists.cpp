// The digit frequency lists: how often each digit stands at the positions of
// a group within the count window, the hottest digit first. Each row's
// detail looks at all draws read.
#include <algorithm>
#include <array>
#include <optional>

#include "stats/count_window.h"
#include "stats/draw_digits.h"
#include "stats/fair_chances.h"
#include "stats/item_history.h"
#include "stats/list_items.h"
#include "stats/ranked_fill.h"
#include "stats/row_detail.h"

namespace quintara {
namespace {

// Each list is the one its box's count window is counted for.
struct FrequencyList {
    CountWindowBox box;
    PositionGroup group;
};

constexpr std::array kFrequencyLists{
    FrequencyList{CountWindowBox::BackThree, kBackThree},
    FrequencyList{CountWindowBox::MiddleThree, kMiddleThree},
    FrequencyList{CountWindowBox::FrontThree, kFrontThree},
    FrequencyList{CountWindowBox::AllFive, kAllFive},
};

// counts[p - 1][d]: how often digit d stands at position p, from 1 to 5.
using PositionCounts = std::array<std::array<int, kDigitCount>, kAllFive.last>;

PositionCounts positionCounts(std::span<const std::string_view> counted) {
    PositionCounts counts{};
    for (const std::string_view text : counted) {
        forEachDigitAt(text, kAllFive, [&counts](int position, int digit) { ++counts[position - 1][digit]; });
    }
    return counts;
}

// A digit twice in the group of one draw counts twice.
std::array<int, kDigitCount> groupFrequencies(const PositionCounts& counts, PositionGroup group) {
    std::array<int, kDigitCount> frequencies{};
    for (int digit = 0; digit < kDigitCount; ++digit) {
        for (int position = group.first; position <= group.last; ++position) {
            frequencies[digit] += counts[position - 1][digit];
        }
    }
    return frequencies;
}

// Lists with windows of one size count the same draws: their position counts
// are made once, and those of all draws read are there already.
class WindowCounts {
public:
    explicit WindowCounts(std::span<const std::string_view> draws)
        : all_(positionCounts(draws)), allSize_(draws.size()) {}

    [[nodiscard]] const PositionCounts& all() const { return all_; }

    const PositionCounts& of(std::span<const std::string_view> window) {
        if (window.size() == allSize_) return all_;
        if (window.size() != countedSize_) counts_ = positionCounts(window);
        countedSize_ = window.size();
        return counts_;
    }

private:
    PositionCounts all_;
    std::size_t allSize_;
    std::optional<std::size_t> countedSize_;
    PositionCounts counts_{};
};

// Item 10 l + d: digit d within the group of list l; one walk over the draws
// serves all four.
constexpr std::size_t kFrequencyItemCount = kFrequencyLists.size() * kDigitCount;

}  // namespace

void computeFrequencyLists(const StatisticsInput& input, Statistics& into) {
    // An empty history leaves the four lists as they were.
    const auto draws = input.draws;
    if (draws.empty()) return;
    const int drawsRead = static_cast<int>(draws.size());
    const auto histories = itemHistories<kFrequencyItemCount>(draws, [](std::string_view text) {
        return itemsOfEachList<kDigitCount>(text, kFrequencyLists,
                                            [](DigitSet digits) { return digits; });
    });
    WindowCounts windowCounts(draws);
    for (std::size_t at = 0; at < kFrequencyLists.size(); ++at) {
        const FrequencyList& list = kFrequencyLists[at];
        const auto counted = countWindow(draws, input.selections[list.box]);
        const auto frequencies = groupFrequencies(windowCounts.of(counted), list.group);
        const auto appearances = groupFrequencies(windowCounts.all(), list.group);
        // Each position shows a given digit one time in ten; a draw shows it
        // at one or more of the group's positions.
        const double perDraw = list.group.size() * fair_chance::kOneOfTen;
        const double shown = fair_chance::digitAnywhere(list.group.size());

        std::array<RowDetail, kDigitCount> details;
        std::array<RankedEntry, kDigitCount> entries;
        for (std::size_t digit = 0; digit < kDigitCount; ++digit) {
            const CountedWindow inWindow{static_cast<int>(counted.size()), frequencies[digit],
                                         perDraw};
            details[digit] = rowDetail(histories[at * kDigitCount + digit], drawsRead, shown,
                                       CountedPositions{appearances[digit], perDraw}, inWindow);
            entries[digit] = {digitLabel(static_cast<int>(digit)), frequencies[digit],
                              &details[digit]};
        }
        into[countedList(list.box)] = rankedRows(entries, "次");
    }
}

}  // namespace quintara
