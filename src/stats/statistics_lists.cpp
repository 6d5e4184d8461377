#include "stats/statistics_lists.h"

#include <algorithm>

namespace quintara {
namespace {

// The id whose name is `name` in `names`, the ids standing in the names' order.
template <typename Id, std::size_t Count>
std::optional<Id> idNamed(const std::array<std::string_view, Count>& names, std::string_view name) {
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) return std::nullopt;
    return static_cast<Id>(found - names.begin());
}

}  // namespace

std::optional<StatisticsList> statisticsListNamed(std::string_view name) {
    return idNamed<StatisticsList>(kStatisticsListNames, name);
}

std::optional<CountWindowBox> countWindowBoxNamed(std::string_view name) {
    return idNamed<CountWindowBox>(kCountWindowBoxNames, name);
}

}  // namespace quintara
