// The writer of the statistics lists: puts computed rows into list views.
#pragma once

#include <functional>

#include "controls/controls.h"
#include "stats/statistics.h"

namespace quintara {

// Deletes all items of the view, then appends one per row of `list`: its two
// columns and its tool tip.
void writeListRows(ListView& view, StatisticsList list, const ListRows& rows);

// Writes every list that has rows into the view `viewOf` gives for it; a
// list without rows keeps what its view shows.
void writeStatistics(const Statistics& statistics,
                     const std::function<ListView&(StatisticsList)>& viewOf);

}  // namespace quintara
