// Our own branding pictures and window icon, painted when first asked for.
#pragma once

#include <QIcon>
#include <QPixmap>

#include <string_view>

namespace quintara::qt {

// "branding-wide" (1041 × 281) or "branding-logo" (296 × 296).
[[nodiscard]] QPixmap brandingImage(std::string_view name);
// 128 × 128, 32-bit colour.
[[nodiscard]] QIcon windowIcon128();

}  // namespace quintara::qt
