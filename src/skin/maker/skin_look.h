// Turns a colour scheme into a whole skin: the palette and the style sheet
// that dress the main window's buttons, tabs, frames, headers and lists.
#pragma once

#include "skin/maker/skin_schemes.h"
#include "skin/skin_format.h"

namespace quintara::skin {

[[nodiscard]] Skin makeSkin(const ColourScheme& scheme);

}  // namespace quintara::skin
