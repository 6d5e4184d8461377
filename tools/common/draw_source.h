// Where a tool reads its draws: a history feed file ("-": standard input) or
// the draw archive (the file given, or the user's own), newest first either
// way, and what it says when there are none.
#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "draws/draw.h"

namespace quintara::tools {

struct DrawSource {
    std::optional<std::string> feed;     // a path, or "-"
    std::optional<std::string> archive;  // a path; empty for the user's archive
};

// Why a tool has no draws, and the status it ends with.
struct NoDraws {
    int status;
    std::string reason;  // after "<tool>: "
};

inline constexpr int kNoDrawsHeld = 1;  // a feed or an archive without draws
inline constexpr int kCannotRead = 2;   // a feed or an archive that cannot be read

// The newest draws of the source, at most `limit`, newest first. Throws
// NoDraws.
[[nodiscard]] std::vector<Draw> readDraws(const DrawSource& source,
                                          std::size_t limit = std::numeric_limits<std::size_t>::max());

}  // namespace quintara::tools
