// The history of each item a list stands for (a digit, a derived value, a
// digit pair, a pattern) over the draws read, newest first: when the newest
// draw showed it, how often, the runs of draws without it and with it. One
// pass over the draws gives the histories of all items of a step at once.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace quintara {

struct ItemHistory {
    int appearances = 0;  // draws that show the item
    int current = 0;      // draws newer than the newest that shows it; all draws when none
    std::optional<int> previous;  // the run of draws without it before that; none when none shows it
    int longest = 0;      // the longest run of draws without it
    int streak = 0;       // the longest run of draws that all show it

    [[nodiscard]] bool shown() const { return appearances > 0; }
    // The mean of the runs without it over `draws` draws: before the newest
    // one that shows it, between two that do, and after the oldest.
    [[nodiscard]] double averageAbsence(int draws) const {
        return static_cast<double>(draws - appearances) / (appearances + 1);
    }
};

// A set of items: bit i of word i / 64 stands for item i.
template <std::size_t ItemCount>
using ItemSet = std::array<std::uint64_t, (ItemCount + 63) / 64>;

// Adds the items of `bits` (bit i: item `firstItem` + i) to `set`.
template <std::size_t ItemCount>
constexpr void addItems(ItemSet<ItemCount>& set, std::size_t firstItem, std::uint64_t bits) {
    const std::size_t word = firstItem / 64;
    const std::size_t shift = firstItem % 64;
    set[word] |= bits << shift;
    if (shift != 0 && word + 1 < set.size()) set[word + 1] |= bits >> (64 - shift);
}

// Calls `visit(item)` for every item of `items`, bit i standing for item
// 64 * `word` + i.
template <typename Visit>
void forEachItem(std::uint64_t items, std::size_t word, Visit visit) {
    for (; items != 0; items &= items - 1) {
        visit(word * 64 + static_cast<std::size_t>(std::countr_zero(items)));
    }
}

// `shownBy(drawText)` gives the ItemSet of the items that one draw shows.
// Draw k (from 1, newest) showing an item for the first, second, ... time at
// k1 < k2 < ...: current = k1 - 1, previous = k2 - k1 - 1 (or n - k1 when it
// is shown once), longest the largest run of draws without it between, before
// and after those.
template <std::size_t ItemCount, typename ShownBy>
[[nodiscard]] std::array<ItemHistory, ItemCount> itemHistories(
    std::span<const std::string_view> draws, ShownBy shownBy) {
    using Set = ItemSet<ItemCount>;
    // The bits of each word that stand for items.
    constexpr Set kItemsIn = [] {
        Set items{};
        for (std::size_t item = 0; item < ItemCount; ++item) {
            items[item / 64] |= std::uint64_t{1} << (item % 64);
        }
        return items;
    }();
    // One array per figure. Most of the work is one of two short steps for
    // each item a draw shows: a run of draws showing it goes on, or a run
    // without it ends. What happens to an item only twice (its first and
    // second appearance) is kept out of them, and skipped once every item has
    // been seen twice.
    std::array<int, ItemCount> appearances{};
    std::array<int, ItemCount> first{};   // the newest draw that shows it
    std::array<int, ItemCount> second{};  // the run without it before the second newest
    std::array<int, ItemCount> last;      // the oldest draw that shows it so far
    std::array<int, ItemCount> longest{}; // runs without it up to `last`
    std::array<int, ItemCount> run{};     // draws in a row showing it, up to `last`
    std::array<int, ItemCount> streak{};
    last.fill(-1);
    Set seen{};       // items shown at least once so far
    Set seenTwice{};  // items shown at least twice so far
    Set previous{};   // items the draw before showed

    const int drawCount = static_cast<int>(draws.size());
    bool allSeenTwice = false;
    for (int index = 0; index < drawCount; ++index) {
        const Set shown = shownBy(draws[static_cast<std::size_t>(index)]);
        if (!allSeenTwice) {
            allSeenTwice = true;
            for (std::size_t word = 0; word < shown.size(); ++word) {
                const std::uint64_t items = shown[word];
                forEachItem(items & ~seen[word], word, [&](std::size_t item) {
                    first[item] = index;
                    streak[item] = 1;
                });
                forEachItem(items & seen[word] & ~seenTwice[word], word, [&](std::size_t item) {
                    second[item] = index - last[item] - 1;
                });
                seenTwice[word] |= items & seen[word];
                seen[word] |= items;
                allSeenTwice = allSeenTwice && (seenTwice[word] | ~kItemsIn[word]) == ~std::uint64_t{0};
            }
        }
        for (std::size_t word = 0; word < shown.size(); ++word) {
            const std::uint64_t items = shown[word];
            forEachItem(items & previous[word], word, [&](std::size_t item) {
                streak[item] = std::max(streak[item], ++run[item]);
                last[item] = index;
                ++appearances[item];
            });
            forEachItem(items & ~previous[word], word, [&](std::size_t item) {
                longest[item] = std::max(longest[item], index - last[item] - 1);
                run[item] = 1;
                last[item] = index;
                ++appearances[item];
            });
        }
        previous = shown;
    }

    std::array<ItemHistory, ItemCount> histories{};
    for (std::size_t item = 0; item < ItemCount; ++item) {
        ItemHistory& history = histories[item];
        history.appearances = appearances[item];
        if (!history.shown()) {
            history.current = drawCount;
            history.longest = drawCount;
            continue;
        }
        const int absentSince = drawCount - last[item] - 1;  // older than the oldest showing
        history.current = first[item];
        history.previous = history.appearances == 1 ? absentSince : second[item];
        history.longest = std::max(longest[item], absentSince);
        history.streak = streak[item];
    }
    return histories;
}

}  // namespace quintara
