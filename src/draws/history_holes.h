// Holes in the draw history: issue numbers that no row holds between a draw
// and the older draw below it, left there when a poll found a draw that no
// source could close the gap to.
#pragma once

#include <cstdint>

#include "draws/draw_history.h"

namespace quintara {

// How many issue numbers are missing just before the draw in grid row `row`
// (1 and on): those between the draw below it and it. 0 when it follows that
// draw directly, when either row holds no draw, and when either issue is not
// well formed or the two are out of order, so that no hole can be told.
[[nodiscard]] std::int64_t missingBefore(const DrawHistory& history, int row);

}  // namespace quintara
