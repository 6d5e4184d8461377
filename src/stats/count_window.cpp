#include "stats/count_window.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace quintara {
namespace {

constexpr std::array<std::size_t, 4> kNewestDraws{10, 20, 30, 50};
constexpr int kAllDraws = 4;

}  // namespace

std::span<const std::string_view> countWindow(std::span<const std::string_view> draws,
                                              int selectedIndex) {
    if (selectedIndex == kAllDraws) return draws;
    if (selectedIndex < 0 || selectedIndex > kAllDraws) return {};
    return draws.first(std::min(kNewestDraws[static_cast<std::size_t>(selectedIndex)], draws.size()));
}

}  // namespace quintara
