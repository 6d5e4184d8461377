#include "fairness/holm.h"

#include <algorithm>

namespace quintara {

std::vector<std::optional<double>> holmAdjusted(std::span<const std::optional<double>> p) {
    std::vector<std::size_t> order;
    for (std::size_t test = 0; test < p.size(); ++test) {
        if (p[test]) order.push_back(test);
    }
    std::ranges::stable_sort(order, {}, [&p](std::size_t test) { return *p[test]; });
    std::vector<std::optional<double>> adjusted(p.size());
    double largest = 0;  // the adjustment never lets a larger p come out smaller
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        const double factor = static_cast<double>(order.size() - rank);
        largest = std::max(largest, std::min(1.0, factor * *p[order[rank]]));
        adjusted[order[rank]] = largest;
    }
    return adjusted;
}

}  // namespace quintara
