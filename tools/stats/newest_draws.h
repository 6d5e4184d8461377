// The draws quintara-stats computes from: the newest of a history feed or of
// the draw archive (for the lists the newest 10000, as the window's refresh
// reads them).
#pragma once

#include <string>
#include <vector>

#include "arguments.h"
#include "draws/draw.h"

namespace quintara::stats_tool {

// Why there are no draws to compute from, and the status the tool ends with.
struct NoDraws {
    int status;
    std::string reason;
};

inline constexpr int kNoDrawsHeld = 1;  // a feed or an archive without draws
inline constexpr int kCannotRead = 2;   // a feed or an archive that cannot be read

// The newest draws of the request's feed or archive, at most `limit`,
// newest first. Throws NoDraws.
[[nodiscard]] std::vector<Draw> newestDraws(const Request& request, int limit);

}  // namespace quintara::stats_tool
