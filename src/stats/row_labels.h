// The items a list can have a row for, by their labels (column 0), and the
// name of a row for a person: the list's item kind and the label, "万位 7",
// "前三胆码 38", "形态 双单单大小".
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "stats/statistics_lists.h"

namespace quintara {

// Every label the list can show, in a fixed order: the digits or values 0 to
// 9, the 45 digit pairs, or the 27 patterns.
[[nodiscard]] std::span<const std::string_view> rowLabels(StatisticsList list);

// The place of `label` in rowLabels(list); none when the list has no such item.
[[nodiscard]] std::optional<std::size_t> rowLabelIndex(StatisticsList list, std::string_view label);

// What the list's rows stand for: "万位", "后三", "双胆", "中三胆码", "和尾", "跨度", "形态", ...
[[nodiscard]] std::string_view itemKind(StatisticsList list);

// The list for a person, as the window's pages and frames call it:
// "万位遗漏", "后三出现次数", "杀跨度", "中三胆码", "形态遗漏".
[[nodiscard]] std::string_view listTitle(StatisticsList list);

// "万位 7": the item kind, a space, the label.
[[nodiscard]] std::string rowName(StatisticsList list, std::string_view label);

}  // namespace quintara
