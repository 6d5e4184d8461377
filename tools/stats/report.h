// What quintara-stats prints: the rows of the 18 statistics lists, in a
// fixed order, as text or as JSON.
#pragma once

#include <string>
#include <string_view>

#include "arguments.h"
#include "stats/statistics.h"

namespace quintara::stats_tool {

// Text: per list a line "[NAME]" (a list without rows has none below it), then one line per row: column 0, a TAB,
// column 1. JSON: {"lists":[{"name":NAME,"rows":[[col0,col1],...]},...]}.
// Both end with a line break. With `detail`, a row's detail follows its
// columns: its tool tip's lines joined by " · " after one more TAB, or as
// the row's third element:
// {"appearances":c,"current":..,"previous":..|null,"longest":..,
// "average":x.xx,"streak":..,"expected":x.xx,"chance":c} (and "window" and
// "windowExpected" on frequency rows), the two decimals as "%.2f" writes them,
// the chance of the current absence with six significant digits ("%.6g").
[[nodiscard]] std::string report(const Statistics& statistics, OutputFormat format, bool detail);

// `text` as a JSON string, quotes included.
[[nodiscard]] std::string jsonString(std::string_view text);

}  // namespace quintara::stats_tool
