// Omission: for each item a draw can show (a digit, a derived value, a digit
// pair, a pattern), the number of draws newer than the newest draw that
// shows it; 0 when the newest draw shows it.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace quintara {

// `shownBy(drawText)` gives the items that one draw shows, bit i for item i;
// the draws come newest first. An item that no draw shows keeps `absent`.
// Each draw is looked at once, and the walk ends as soon as every item has
// been seen.
template <std::size_t ItemCount, typename ShownBy>
[[nodiscard]] std::array<int, ItemCount> omissions(std::span<const std::string_view> draws,
                                                   ShownBy shownBy, int absent) {
    static_assert(ItemCount > 0 && ItemCount < 64, "an item set is one 64-bit word");
    std::array<int, ItemCount> omission;
    omission.fill(absent);
    std::uint64_t unseen = (std::uint64_t{1} << ItemCount) - 1;
    for (std::size_t newer = 0; newer < draws.size() && unseen != 0; ++newer) {
        std::uint64_t firstSeen = static_cast<std::uint64_t>(shownBy(draws[newer])) & unseen;
        unseen &= ~firstSeen;
        for (; firstSeen != 0; firstSeen &= firstSeen - 1) {
            omission[static_cast<std::size_t>(std::countr_zero(firstSeen))] = static_cast<int>(newer);
        }
    }
    return omission;
}

}  // namespace quintara
