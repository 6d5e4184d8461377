// Where quintara-chart reads its draws: a history feed file, or the draw
// archive. Either way all of them, newest first, so that the omissions of
// the chart's top rows count from every draw before them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "draws/draw.h"

namespace quintara::chart_tool {

// The draws of a source, newest first; `failure` says why there are none
// when a source cannot be read (after "quintara-chart: ").
struct SourceDraws {
    std::vector<Draw> newestFirst;
    std::string failure;
};

// The feed at `path` ("-": standard input).
[[nodiscard]] SourceDraws feedDraws(const std::string& path);
// The archive at `path`, opened for reading only.
[[nodiscard]] SourceDraws archiveDraws(const std::filesystem::path& path);

}  // namespace quintara::chart_tool
