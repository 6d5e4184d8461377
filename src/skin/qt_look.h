// A decoded skin as Qt sees it: the application palette it gives.
#pragma once

#include <QPalette>

#include "skin/skin_format.h"

namespace quintara::skin {

// `base` with the skin's colours in every colour group.
[[nodiscard]] QPalette toQPalette(const Skin& skin, const QPalette& base);

}  // namespace quintara::skin
