// What quintara-stats prints: the rows of the 18 statistics lists, in a
// fixed order, as text or as JSON.
#pragma once

#include <string>

#include "arguments.h"
#include "stats/statistics.h"

namespace quintara::stats_tool {

// Text: per list a line "[NAME]" (a list without rows has none below it), then one line per row: column 0, a TAB,
// column 1, and with `detail` its tool tip's lines joined by " · " after one more TAB. JSON: the core's
// (stats/statistics_json.h). Both end with a line break.
[[nodiscard]] std::string report(const Statistics& statistics, OutputFormat format, bool detail);

}  // namespace quintara::stats_tool
