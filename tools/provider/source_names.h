// The sources that --down can switch off, and their names on the command line.
#pragma once

#include <optional>
#include <string_view>

namespace quintara::provider {

enum class Source { Api, List, Flash, Feed, Version };

// "api", "list", "flash", "feed" or "version"; nothing for any other name.
[[nodiscard]] std::optional<Source> sourceNamed(std::string_view name);

}  // namespace quintara::provider
