// The JSON the watcher serves beside what quintara-stats prints: the draws,
// the alerts, the trend chart, the 定位 omissions, and the watcher's health
// (which is also the text of each status event).
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "alerts/alert_watch.h"
#include "draws/draw.h"
#include "serve/watch_state.h"
#include "stats/statistics.h"
#include "chart/trend_chart.h"

namespace quintara {

// {"issue":"20261209-012","digits":"12345"}
[[nodiscard]] std::string drawJson(const Draw& draw);
// The first `limit` draws as an array of drawJson objects, newest first.
[[nodiscard]] std::string drawsJson(std::span<const Draw> newestFirst, std::size_t limit);
// The first `limit` alert records as an array, newest first.
[[nodiscard]] std::string alertsJson(std::span<const std::string> records, std::size_t limit);

// {"positions":[{"position":"万位","list":"超级列表框_万遗漏","digits":[{"digit":"0","current":3,
//  "longest":21,"chance":0.729,"alerting":false},…]},…]}: the five positions' digits in digit order,
// alerting where a rule of `watch` (none: no rules) holds for the row now.
[[nodiscard]] std::string omissionsJson(const Statistics& statistics, const AlertWatch* watch);

// The chart model: {"view":"后三","range":"30期","range_issues":30,"shortfall":"",
//  "groups":[{"caption":"百位","position":3,"section":null,"columns":[{"heading":"0","name":"百位0",
//   "kind":"omission"},…]},…],
//  "rows":[{"issue":…,"code":…,"after_hole":false,"cells":[3,0,…,"组六",…],"temperatures":["冷","热",…,null]},…],
//  "summary":[{"caption":"平均遗漏","cells":["24.57",…],"short":["25",…]},…],"footnote":…}
// A cell is its number (an omission or a count) or its text; a temperature
// is that of a position's digit, null elsewhere. A summary cell is written in
// full, as the CSV has it, and in its shortest form, for a narrow column.
[[nodiscard]] std::string chartJson(const TrendChart& chart, std::string_view view, std::string_view range);

// {"newest_issue":…|null,"draws":n,"last_success":{"time":"12:28:05","source":"开奖接口"}|null,
//  "failures":0,"failing_since":null,"failure_reason":null,"sources":["上次成功：…"],"unsaved":0,
//  "save_failure":null,"newest_arrived":ISO|null,"next_expected":ISO|null,"poll_interval_ms":8000,
//  "push_channels":[…]}; `pushChannels` is a JSON array.
[[nodiscard]] std::string healthJson(const WatchState& state, std::string_view pushChannels);

// {"error":TEXT}
[[nodiscard]] std::string errorJson(std::string_view text);

}  // namespace quintara
