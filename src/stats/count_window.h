// The count window: the newest draws that a frequency list counts, chosen by
// the selected item of its combo box.
#pragma once

#include <span>
#include <string_view>

namespace quintara {

// Index 0 to 3: the newest 10, 20, 30 or 50 draws; 4: all draws read; any
// other index (no item selected): no draws. A window larger than the history
// holds the draws there are.
[[nodiscard]] std::span<const std::string_view> countWindow(std::span<const std::string_view> draws,
                                                           int selectedIndex);

}  // namespace quintara
