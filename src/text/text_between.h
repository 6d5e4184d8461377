// Text between two markers: how the user agent is read out of a request's
// header lines and the version number out of the version page.
#pragma once

#include <string>
#include <string_view>

namespace quintara {

// The text after the first `start` (letter case must match) up to, not
// including, the next `end`; empty when either marker is missing.
[[nodiscard]] std::string textBetween(std::string_view text, std::string_view start,
                                      std::string_view end);

}  // namespace quintara
