// The statistics steps on the main window: each reads the draw history from
// the grid and the count windows from their combo boxes, computes its lists
// and rewrites only their list views.
#pragma once

#include "controls/window.h"
#include "stats/statistics.h"

namespace quintara {

// The six steps below, always all of them, in their fixed order; gives what
// it wrote.
Statistics RefreshStatistics(const Window& window);
// Writes the lists that have rows into the views of the same names.
void writeLists(const Window& window, const Statistics& statistics);
// The count windows the window's boxes choose.
[[nodiscard]] CountWindowSelections countWindowSelections(const Window& window);

// Digit omission per position and over the back three positions.
void RefreshOmissionLists(const Window& window);
// Digit frequency over the chosen count window, per position group; ends
// with the digit-pair frequency list.
void RefreshFrequencyLists(const Window& window);
// The one list counted over the window that `box` chooses, as a choice in
// the box changes it: the same rows as a whole refresh gives it; gives what it
// wrote.
Statistics RefreshCountedList(const Window& window, CountWindowBox box);
void RefreshPairFrequencyList(const Window& window);
// Omission of the back three digits' sum tail and span.
void RefreshSumTailOmission(const Window& window);
void RefreshSpanOmission(const Window& window);
// Omission of the 45 digit pairs per position group.
void RefreshPairOmissionLists(const Window& window);
// Omission of the 27 big/small/odd/even patterns, in table order.
void RefreshPatternOmissionList(const Window& window);

}  // namespace quintara
