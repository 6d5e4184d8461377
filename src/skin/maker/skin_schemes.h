// The 56 colour schemes of our skins, numbered 1 to 56 like the skin files.
#pragma once

#include <array>
#include <string_view>

#include "skin/carried_skins.h"
#include "skin/skin_format.h"

namespace quintara::skin {

// The three colours a look is made from; the others follow from them.
struct ColourScheme {
    std::string_view name;
    Colour window;     // behind every control
    Colour accent;     // buttons, tabs, headers, frames
    Colour highlight;  // selected rows and items
};

[[nodiscard]] const std::array<ColourScheme, kSkinCount>& colourSchemes();

}  // namespace quintara::skin
