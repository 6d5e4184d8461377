// The draws quintara-stats computes from: the newest 10000 of a history feed
// or of the draw archive, as the window's refresh reads them.
#pragma once

#include <string>
#include <vector>

#include "arguments.h"

namespace quintara::stats_tool {

// Why there are no draws to compute from, and the status the tool ends with.
struct NoDraws {
    int status;
    std::string reason;
};

inline constexpr int kNoDrawsHeld = 1;  // a feed or an archive without draws
inline constexpr int kCannotRead = 2;   // a feed or an archive that cannot be read

// The texts of the newest draws of the request's feed or archive (at most
// 10000), newest first. Throws NoDraws.
[[nodiscard]] std::vector<std::string> newestDrawTexts(const Request& request);

}  // namespace quintara::stats_tool
