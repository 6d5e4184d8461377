#include "archive/draw_origin.h"

#include <algorithm>

namespace quintara {

std::optional<DrawOrigin> drawOriginNamed(std::string_view name) {
    const auto found = std::find(kDrawOriginNames.begin(), kDrawOriginNames.end(), name);
    if (found == kDrawOriginNames.end()) return std::nullopt;
    return static_cast<DrawOrigin>(found - kDrawOriginNames.begin());
}

}  // namespace quintara
