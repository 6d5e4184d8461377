// The version notice at start: the version number published on the version
// page against the local one in 标签80, a box either way, and the end of
// the program when they differ.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "controls/window.h"

namespace quintara {

inline constexpr std::string_view kVersionPagePath = "/post-7143278-108926659-1.shtml";
inline constexpr std::string_view kVersionMarker = "==";

// The version number the version page publishes: the number between its
// first two "=="; nothing when there are no two markers or no number between.
[[nodiscard]] std::optional<float> publishedVersion(std::string_view page);

// Fetches the page (the window stays alive meanwhile) and reads the text
// between its first two "==". When that number equals the caption of 标签80
// (as single-precision values) the welcome box is shown; when it differs,
// the warning box, then the maker's site is opened and the program ended. A
// page that cannot be fetched, has no two markers or no number between them
// says nothing about the version: no box, and the start-up goes on.
void runVersionNotice(const Window& window, Platform& platform, const std::string& pageAddress,
                      std::string_view siteAddress);

}  // namespace quintara
