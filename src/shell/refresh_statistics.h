// The refresh of all statistics lists.
#pragma once

#include "controls/window.h"

namespace quintara {

// Runs the six statistics steps, always all of them, in their fixed order.
void RefreshStatistics(const Window& window);

}  // namespace quintara
