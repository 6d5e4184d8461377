// The statistics as JSON, as quintara-stats --format json prints them and the
// watcher serves them: {"lists":[{"name":NAME,"rows":[[col0,col1],...]},...]}
// with the 18 lists in their fixed order (a list the statistics left as it
// was has no rows), ended by a line break. With `detail`, each row's detail
// is its third element:
// {"appearances":c,"current":..,"previous":..|null,"longest":..,
// "average":x.xx,"streak":..,"expected":x.xx,"chance":c} (and "window" and
// "windowExpected" on frequency rows), the two decimals as "%.2f" writes them,
// the chance of the current absence with six significant digits ("%.6g").
#pragma once

#include <string>
#include <string_view>

#include "stats/statistics.h"

namespace quintara {

[[nodiscard]] std::string statisticsJson(const Statistics& statistics, bool detail);

// `text` as a JSON string, quotes included; a byte that is no UTF-8 is
// replaced, not refused.
[[nodiscard]] std::string jsonString(std::string_view text);

}  // namespace quintara
