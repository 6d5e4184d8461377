// The sources that --down can switch off, and their names on the command line.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace quintara::provider {

enum class Source { Api, List, Flash, Feed, Version };
inline constexpr std::size_t kSourceCount = 5;

// "api", "list", "flash", "feed" or "version"; nothing for any other name.
[[nodiscard]] std::optional<Source> sourceNamed(std::string_view name);

}  // namespace quintara::provider
