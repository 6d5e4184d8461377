// The controls the statistics read and write, as an in-memory window of their
// own: the draw history grid, the 18 lists and the five count-window combo
// boxes, named as in the main window. The statistics tool and the tests run
// the steps on it without the rest of the main window.
#pragma once

#include <memory>

#include "controls/window.h"

namespace quintara {

[[nodiscard]] std::unique_ptr<Window> makeStatisticsWindow();

}  // namespace quintara
