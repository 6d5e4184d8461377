// The --range option of the tools that take a range of draws (quintara-chart,
// quintara-stats): N, today, 3d, 7d or FROM:TO, read by the same rules.
#pragma once

#include <CLI/CLI.hpp>

#include <optional>

#include "draws/draw_range.h"

namespace quintara::tools {

// The transform of --range: the text read into `range`, or what is wrong
// with it. `most` bounds both N and the issues FROM:TO spans; none: no bound.
[[nodiscard]] CLI::Validator rangeReader(DrawRange& range, std::optional<int> most);

}  // namespace quintara::tools
