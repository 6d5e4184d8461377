// The count window: the newest draws that a frequency list counts, chosen by
// the selected item of its combo box.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace quintara {

// The items of a count window's combo box, index 0 to 4.
inline constexpr std::array<std::string_view, 5> kCountWindowItems{"统计10期", "统计20期", "统计30期",
                                                                   "统计50期", "统计所有"};

// How many of the newest draws the window of an item holds: index 0 to 3 the
// newest 10, 20, 30 or 50, 4 all draws read (10000 at most), any other index
// (no item selected) none.
[[nodiscard]] int countWindowSize(int selectedIndex);

// The window over the draws read, newest first. A window larger than the
// history holds the draws there are.
[[nodiscard]] std::span<const std::string_view> countWindow(std::span<const std::string_view> draws,
                                                           int selectedIndex);

}  // namespace quintara
