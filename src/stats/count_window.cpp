#include "stats/count_window.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "draws/draw.h"

namespace quintara {
namespace {

constexpr std::array<int, 5> kWindowSizes{10, 20, 30, 50, kDrawReadLimit};

}  // namespace

int countWindowSize(int selectedIndex) {
    if (selectedIndex < 0 || selectedIndex >= static_cast<int>(kWindowSizes.size())) return 0;
    return kWindowSizes[static_cast<std::size_t>(selectedIndex)];
}

std::span<const std::string_view> countWindow(std::span<const std::string_view> draws,
                                              int selectedIndex) {
    return draws.first(std::min(static_cast<std::size_t>(countWindowSize(selectedIndex)), draws.size()));
}

}  // namespace quintara
