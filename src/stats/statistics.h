// The six statistics steps: each reads the draw history of the window and
// rewrites only its own list views.
#pragma once

#include "controls/window.h"
#include "draws/draw_history.h"

namespace quintara {

// Digit omission per position and over the back three positions.
void RefreshOmissionLists(const Window& window);
// Digit frequency over the chosen count window, per position group; ends
// with the digit-pair frequency list.
void RefreshFrequencyLists(const Window& window);
void RefreshPairFrequencyList(const Window& window);
// Omission of the back three digits' sum tail and span.
void RefreshSumTailOmission(const Window& window);
void RefreshSpanOmission(const Window& window);
// Omission of the 45 digit pairs per position group.
void RefreshPairOmissionLists(const Window& window);
// Omission of the 27 big/small/odd/even patterns, in table order.
void RefreshPatternOmissionList(const Window& window);

}  // namespace quintara
