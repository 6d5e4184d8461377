// Where a draw in the archive came from: the source that first gave it.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quintara {

enum class DrawOrigin { Feed, Api, List, Flash, Import };

inline constexpr std::array<std::string_view, 5> kDrawOriginNames{"feed", "api", "list", "flash", "import"};

constexpr std::string_view nameOf(DrawOrigin origin) {
    return kDrawOriginNames[static_cast<std::size_t>(origin)];
}

// The origin of that name; none when no origin has it.
[[nodiscard]] std::optional<DrawOrigin> drawOriginNamed(std::string_view name);

}  // namespace quintara
