#include "chart/chart_figures.h"

#include <algorithm>
#include <numeric>

namespace quintara {

int formColumn(std::span<const int> digits) {
    std::array<bool, 10> seen{};
    int different = 0;
    for (const int digit : digits) {
        if (!seen[static_cast<std::size_t>(digit)]) ++different;
        seen[static_cast<std::size_t>(digit)] = true;
    }
    if (digits.size() == 2) return different == 1 ? 0 : 1;
    return static_cast<int>(digits.size()) - different;  // 0 组六, 1 组三, 2 豹子
}

int countedDigits(std::span<const int> digits, bool (*counted)(int)) {
    return static_cast<int>(std::ranges::count_if(digits, counted));
}

std::string ratioText(int counted, int notCounted) {
    return std::to_string(counted) + ":" + std::to_string(notCounted);
}

std::string routeText(std::span<const int> digits) {
    std::string route;
    for (const int digit : digits) route += static_cast<char>('0' + digit % 3);
    return route;
}

std::string routeTally(std::span<const std::string_view> routes) {
    std::array<int, 3> counts{};
    for (const std::string_view route : routes) {
        for (const char digit : route) {
            if (digit >= '0' && digit <= '2') ++counts[static_cast<std::size_t>(digit - '0')];
        }
    }
    return std::to_string(counts[0]) + ":" + std::to_string(counts[1]) + ":" + std::to_string(counts[2]);
}

int dragonTigerColumn(int wan, int ge) {
    if (wan > ge) return 0;
    return wan < ge ? 1 : 2;
}

}  // namespace quintara
